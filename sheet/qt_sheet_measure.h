#pragma once
// The sheet's texts measured and its units converted for Qt's painters.
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>

#include "sheet/sheet_layout.h"

class QImage;
class QPaintDevice;

// The font of a sheet text: DejaVu Sans (Liberation Sans where it is missing), unshaped.
QFont SheetQFont(const SheetFont& font);

// Measures with the fonts of a paint device (its resolution sets the units).
class QtSheetMeasure : public SheetMeasure {
  public:
    explicit QtSheetMeasure(const QPaintDevice& device) : m_device(device) {}
    double Advance(std::string_view text, const SheetFont& font) const override;
    SheetFontMetrics Metrics(const SheetFont& font) const override;

  private:
    const QFontMetricsF& For(const SheetFont& font) const;

    const QPaintDevice& m_device;
    mutable std::optional<SheetFont> m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
};

inline QPointF ToQt(PagePoint p) {
    return {p.x, p.y};
}
inline QRectF ToQt(const PageRect& r) {
    return {r.left, r.top, r.width, r.height};
}
inline QLineF ToQt(const PageLine& l) {
    return {ToQt(l.from), ToQt(l.to)};
}

// The picture of a type (by its resource id), loaded once so that a document with many pages
// holds each one once; a null image when there is none.
const QImage& SheetTypePicture(int32_t id);

// The layout of sheet on page, an area of device, measured with the device's fonts.
SheetLayout LayOutSheet(const SheetContent& sheet, const QRectF& page, const QPaintDevice& device);
