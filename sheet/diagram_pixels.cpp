#include "sheet/diagram_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Coordinates beyond this are pulled in so that the step arithmetic stays in 64 bits; no real
// drawing comes near it.
constexpr int32_t kCoordinateLimit = 1 << 24;

int32_t Limit(int32_t v) {
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

// Whether a line from its start by (dx, dy), neither zero, rounds the halves of its minor
// coordinate away from the start (else towards it). The GDI's cosmetic lines decide by the
// octant, counted clockwise from the positive x axis with y pointing down: away in octants 3,
// 5, 6 and 8. A diagonal has no halves, so how its octant is counted does not matter.
bool HalvesAwayFromStart(int64_t dx, int64_t dy) {
    if (dy > 0) {
        return dx < 0 && dy >= -dx; // octant 3 (2 and 4 go towards, as does 1)
    }
    if (dx < 0) {
        return true; // octants 5 and 6
    }
    return dx > -dy; // octant 8 (7 goes towards)
}

} // namespace

DiagramPixels::DiagramPixels(DiagramPixelBuffer buffer, uint32_t background)
    : m_buffer(buffer), m_background(background) {}

DiagramPen DiagramPixels::SelectPen(const DiagramPen& pen) {
    const DiagramPen previous = m_pen;
    m_pen = pen;
    return previous;
}

void DiagramPixels::MoveTo(int32_t x, int32_t y) {
    m_x = Limit(x);
    m_y = Limit(y);
    m_styleStep = 0;
}

void DiagramPixels::Plot(int64_t x, int64_t y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= m_buffer.width || y >= m_buffer.height) {
        return;
    }
    m_buffer.pixels[y * m_buffer.stride + x] = colour;
}

void DiagramPixels::PlotStyled(int64_t x, int64_t y, int64_t index) {
    if (m_pen.style == DiagramPen::Style::Dot && (index & 1) != 0) {
        Plot(x, y, m_background);
    } else {
        Plot(x, y, m_pen.colour);
    }
}

void DiagramPixels::LineTo(int32_t x, int32_t y) {
    const int64_t x0 = m_x;
    const int64_t y0 = m_y;
    x = Limit(x);
    y = Limit(y);
    const int64_t dx = static_cast<int64_t>(x) - x0;
    const int64_t dy = static_cast<int64_t>(y) - y0;
    const int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    const bool majorX = std::llabs(dx) >= std::llabs(dy);
    // Pixel i of n (the end point, i == n, is left out): the major coordinate moves one pixel
    // per step, the minor one is the rounded exact position, halves rounded as the GDI does.
    const int64_t majorStart = majorX ? x0 : y0;
    const int64_t majorSign = (majorX ? dx : dy) < 0 ? -1 : 1;
    const int64_t minorStart = majorX ? y0 : x0;
    const int64_t minorDelta = majorX ? dy : dx;
    const int64_t minorSign = minorDelta < 0 ? -1 : 1;
    const int64_t minorAbs = std::llabs(minorDelta);
    const int64_t extent = majorX ? m_buffer.width : m_buffer.height;
    // floor((2 i |minor| + n) / 2n) rounds halves up, floor((2 i |minor| + n - 1) / 2n) down;
    // both agree everywhere else.
    const int64_t halves = dx != 0 && dy != 0 && HalvesAwayFromStart(dx, dy) ? n : n - 1;

    // Only the steps whose major coordinate lies on the image need visiting.
    int64_t first = 0;
    int64_t last = n; // exclusive
    if (majorSign > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, extent - majorStart);
    } else {
        first = std::max(first, majorStart - extent + 1);
        last = std::min(last, majorStart + 1);
    }
    for (int64_t i = first; i < last; ++i) {
        const int64_t major = majorStart + majorSign * i;
        const int64_t minor = minorStart + minorSign * ((2 * i * minorAbs + halves) / (2 * n));
        PlotStyled(majorX ? major : minor, majorX ? minor : major, m_styleStep + i);
    }
    m_styleStep += n;
    m_x = x;
    m_y = y;
}

void DiagramPixels::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                              uint32_t brush) {
    if (right <= left || bottom <= top) {
        return;
    }
    const int64_t x0 = std::max<int64_t>(left, 0);
    const int64_t x1 = std::min<int64_t>(right, m_buffer.width);
    const int64_t y0 = std::max<int64_t>(top, 0);
    const int64_t y1 = std::min<int64_t>(bottom, m_buffer.height);
    for (int64_t y = y0; y < y1; ++y) {
        for (int64_t x = x0; x < x1; ++x) {
            const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            Plot(x, y, edge ? m_pen.colour : brush);
        }
    }
}
