#pragma once
// The picture of the phase diagram control, pixel for pixel: frame, dotted centre line, day and
// value ticks, the Moon curve (blue) and the Sun curve (red) over the four days around centre.
#include <QImage>
#include <QSize>
#include <cstdint>

#include "sheet/diagram_samples.h"

// The control's client area of clientSize pixels; a null image for an empty size. samples keeps
// the curves for the next picture with the same centre, flag and size.
QImage DrawDiagramImage(double centre, int32_t southern, const QSize& clientSize,
                        DiagramSampleCache& samples);
