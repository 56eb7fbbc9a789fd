#pragma once
// One person's birth moment as entered on the form. The name is the key in the store.
#include <cstdint>

struct VXDateStore {
    int32_t m_nYear = 0;
    int32_t m_nMonth = 0;
    int32_t m_nDay = 0;
    int32_t m_nHour = 0;
    int32_t m_nMinute = 0;
    int32_t m_bSouthern = 0;
    int32_t m_bConstZone = 0;
    int32_t m_nTimeZone = 0;

    VXDateStore() = default;
    VXDateStore(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                int32_t southern, int32_t constZone, int32_t timeZone)
        : m_nYear(year), m_nMonth(month), m_nDay(day), m_nHour(hour), m_nMinute(minute),
          m_bSouthern(southern), m_bConstZone(constZone), m_nTimeZone(timeZone) {}

    bool operator==(const VXDateStore&) const = default;
};
