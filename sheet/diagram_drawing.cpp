#include "sheet/diagram_drawing.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/diagram_image.h"

namespace {

using Kind = DiagramStroke::Kind;

QPen StrokePen(Kind kind, double penWidth) {
    QPen pen(QColor::fromRgb(DiagramStrokeColour(kind)));
    pen.setWidthF(penWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(kind == Kind::Grid ? Qt::FlatCap : Qt::RoundCap);
    if (kind == Kind::Grid) {
        // One unit lit, one unit left out, as the control's dotted pen does with pixels.
        pen.setDashPattern({1.0 / penWidth, 1.0 / penWidth});
    }
    return pen;
}

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
    std::snprintf(text, sizeof text, "#%02x%02x%02x", qRed(rgb), qGreen(rgb), qBlue(rgb));
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

void PaintDiagram(QPainter& painter, const QRectF& target, const DiagramGeometry& g,
                  double penWidth) {
    if (g.size.Empty() || target.isEmpty()) {
        return;
    }
    const QRectF area(0, 0, g.size.width, g.size.height);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / g.size.width, target.height() / g.size.height);
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setBrush(Qt::NoBrush);
    std::vector<QPointF> points;
    for (const DiagramStroke& stroke : g.strokes) {
        if (stroke.points.size() < 2) {
            continue;
        }
        points.clear();
        for (const PagePoint& p : stroke.points) {
            points.emplace_back(p.x, p.y);
        }
        painter.setPen(StrokePen(stroke.kind, penWidth));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    painter.restore();
}

QImage DiagramPicture(double centre, int32_t southern, int scale) {
    const QSize control(kDiagramControlWidth, kDiagramControlHeight);
    if (scale <= 1) {
        DiagramSampleCache samples;
        return DrawDiagramImage(centre, southern, control, samples);
    }
    QImage image = DiagramPictureAt(centre, southern, control, scale);
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage DiagramPictureAt(double centre, int32_t southern, const QSize& size, double ratio) {
    if (size.isEmpty() || !(ratio > 0)) {
        return {};
    }
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)),
                 MakeDiagramGeometry(
                     centre, southern,
                     {static_cast<double>(size.width()), static_cast<double>(size.height())}));
    return image;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

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
