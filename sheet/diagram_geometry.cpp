#include "sheet/diagram_geometry.h"

#include <cmath>

#include "sheet/diagram_samples.h"

namespace {

using Kind = DiagramStroke::Kind;

void AddLine(DiagramGeometry& g, Kind kind, PagePoint from, PagePoint to) {
    g.strokes.push_back({kind, {from, to}});
}

void AddCurve(DiagramGeometry& g, Kind kind, const std::vector<double>& moments,
              const std::vector<double>& values, double centre) {
    const double w = g.size.width;
    const double h = g.size.height;
    DiagramStroke stroke{kind, {}};
    stroke.points.reserve(moments.size());
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const double x = ((moments[i] + 2.0) - centre) * w * 0.25;
        const double y = h - values[i] * h;
        // A sample that cannot be placed (far beyond any calendar) is left out.
        if (std::isfinite(x) && std::isfinite(y)) {
            stroke.points.push_back({x, y});
        }
    }
    g.strokes.push_back(std::move(stroke));
}

} // namespace

DiagramGeometry MakeDiagramGeometry(double centre, int32_t southern, PageSize size) {
    DiagramGeometry g;
    g.size = size;
    const double w = size.width;
    const double h = size.height;
    // The frame: left, top and right edge; its lower edge lies below the control.
    g.strokes.push_back({Kind::Frame, {{0.5, h}, {0.5, 0.5}, {w - 0.5, 0.5}, {w - 0.5, h}}});
    // The dotted centre line over the whole height.
    const double mid = std::floor(w / 2) + 0.5;
    AddLine(g, Kind::Grid, {mid, 0}, {mid, h});
    // Day ticks: the lowest four rows at a quarter, half and three quarters of the width.
    for (int day = 1; day <= 3; ++day) {
        const double x = std::floor(day * w * 0.25) + 0.5;
        AddLine(g, Kind::Grid, {x, h - 4}, {x, h});
    }
    // Value ticks at 75 %, 50 % and 25 % along the left edge, five pixels long.
    const double step = std::floor(h / 4);
    for (int k = 1; k <= 3 && step > 0; ++k) {
        AddLine(g, Kind::Grid, {0, k * step + 0.5}, {5, k * step + 0.5});
    }
    const DiagramCurveValues values = SampleDiagramValues(centre, southern);
    AddCurve(g, Kind::Moon, values.moments, values.moon, centre);
    AddCurve(g, Kind::Sun, values.moments, values.sun, centre);
    return g;
}

uint32_t DiagramStrokeColour(DiagramStroke::Kind kind) {
    switch (kind) {
    case Kind::Moon:
        return 0xff0000ffu;
    case Kind::Sun:
        return 0xffff0000u;
    case Kind::Frame:
    case Kind::Grid:
        break;
    }
    return 0xff000000u;
}
