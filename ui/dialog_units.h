#pragma once
// Dialog units to pixels for the form's font: 4 horizontal units are 6 pixels and 8 vertical
// units 13 pixels at 96 dots per inch, scaled with the screen's logical resolution.
#include <QRect>

// MulDiv: number * numerator / denominator rounded half away from zero.
int MulDiv(int number, int numerator, int denominator);

// Each edge is converted on its own, so the size is the difference of the converted edges.
QRect MapDialogRect(int x, int y, int cx, int cy, int logicalDpi = 96);
int DialogUnitsToPixelsX(int units, int logicalDpi = 96);
int DialogUnitsToPixelsY(int units, int logicalDpi = 96);
