#include "sheet/diagram_svg.h"

#include <cstdio>

namespace {

using Kind = DiagramStroke::Kind;

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    std::string s = text;
    // Trailing zeros and a bare point carry nothing.
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string ColourText(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", (rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu,
                  rgb & 0xFFu);
    return text;
}

const char* StrokeId(Kind kind) {
    switch (kind) {
    case Kind::Moon:
        return "moon";
    case Kind::Sun:
        return "sun";
    case Kind::Frame:
        return "frame";
    case Kind::Grid:
        break;
    }
    return nullptr;
}

} // namespace

std::string DiagramSvg(const DiagramGeometry& g) {
    const std::string w = Number(g.size.width);
    const std::string h = Number(g.size.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    for (const DiagramStroke& stroke : g.strokes) {
        if (stroke.points.size() < 2) {
            continue;
        }
        svg += "<polyline";
        if (const char* id = StrokeId(stroke.kind)) {
            svg += std::string(" id=\"") + id + "\"";
        }
        svg += " fill=\"none\" stroke=\"" + ColourText(DiagramStrokeColour(stroke.kind)) +
               "\" stroke-width=\"1\"";
        svg +=
            stroke.kind == Kind::Grid ? " stroke-dasharray=\"1 1\"" : " stroke-linejoin=\"round\"";
        svg += " points=\"";
        for (std::size_t i = 0; i < stroke.points.size(); ++i) {
            svg += i == 0 ? "" : " ";
            svg += Number(stroke.points[i].x) + "," + Number(stroke.points[i].y);
        }
        svg += "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}
