#include "app/birth_input.h"

#include <algorithm>
#include <array>

#include "app/text_catalogue.h"
#include "astro/moon.h"
#include "astro/sun.h"

VXDateStore ToRecord(const BirthInput& in) {
    return VXDateStore(in.year, in.month, in.day, in.hour, in.minute, in.southern ? 1 : 0,
                       in.constZone ? 1 : 0, in.timeZone);
}

BirthInput FromRecord(const VXDateStore& record) {
    BirthInput in;
    in.day = record.m_nDay;
    in.month = record.m_nMonth;
    in.year = record.m_nYear;
    in.hour = record.m_nHour;
    in.minute = record.m_nMinute;
    in.timeZone = record.m_nTimeZone;
    in.southern = record.m_bSouthern != 0;
    in.constZone = record.m_bConstZone != 0;
    return in;
}

BirthEvaluation Evaluate(const BirthInput& in) {
    return EvaluateBirth(in.day, in.month, in.year, in.hour, in.minute, in.timeZone,
                         in.southern ? 1 : 0, in.constZone ? 1 : 0);
}

void EvaluateInto(const BirthInput& in, BirthEvaluation& out) {
    EvaluateBirthInto(out, in.day, in.month, in.year, in.hour, in.minute, in.timeZone,
                      in.southern ? 1 : 0, in.constZone ? 1 : 0);
}

bool CanEvaluate(const VXDateStore& r) {
    return IsEvaluableBirth(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone);
}

BirthEvaluation EvaluateRecord(const VXDateStore& r) {
    return EvaluateBirth(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone,
                         r.m_bSouthern, r.m_bConstZone);
}

RecordMoment EvaluateRecordMoment(const VXDateStore& r) {
    const VXDateStore* const records[1] = {&r};
    RecordMoment m;
    EvaluateRecordMoments(records, 1, &m);
    return m;
}

void EvaluateRecordMoments(const VXDateStore* const* records, size_t count, RecordMoment* out) {
    constexpr size_t kGroup = 16;
    std::array<double, kGroup> jd;
    std::array<double, kGroup> moon;
    for (size_t first = 0; first < count; first += kGroup) {
        const size_t n = std::min(kGroup, count - first);
        for (size_t i = 0; i < n; ++i) {
            const VXDateStore& r = *records[first + i];
            jd[i] = BirthJulianDate(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute,
                                    r.m_nTimeZone);
        }
        MoonIlluminations(jd.data(), moon.data(), n);
        for (size_t i = 0; i < n; ++i) {
            const VXDateStore& r = *records[first + i];
            RecordMoment& m = out[first + i];
            m.moonFraction = moon[i];
            m.sunPhase = SunPhase(jd[i], r.m_bSouthern);
            m.type = ClassifyMoment(jd[i], m.sunPhase, m.moonFraction, r.m_bConstZone);
        }
    }
}

const char* BirthTypeName(int32_t type) {
    switch (type) {
    case Solar:
        return UserText(TextId::TypeSolar);
    case Lunar:
        return UserText(TextId::TypeLunar);
    case Fragezeichen:
        return UserText(TextId::TypeFragezeichen);
    default:
        return "";
    }
}

void EvaluateRecordInto(const VXDateStore& r, BirthEvaluation& out) {
    EvaluateBirthInto(out, r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone,
                      r.m_bSouthern, r.m_bConstZone);
}
