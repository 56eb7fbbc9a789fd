#include "ui/dialog_units.h"

#include <cstdint>

namespace {

constexpr int kBaseDpi = 96;
constexpr int kCharWidth = 6;   // pixels per 4 horizontal units at 96 dpi
constexpr int kCharHeight = 13; // pixels per 8 vertical units at 96 dpi

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t p = product < 0 ? -product : product;
    const int64_t d = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    const int64_t q = (p + d / 2) / d;
    return static_cast<int>(negative ? -q : q);
}

int DialogUnitsToPixelsX(int units, int logicalDpi) {
    return MulDiv(units, kCharWidth * logicalDpi, 4 * kBaseDpi);
}

int DialogUnitsToPixelsY(int units, int logicalDpi) {
    return MulDiv(units, kCharHeight * logicalDpi, 8 * kBaseDpi);
}

QRect MapDialogRect(int x, int y, int cx, int cy, int logicalDpi) {
    const int left = DialogUnitsToPixelsX(x, logicalDpi);
    const int top = DialogUnitsToPixelsY(y, logicalDpi);
    const int right = DialogUnitsToPixelsX(x + cx, logicalDpi);
    const int bottom = DialogUnitsToPixelsY(y + cy, logicalDpi);
    return QRect(left, top, right - left, bottom - top);
}
