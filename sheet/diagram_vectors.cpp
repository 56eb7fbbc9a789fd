#include "sheet/diagram_vectors.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Point {
    double x;
    double y;
};

struct Box {
    int64_t left, top, right, bottom; // right and bottom exclusive
};

// How much of [0, s] a dotted line lights: dashes of length dash from 0, with gaps of the same
// length between them (dash 0: all of it).
double LitLength(double s, double dash) {
    if (!(dash > 0)) {
        return s;
    }
    const double period = 2 * dash;
    const double periods = std::floor(s / period);
    return periods * dash + std::min(s - periods * period, dash);
}

class StrokeCoverage {
  public:
    StrokeCoverage(int32_t width, int32_t height)
        : m_width(width), m_height(height),
          m_cover(static_cast<size_t>(width) * static_cast<size_t>(height), 0.0f) {}

    // The pixels around the segment a..b, out to reach from it, that lie on the image.
    Box Around(Point a, Point b, double reach) const {
        const auto lo = [](double v) { return static_cast<int64_t>(std::floor(v)); };
        const auto hi = [](double v) { return static_cast<int64_t>(std::ceil(v)); };
        Box box{lo(std::min(a.x, b.x) - reach), lo(std::min(a.y, b.y) - reach),
                hi(std::max(a.x, b.x) + reach), hi(std::max(a.y, b.y) + reach)};
        box.left = std::max<int64_t>(box.left, 0);
        box.top = std::max<int64_t>(box.top, 0);
        box.right = std::min<int64_t>(box.right, m_width);
        box.bottom = std::min<int64_t>(box.bottom, m_height);
        return box;
    }

    // A segment with round ends: what lies within half of it from a..b.
    void Round(Point a, Point b, double half) {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const Box box = Around(a, b, half + 1);
        for (int64_t y = box.top; y < box.bottom; ++y) {
            for (int64_t x = box.left; x < box.right; ++x) {
                const double cx = static_cast<double>(x) + 0.5 - a.x;
                const double cy = static_cast<double>(y) + 0.5 - a.y;
                double t = length2 > 0 ? (cx * dx + cy * dy) / length2 : 0.0;
                t = std::clamp(t, 0.0, 1.0);
                const double ex = cx - t * dx;
                const double ey = cy - t * dy;
                Cover(x, y, half + 0.5 - std::sqrt(ex * ex + ey * ey));
            }
        }
    }

    // A segment with flat ends, dotted by dash (0: solid).
    void Flat(Point a, Point b, double half, double dash) {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        if (!(length > 0)) {
            return;
        }
        const double ux = dx / length;
        const double uy = dy / length;
        const Box box = Around(a, b, half + 1);
        for (int64_t y = box.top; y < box.bottom; ++y) {
            for (int64_t x = box.left; x < box.right; ++x) {
                const double cx = static_cast<double>(x) + 0.5 - a.x;
                const double cy = static_cast<double>(y) + 0.5 - a.y;
                const double along = cx * ux + cy * uy;
                const double across = std::fabs(cx * uy - cy * ux);
                const double from = std::clamp(along - 0.5, 0.0, length);
                const double to = std::clamp(along + 0.5, 0.0, length);
                const double lit = LitLength(to, dash) - LitLength(from, dash);
                Cover(x, y, std::clamp(half + 0.5 - across, 0.0, 1.0) * lit);
            }
        }
    }

    // Lays colour over the covered pixels of buffer and forgets the coverage.
    void Paint(const DiagramPixelBuffer& buffer, uint32_t colour) {
        for (int64_t y = m_touched.top; y < m_touched.bottom; ++y) {
            for (int64_t x = m_touched.left; x < m_touched.right; ++x) {
                float& cover = m_cover[static_cast<size_t>(y * m_width + x)];
                const auto alpha = static_cast<uint32_t>(cover * 255.0f + 0.5f);
                cover = 0.0f;
                if (alpha == 0) {
                    continue;
                }
                uint32_t& pixel = buffer.pixels[y * buffer.stride + x];
                pixel = Blend(pixel, colour, alpha);
            }
        }
        m_touched = {m_width, m_height, 0, 0};
    }

  private:
    static uint32_t Blend(uint32_t under, uint32_t over, uint32_t alpha) {
        uint32_t result = 0xff000000u;
        for (const int shift : {0, 8, 16}) {
            const uint32_t u = (under >> shift) & 0xffu;
            const uint32_t o = (over >> shift) & 0xffu;
            result |= ((o * alpha + u * (255 - alpha) + 127) / 255) << shift;
        }
        return result;
    }

    void Cover(int64_t x, int64_t y, double amount) {
        if (!(amount > 0)) {
            return;
        }
        float& cover = m_cover[static_cast<size_t>(y * m_width + x)];
        cover = std::max(cover, static_cast<float>(std::min(amount, 1.0)));
        m_touched.left = std::min(m_touched.left, x);
        m_touched.top = std::min(m_touched.top, y);
        m_touched.right = std::max(m_touched.right, x + 1);
        m_touched.bottom = std::max(m_touched.bottom, y + 1);
    }

    int32_t m_width;
    int32_t m_height;
    std::vector<float> m_cover; // of the stroke being drawn, 0 to 1
    Box m_touched{m_width, m_height, 0, 0};
};

} // namespace

void DrawDiagramVectors(const DiagramPixelBuffer& buffer, const DiagramGeometry& g, double ratio,
                        double penWidth) {
    if (buffer.width <= 0 || buffer.height <= 0 || !(ratio > 0)) {
        return;
    }
    for (int64_t y = 0; y < buffer.height; ++y) {
        std::fill_n(buffer.pixels + y * buffer.stride, buffer.width, 0xffffffffu);
    }
    StrokeCoverage coverage(buffer.width, buffer.height);
    const double half = penWidth * ratio / 2;
    for (const DiagramStroke& stroke : g.strokes) {
        const bool grid = stroke.kind == DiagramStroke::Kind::Grid;
        for (size_t i = 1; i < stroke.points.size(); ++i) {
            const Point a{stroke.points[i - 1].x * ratio, stroke.points[i - 1].y * ratio};
            const Point b{stroke.points[i].x * ratio, stroke.points[i].y * ratio};
            if (grid) {
                // The dots run on from one segment to the next (the grid has one per stroke).
                coverage.Flat(a, b, half, ratio);
            } else {
                coverage.Round(a, b, half);
            }
        }
        coverage.Paint(buffer, DiagramStrokeColour(stroke.kind));
    }
}
