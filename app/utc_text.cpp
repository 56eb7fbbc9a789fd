#include "app/utc_text.h"

#include <cstdio>
#include <cstdlib>

#include "astro/calendar.h"

std::string IsoUtcText(double jd) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CalendarDate(jd, year, month, day);
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    TimeOfDay(jd, hour, minute, second);
    const char* sign = year < 0 ? "-" : (year > 9999 ? "+" : "");
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%04ld-%02d-%02dT%02d:%02d:%02dZ", sign,
                  std::labs(static_cast<long>(year)), static_cast<int>(month),
                  static_cast<int>(day), static_cast<int>(hour), static_cast<int>(minute),
                  static_cast<int>(second));
    return buffer;
}
