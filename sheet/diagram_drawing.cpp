#include "sheet/diagram_drawing.h"

#include <QBuffer>
#include <QPainter>
#include <cmath>

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
