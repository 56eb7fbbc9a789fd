#include "sheet/diagram_control.h"

#include <cstddef>
#include <vector>

namespace {

const DiagramPen kMoonPen{DiagramPen::Style::Solid, 0xff0000ffu};
const DiagramPen kSunPen{DiagramPen::Style::Solid, 0xffff0000u};
const DiagramPen kFramePen{DiagramPen::Style::Solid, 0xff000000u};
const DiagramPen kGridPen{DiagramPen::Style::Dot, 0xff000000u};

// Three ticks in any sane case; the limit only guards against centres where adding a day rounds.
constexpr std::size_t kMaxDayTicks = 4;

void DrawCurve(DiagramCanvas& dc, const std::vector<DiagramPoint>& points) {
    bool first = true;
    for (const DiagramPoint& p : points) {
        if (first) {
            dc.MoveTo(p.x, p.y);
            first = false;
        }
        dc.LineTo(p.x, p.y);
    }
}

} // namespace

void DrawDiagramControl(DiagramCanvas& dc, double centre, int32_t southern, int32_t width,
                        int32_t height, DiagramSampleCache& samples) {
    const int32_t left = 0;
    const int32_t top = 0;
    const int32_t right = width;
    const DiagramPen previousPen = dc.SelectPen(kFramePen);

    // The frame's lower edge falls just below the client area.
    const int32_t bottom = height + 1;
    dc.Rectangle(left, top, right, bottom, kDiagramBackground);

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
}
