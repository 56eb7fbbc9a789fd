#include "sheet/qt_sheet_measure.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QString>

QFont SheetQFont(const SheetFont& f) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(f.points);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    // No ligatures: the text of the PDF is searched and copied letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

const QFontMetricsF& QtSheetMeasure::For(const SheetFont& font) const {
    // Texts come font by font: the last font's metrics serve the next text too.
    if (!m_font || !(*m_font == font)) {
        m_metrics.emplace(SheetQFont(font), &m_device);
        m_font = font;
    }
    return *m_metrics;
}

double QtSheetMeasure::Advance(std::string_view text, const SheetFont& font) const {
    return For(font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

SheetFontMetrics QtSheetMeasure::Metrics(const SheetFont& font) const {
    const QFontMetricsF& fm = For(font);
    return {fm.ascent(), fm.descent(), fm.lineSpacing()};
}

const QImage& SheetTypePicture(int32_t id) {
    static QHash<int32_t, QImage> pictures;
    auto it = pictures.find(id);
    if (it == pictures.end()) {
        it = pictures.insert(id, QImage(QStringLiteral(":/images/%1.png").arg(id)));
    }
    return *it;
}

SheetLayout LayOutSheet(const SheetContent& sheet, const QRectF& page, const QPaintDevice& device) {
    const QImage& picture = SheetTypePicture(sheet.typeBitmap);
    const PageSize pictureSize = picture.isNull() ? PageSize{}
                                                  : PageSize{static_cast<double>(picture.width()),
                                                             static_cast<double>(picture.height())};
    const QtSheetMeasure measure(device);
    return LayOutSheet(sheet, {page.left(), page.top(), page.width(), page.height()},
                       device.logicalDpiX(), measure, pictureSize);
}
