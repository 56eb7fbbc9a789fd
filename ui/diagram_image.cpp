#include "ui/diagram_image.h"

#include "ui/diagram_raster.h"

namespace {

constexpr QRgb kWhite = 0xffffffffu;
const DiagramPen kMoonPen{DiagramPen::Style::Solid, 0xff0000ffu};
const DiagramPen kSunPen{DiagramPen::Style::Solid, 0xffff0000u};
const DiagramPen kFramePen{DiagramPen::Style::Solid, 0xff000000u};
const DiagramPen kGridPen{DiagramPen::Style::Dot, 0xff000000u};

// Three ticks in any sane case; the limit only guards against centres where adding a day rounds.
constexpr std::size_t kMaxDayTicks = 4;

void DrawCurve(DiagramRaster& dc, const std::vector<QPoint>& points) {
    bool first = true;
    for (const QPoint& p : points) {
        if (first) {
            dc.MoveTo(p.x(), p.y());
            first = false;
        }
        dc.LineTo(p.x(), p.y());
    }
}

} // namespace

QImage DrawDiagramImage(double centre, int32_t southern, const QSize& clientSize,
                        DiagramSampleCache& samples) {
    const int32_t left = 0;
    const int32_t top = 0;
    const int32_t right = clientSize.width();
    int32_t bottom = clientSize.height();
    const int32_t width = right - left;
    const int32_t height = bottom - top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    DiagramRaster dc(image, kWhite);
    const DiagramPen previousPen = dc.SelectPen(kFramePen);

    // The frame's lower edge falls just below the client area.
    bottom = bottom + 1;
    dc.Rectangle(left, top, right, bottom, kWhite);

    const double lo = centre - 2.0;
    const double hi = centre + 2.0;

    dc.SelectPen(kGridPen);
    dc.MoveTo(width / 2, top);
    dc.LineTo(width / 2, bottom);

    for (const double t : DiagramMoments(lo + 1.0, hi, 1.0, kMaxDayTicks)) {
        const int32_t x = DiagramX(t, centre, width);
        dc.MoveTo(x, bottom - 1);
        dc.LineTo(x, bottom - 6);
    }

    const int32_t step = height / 4;
    if (step > 0) {
        for (int32_t y = step; y < bottom; y = y + step) {
            dc.MoveTo(0, y);
            dc.LineTo(5, y);
        }
    }

    dc.SelectPen(kMoonPen);
    DrawCurve(dc, samples.Moon(centre, width, height));
    dc.SelectPen(kSunPen);
    DrawCurve(dc, samples.Sun(centre, southern, width, height));

    dc.SelectPen(previousPen);
    return image;
}
