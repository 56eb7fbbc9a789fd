#include "app/export_text.h"

#include "app/birth_input.h"
#include "app/record_commands.h"
#include "astro/birth.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/text_format.h"

namespace {

const char* const kHeader = "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n";

// "%d.%d.%d %d:%d Uhr " of the values as entered.
void AppendBirthMoment(std::string& out, const VXDateStore& r) {
    out.append(FormatInt(r.m_nDay)).append(".");
    out.append(FormatInt(r.m_nMonth)).append(".");
    out.append(FormatInt(r.m_nYear)).append(" ");
    out.append(FormatInt(r.m_nHour)).append(":");
    out.append(FormatInt(r.m_nMinute)).append(" Uhr ");
}

void AppendRecordLine(std::string& out, const std::string& key, const VXDateStore& r) {
    out.append(NameOfKey(key));
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
    const double moon = MoonIllumination(jd) * 100.0;
    const double sun = SunPhase(jd, r.m_bSouthern) * 100.0;
    const BirthType type = ClassifyBirth(jd, r.m_bConstZone, r.m_bSouthern);
    out.append(BirthTypeName(type));
    out.push_back('\t');
    AppendBirthMoment(out, r);
    out.append("\t ");
    out.append(FormatPercentText(moon));
    out.push_back('\t');
    out.append(FormatPercentText(sun));
    out.push_back('\n');
}

} // namespace

std::string CopyAllText(const DateStoreMap& store) {
    std::string text = kHeader;
    for (const auto& entry : store) {
        AppendRecordLine(text, entry.name, entry.record);
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
