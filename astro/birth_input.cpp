#include "astro/birth_input.h"

bool NeedsEarlierCenturyQuestion(const BirthInput& in) {
    return in.year < 1900;
}

std::string LastRangeMessage(const BirthInput& in) {
    std::string message;
    if (in.month < 1 || in.month > 12) {
        message = kMsgMonthRange;
    }
    if (in.day < 1 || in.day > 31) {
        message = kMsgDayRange;
    }
    if (in.hour < 0 || in.hour > 24) {
        message = kMsgHourRange;
    }
    if (in.minute < 0 || in.minute > 59) {
        message = kMsgMinuteRange;
    }
    if (in.timeZone > 12 || in.timeZone < -12) {
        message = kMsgTimeZoneRange;
    }
    return message;
}
