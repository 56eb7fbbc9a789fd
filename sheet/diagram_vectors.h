#pragma once
// The diagram's lines drawn as vectors into a buffer of pixels, anti-aliased, by rules of our own
// that give the same pixels on every platform: a picture of the diagram larger than the control
// (a screen of more pixels than the control's, an enlarged picture for a file).
#include "sheet/diagram_geometry.h"
#include "sheet/diagram_pixels.h"

// Draws g, ratio device pixels to a unit of g, into buffer: a white ground, then every stroke in
// its colour, penWidth units wide, the curves and the frame with round ends and joins, the grid
// with flat ends and dotted (one unit lit, one left out, from its first point). A pixel takes as
// much of a stroke's colour as the stroke covers of it (measured from the pixel's centre).
void DrawDiagramVectors(const DiagramPixelBuffer& buffer, const DiagramGeometry& g, double ratio,
                        double penWidth = 1.0);
