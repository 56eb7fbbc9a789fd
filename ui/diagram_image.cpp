#include "ui/diagram_image.h"

#include "sheet/diagram_control.h"
#include "ui/diagram_raster.h"

QImage DrawDiagramImage(double centre, int32_t southern, const QSize& clientSize,
                        DiagramSampleCache& samples) {
    const int32_t width = clientSize.width();
    const int32_t height = clientSize.height();
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kDiagramBackground);
    DiagramRaster dc(image, kDiagramBackground);
    DrawDiagramControl(dc, centre, southern, width, height, samples);
    return image;
}
