#pragma once
// The phase diagram as a stand-alone SVG document, written as text on every platform.
#include <string>

#include "sheet/diagram_geometry.h"

// g as an SVG document of g's size: a white background, the frame and the grid in black (the grid
// dotted), the Moon curve (id "moon") in blue and the Sun curve (id "sun") in red.
std::string DiagramSvg(const DiagramGeometry& g);
