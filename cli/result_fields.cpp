#include "cli/result_fields.h"

#include <array>
#include <charconv>
#include <cmath>

#include "app/birth_input.h"
#include "app/utc_text.h"
#include "astro/text_format.h"

namespace {

// Shortest text that reads back as the same double; empty for a value that is not finite.
void AppendNumber(std::string& out, double v) {
    if (!std::isfinite(v)) {
        return;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    out.append(buffer.data(), result.ptr);
}

} // namespace

const std::vector<std::string>& ResultColumns() {
    static const std::vector<std::string> columns = {
        "julian_date",
        "julian_date_text",
        "moon_percent",
        "moon_percent_text",
        "sun_percent",
        "sun_percent_text",
        "mondtag_percent",
        "mondtag_percent_text",
        "ecart_percent",
        "ecart_percent_text",
        "type",
        "type_text",
        "type_bitmap",
        "phases",
        "phases_utc",
        "last_new_moon",
        "full_moon",
        "next_new_moon",
        "birth_moment",
    };
    return columns;
}

std::vector<std::string> PhasesUtc(const BirthEvaluation& r) {
    std::vector<std::string> texts;
    texts.reserve(r.m_phases.size());
    for (const double jd : r.m_phases) {
        texts.push_back(IsoUtcText(jd));
    }
    return texts;
}

void AppendCsvField(std::string& out, std::string_view field) {
    const bool quote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendResultCsv(std::string& out, const BirthEvaluation& r) {
    const auto number = [&](double v) {
        out.push_back(',');
        AppendNumber(out, v);
    };
    // The texts never need quoting: digits, blanks inside, '.', ':', '%' and letters.
    const auto text = [&](const std::string& t) {
        out.push_back(',');
        AppendCsvField(out, t);
    };
    number(r.m_dJulianDate);
    text(r.m_strJulianDate);
    number(r.m_dMoonPercent);
    text(r.m_strMoonPercent);
    number(r.m_dSunPercent);
    text(r.m_strSunPercent);
    number(r.m_dMoonDayPercent);
    text(r.m_strMoonDayPercent);
    number(r.m_dEcartPercent);
    text(r.m_strEcartPercent);
    out.push_back(',');
    out.append(FormatInt(r.m_nType));
    text(BirthTypeName(r.m_nType));
    out.push_back(',');
    out.append(FormatInt(r.m_nTypeBitmap));
    out.push_back(',');
    for (size_t i = 0; i < r.m_phases.size(); ++i) {
        if (i > 0) {
            out.push_back(' ');
        }
        AppendNumber(out, r.m_phases[i]);
    }
    out.push_back(',');
    for (size_t i = 0; i < r.m_phases.size(); ++i) {
        if (i > 0) {
            out.push_back(' ');
        }
        out.append(IsoUtcText(r.m_phases[i]));
    }
    text(r.m_strLastNewMoon);
    text(r.m_strFullMoon);
    text(r.m_strNextNewMoon);
    text(r.m_strBirthMoment);
}

void AppendEmptyResultCsv(std::string& out) {
    out.append(ResultColumns().size(), ',');
}

void WriteResultJson(JsonRowWriter& row, const BirthEvaluation& r) {
    row.Number("julian_date", r.m_dJulianDate);
    row.String("julian_date_text", r.m_strJulianDate);
    row.Number("moon_percent", r.m_dMoonPercent);
    row.String("moon_percent_text", r.m_strMoonPercent);
    row.Number("sun_percent", r.m_dSunPercent);
    row.String("sun_percent_text", r.m_strSunPercent);
    row.Number("mondtag_percent", r.m_dMoonDayPercent);
    row.String("mondtag_percent_text", r.m_strMoonDayPercent);
    row.Number("ecart_percent", r.m_dEcartPercent);
    row.String("ecart_percent_text", r.m_strEcartPercent);
    row.Integer("type", r.m_nType);
    row.String("type_text", BirthTypeName(r.m_nType));
    row.Integer("type_bitmap", r.m_nTypeBitmap);
    row.NumberArray("phases", r.m_phases.data(), r.m_phases.size());
    const std::vector<std::string> utc = PhasesUtc(r);
    row.StringArray("phases_utc", utc.data(), utc.size());
    row.String("last_new_moon", r.m_strLastNewMoon);
    row.String("full_moon", r.m_strFullMoon);
    row.String("next_new_moon", r.m_strNextNewMoon);
    row.String("birth_moment", r.m_strBirthMoment);
}
