#include "records/export_text.h"

#include <charconv>
#include <system_error>

#include "astro/birth.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/vector_state.h"

namespace {

const char* const kHeader = "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n";

// Decimal text without the process locale having any say.
void AppendInt(std::string& out, int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// The equivalent of "%.2f".
void AppendFixed2(std::string& out, double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec == std::errc()) {
        out.append(buffer, result.ptr);
    }
}

// "%d.%d.%d %d:%d Uhr " of the values as entered.
void AppendBirthMoment(std::string& out, const VXDateStore& r) {
    AppendInt(out, r.m_nDay);
    out.push_back('.');
    AppendInt(out, r.m_nMonth);
    out.push_back('.');
    AppendInt(out, r.m_nYear);
    out.push_back(' ');
    AppendInt(out, r.m_nHour);
    out.push_back(':');
    AppendInt(out, r.m_nMinute);
    out.append(" Uhr ");
}

void AppendRecordLine(std::string& out, const std::string& name, const VXDateStore& r) {
    out.append(name);
    out.push_back('\t');
    if (!IsEvaluableBirth(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone)) {
        // Values the engine cannot evaluate: the moment as entered, the rest left empty.
        out.push_back('\t');
        AppendBirthMoment(out, r);
        out.append("\t\t\n");
        return;
    }
    const double jd =
        BirthJulianDate(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone);
    // Each quantity computed once; the classification reuses the fractions.
    const double moonFraction = MoonIllumination(jd);
    const double sunPhase = SunPhase(jd, r.m_bSouthern);
    const double moon = moonFraction * 100.0;
    const double sun = sunPhase * 100.0;
    const BirthType type =
        ClassifyPhases(sunPhase, moonFraction, UndeterminedZone(jd, r.m_bConstZone));
    out.append(BirthTypeText(type));
    out.push_back('\t');
    AppendBirthMoment(out, r);
    out.append("\t ");
    AppendFixed2(out, moon);
    out.append(" %\t");
    AppendFixed2(out, sun);
    out.append(" %\n");
}

} // namespace

std::string CopyAllText(const DateStoreMap& store) {
    ClearUpperVectorState();
    std::string text = kHeader;
    std::string name;
    VXDateStore record;
    DateStoreMap::Position pos = store.GetStartPosition();
    while (pos != nullptr) {
        store.GetNextAssoc(pos, name, record);
        AppendRecordLine(text, name, record);
    }
    return text;
}

std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun) {
    std::string text;
    text.reserve(name.size() + type.size() + moon.size() + sun.size() + 3);
    text.append(name).append("\t").append(type).append("\t").append(moon).append("\t").append(sun);
    return text;
}
