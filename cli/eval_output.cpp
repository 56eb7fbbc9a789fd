#include "cli/eval_output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/birth_input.h"
#include "app/text_catalogue.h"
#include "astro/text_format.h"
#include "cli/result_fields.h"

namespace {

std::string JsonNumber(double v) {
    if (!std::isfinite(v)) {
        return "null";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::general, 17);
    return std::string(buffer.data(), result.ptr);
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                std::array<char, 8> hex{};
                std::snprintf(hex.data(), hex.size(), "\\u%04x", static_cast<unsigned>(c));
                out += hex.data();
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

void Line(std::string& out, TextId label, const std::string& text) {
    out += UserText(label);
    out += " : ";
    out += text;
    out += '\n';
}

void Key(std::string& out, const char* key, const std::string& value, bool last = false) {
    out += "  \"";
    out += key;
    out += "\": ";
    out += value;
    out += last ? "\n" : ",\n";
}

} // namespace

std::string EvalText(const BirthEvaluation& r) {
    std::string out;
    Line(out, TextId::LabelJulian, r.m_strJulianDate);
    Line(out, TextId::LabelMoon, r.m_strMoonPercent);
    Line(out, TextId::LabelSun, r.m_strSunPercent);
    Line(out, TextId::LabelMondtag, r.m_strMoonDayPercent);
    Line(out, TextId::LabelEcart, r.m_strEcartPercent);
    Line(out, TextId::LabelType, BirthTypeName(r.m_nType));
    Line(out, TextId::LabelLastNewMoon, r.m_strLastNewMoon);
    Line(out, TextId::LabelFullMoon, r.m_strFullMoon);
    Line(out, TextId::LabelNextNewMoon, r.m_strNextNewMoon);
    Line(out, TextId::LabelBirth, r.m_strBirthMoment);
    return out;
}

std::string EvalJson(const BirthEvaluation& r, const std::string& timeZone) {
    std::string phases = "[";
    for (size_t i = 0; i < r.m_phases.size(); ++i) {
        phases += i == 0 ? "" : ", ";
        phases += JsonNumber(r.m_phases[i]);
    }
    phases += "]";
    std::string phasesUtc = "[";
    for (const std::string& text : PhasesUtc(r)) {
        phasesUtc += phasesUtc.size() > 1 ? ", " : "";
        phasesUtc += JsonString(text);
    }
    phasesUtc += "]";

    std::string out = "{\n";
    Key(out, "format", FormatInt(kOutputFormatVersion));
    Key(out, "julian_date", JsonNumber(r.m_dJulianDate));
    Key(out, "julian_date_text", JsonString(r.m_strJulianDate));
    Key(out, "moon_percent", JsonNumber(r.m_dMoonPercent));
    Key(out, "moon_percent_text", JsonString(r.m_strMoonPercent));
    Key(out, "sun_percent", JsonNumber(r.m_dSunPercent));
    Key(out, "sun_percent_text", JsonString(r.m_strSunPercent));
    Key(out, "mondtag_percent", JsonNumber(r.m_dMoonDayPercent));
    Key(out, "mondtag_percent_text", JsonString(r.m_strMoonDayPercent));
    Key(out, "ecart_percent", JsonNumber(r.m_dEcartPercent));
    Key(out, "ecart_percent_text", JsonString(r.m_strEcartPercent));
    Key(out, "type", FormatInt(r.m_nType));
    Key(out, "type_text", JsonString(BirthTypeName(r.m_nType)));
    Key(out, "type_bitmap", FormatInt(r.m_nTypeBitmap));
    Key(out, "phases", phases);
    Key(out, "phases_utc", phasesUtc);
    Key(out, "last_new_moon", JsonString(r.m_strLastNewMoon));
    Key(out, "full_moon", JsonString(r.m_strFullMoon));
    Key(out, "next_new_moon", JsonString(r.m_strNextNewMoon));
    Key(out, "birth_moment", JsonString(r.m_strBirthMoment), timeZone.empty());
    if (!timeZone.empty()) {
        Key(out, "time_zone", timeZone, true);
    }
    out += "}\n";
    return out;
}
