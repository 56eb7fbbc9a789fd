#pragma once
// The phase diagram drawn for paper and files: as vectors with a painter (sheets, enlarged
// pictures), as an SVG document, and as the control's own picture.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <cstdint>
#include <string>

#include "sheet/diagram_geometry.h"
#include "sheet/diagram_svg.h"

class QPainter;

// Draws g into target (scaled to fill it); lines are penWidth diagram units wide.
void PaintDiagram(QPainter& painter, const QRectF& target, const DiagramGeometry& g,
                  double penWidth = 1.0);

// The diagram as a picture of the control scale times enlarged. Scale 1 is the control itself,
// pixel for pixel what the window shows; larger scales draw the same lines as vectors.
QImage DiagramPicture(double centre, int32_t southern, int scale);

// The diagram of a control of size (in its own pixels) as vectors on a picture of ratio times as
// many pixels each way (rounded up), for a screen of that device pixel ratio: the same lines as
// DiagramPicture at that scale, one control pixel wide, the pixels of DiagramBitmapAt
// (sheet/diagram_bitmap.h). The picture carries the ratio.
QImage DiagramPictureAt(double centre, int32_t southern, const QSize& size, double ratio);

// The picture as PNG file contents; empty when it cannot be encoded.
QByteArray PngBytes(const QImage& image);
