#pragma once
// The colours the diagram tests look for, and the birth moment most of them draw.
#include <QColor>

namespace diagram_test {

inline constexpr QRgb kWhite = 0xffffffffu;
inline constexpr QRgb kBlack = 0xff000000u;
inline constexpr QRgb kBlue = 0xff0000ffu;
inline constexpr QRgb kRed = 0xffff0000u;
inline constexpr QRgb kGrey = 0xff808080u;
inline constexpr QRgb kSilver = 0xffc0c0c0u;

inline constexpr double kBirthJD = 2451623.791667; // 20.3.2000 9:00 UT, Moon 99.99 %, Sun 49.98 %

} // namespace diagram_test
