#include "sheet/qt_sheet_canvas.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include "sheet/qt_sheet_measure.h"

void QtSheetCanvas::FillRect(const PageRect& rect, uint32_t colour) {
    m_painter.fillRect(ToQt(rect), QColor::fromRgb(colour));
}

void QtSheetCanvas::Polyline(const std::vector<PagePoint>& points, const SheetPen& pen) {
    if (points.size() < 2) {
        return;
    }
    QPen qpen(QColor::fromRgb(pen.colour));
    qpen.setWidthF(pen.width);
    qpen.setJoinStyle(Qt::RoundJoin);
    qpen.setCapStyle(pen.round ? Qt::RoundCap : Qt::FlatCap);
    if (pen.dash > 0 && pen.width > 0) {
        // Qt counts dashes in pen widths.
        qpen.setDashPattern({pen.dash / pen.width, pen.dash / pen.width});
    }
    m_painter.setPen(qpen);
    m_painter.setBrush(Qt::NoBrush);
    std::vector<QPointF> qpoints;
    qpoints.reserve(points.size());
    for (const PagePoint& p : points) {
        qpoints.push_back(ToQt(p));
    }
    m_painter.drawPolyline(qpoints.data(), static_cast<int>(qpoints.size()));
}

void QtSheetCanvas::Text(std::string_view text, const SheetFont& font, uint32_t colour,
                         PagePoint origin) {
    m_painter.setFont(SheetQFont(font));
    m_painter.setPen(QColor::fromRgb(colour));
    m_painter.drawText(ToQt(origin),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtSheetCanvas::BeginTurned(PagePoint centre) {
    m_painter.save();
    m_painter.translate(ToQt(centre));
    m_painter.rotate(-90);
    m_painter.translate(-ToQt(centre));
}

void QtSheetCanvas::EndTurned() {
    m_painter.restore();
}

void QtSheetCanvas::Picture(int32_t id, const PageRect& rect) {
    if (const QImage& picture = SheetTypePicture(id); !picture.isNull()) {
        m_painter.drawImage(ToQt(rect), picture);
    }
}

void QtSheetCanvas::BeginClip(const PageRect& rect) {
    m_painter.save();
    m_painter.setClipRect(ToQt(rect), Qt::IntersectClip);
}

void QtSheetCanvas::EndClip() {
    m_painter.restore();
}
