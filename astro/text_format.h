#pragma once
// Locale-independent number texts with the digits of C's printf: the decimal point is always a
// full stop and nothing is ever truncated.
#include <cstdint>
#include <string>

#include "astro/moment_text.h"

// printf("%.*f", precision, v).
std::string FormatFixed(double v, int precision);

// printf("%d", v).
std::string FormatInt(int32_t v);

// printf("%02d", v).
std::string FormatInt2(int32_t v);

// printf("%f", jd): a Julian date with six decimals.
std::string FormatJulianText(double jd);

// printf("%.2f %%", percent), e.g. "49.98 %".
std::string FormatPercentText(double percent);

// Writers into a caller's buffer, for texts assembled in one piece; each returns the end of what
// it wrote. PutIntText writes at most 11 characters, PutPercentText at most kPercentTextRoom.
inline constexpr int kPercentTextRoom = 330;
char* PutIntText(char* p, int32_t v);
char* PutPercentText(char* p, double percent);

// printf("%d.%d.%d %d:%02dUhr", day, month, year, hour, minute), e.g. "5.7.1999 8:05Uhr".
std::string FormatMomentText(int32_t day, int32_t month, int32_t year, int32_t hour,
                             int32_t minute);
// The same into out.
void AssignMomentText(MomentText& out, int32_t day, int32_t month, int32_t year, int32_t hour,
                      int32_t minute);
