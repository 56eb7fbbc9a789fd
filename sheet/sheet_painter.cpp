#include "sheet/sheet_painter.h"

#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "app/text_catalogue.h"
#include "sheet/qt_sheet_canvas.h"
#include "sheet/qt_sheet_measure.h"

namespace {

// Page margins of a PDF, in millimetres.
constexpr double kPdfMargin = 15.0;
// Pixels of the PDF's coordinate system per inch.
constexpr int kPdfResolution = 1200;

} // namespace

void PaintSheet(QPainter& p, const QRectF& page, const SheetContent& s) {
    const SheetLayout layout = LayOutSheet(s, page, *p.device());
    p.save();
    QtSheetCanvas canvas(p);
    DrawSheet(canvas, layout, s);
    p.restore();
}

bool PaintSheets(QPagedPaintDevice& device, const std::vector<SheetContent>& sheets) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // The painter's origin is the corner of the printable area.
    const QRectF area(QPointF(0, 0), page.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        PaintSheet(painter, area, sheets[i]);
    }
    return painter.end();
}

bool WriteSheetsPdf(QIODevice& device, const std::vector<SheetContent>& sheets) {
    if (sheets.empty()) {
        return false;
    }
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Vexamo"));
    writer.setTitle(QString::fromUtf8(UserText(TextId::AppTitle)));
    return PaintSheets(writer, sheets);
}
