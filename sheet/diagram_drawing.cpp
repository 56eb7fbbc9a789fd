#include "sheet/diagram_drawing.h"

#include <QBuffer>
#include <QPainter>

#include "sheet/diagram_bitmap.h"
#include "sheet/qt_sheet_canvas.h"
#include "ui/diagram_image.h"

void PaintDiagram(QPainter& painter, const QRectF& target, const DiagramGeometry& g,
                  double penWidth) {
    QtSheetCanvas canvas(painter);
    DrawDiagram(canvas, {target.left(), target.top(), target.width(), target.height()}, g,
                penWidth);
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
    const QSize pixels(DiagramPixelsAt(size.width(), ratio), DiagramPixelsAt(size.height(), ratio));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    // The lines drawn by the platform-free rules, so that every platform shows these pixels.
    DrawDiagramAt({reinterpret_cast<uint32_t*>(image.bits()), pixels.width(), pixels.height(),
                   image.bytesPerLine() / 4},
                  centre, southern, size.width(), size.height(), ratio);
    image.setDevicePixelRatio(ratio);
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
