#include "app/result_fields.h"

#include "app/birth_input.h"
#include "app/csv_text.h"
#include "app/number_text.h"
#include "app/utc_text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace {

using R = const BirthEvaluation&;
using V = ResultValue&;

// The ISO texts of a lunation's moments, kept per thread for the lunations met lately: the
// births of a file share a few thousand lunations, and each text costs a calendar conversion.
struct LunationTexts {
    PhaseTimes moments{};
    std::array<std::string, std::tuple_size_v<PhaseTimes>> texts;
    bool filled = false;
};

constexpr size_t kKeptLunations = 4096;

void PhaseTexts(const PhaseTimes& moments, std::vector<std::string>& texts) {
    thread_local std::vector<LunationTexts> kept(kKeptLunations);
    uint64_t bits = 0;
    std::memcpy(&bits, &moments[0], sizeof bits);
    LunationTexts& entry = kept[(bits ^ (bits >> 17) ^ (bits >> 34)) % kKeptLunations];
    if (!entry.filled || entry.moments != moments) {
        for (size_t i = 0; i < moments.size(); ++i) {
            entry.texts[i].clear();
            AppendIsoUtcText(entry.texts[i], moments[i]);
        }
        entry.moments = moments;
        entry.filled = true;
    }
    texts.resize(moments.size());
    for (size_t i = 0; i < moments.size(); ++i) {
        texts[i] = entry.texts[i]; // into the storage the value keeps from row to row
    }
}

const ResultField kFields[] = {
    {"julian_date", ResultKind::Number, {}, [](R r, V v) { v.number = r.m_dJulianDate; }},
    {"julian_date_text", ResultKind::Text, TextId::LabelJulian,
     [](R r, V v) { v.text = r.m_strJulianDate; }},
    {"moon_percent", ResultKind::Number, {}, [](R r, V v) { v.number = r.m_dMoonPercent; }},
    {"moon_percent_text", ResultKind::Text, TextId::LabelMoon,
     [](R r, V v) { v.text = r.m_strMoonPercent; }},
    {"sun_percent", ResultKind::Number, {}, [](R r, V v) { v.number = r.m_dSunPercent; }},
    {"sun_percent_text", ResultKind::Text, TextId::LabelSun,
     [](R r, V v) { v.text = r.m_strSunPercent; }},
    {"mondtag_percent", ResultKind::Number, {}, [](R r, V v) { v.number = r.m_dMoonDayPercent; }},
    {"mondtag_percent_text", ResultKind::Text, TextId::LabelMondtag,
     [](R r, V v) { v.text = r.m_strMoonDayPercent; }},
    {"ecart_percent", ResultKind::Number, {}, [](R r, V v) { v.number = r.m_dEcartPercent; }},
    {"ecart_percent_text", ResultKind::Text, TextId::LabelEcart,
     [](R r, V v) { v.text = r.m_strEcartPercent; }},
    {"type", ResultKind::Integer, {}, [](R r, V v) { v.integer = r.m_nType; }},
    {"type_text", ResultKind::Text, TextId::LabelType,
     [](R r, V v) { v.text = BirthTypeName(r.m_nType); }},
    {"type_bitmap", ResultKind::Integer, {}, [](R r, V v) { v.integer = r.m_nTypeBitmap; }},
    {"phases", ResultKind::Numbers, {}, [](R r, V v) { v.numbers = r.m_phases; }},
    // The phase moments as ISO 8601 UTC texts.
    {"phases_utc", ResultKind::Texts, {}, [](R r, V v) { PhaseTexts(r.m_phases, v.texts); }},
    {"last_new_moon", ResultKind::Text, TextId::LabelLastNewMoon,
     [](R r, V v) { v.text = r.m_strLastNewMoon; }},
    {"full_moon", ResultKind::Text, TextId::LabelFullMoon,
     [](R r, V v) { v.text = r.m_strFullMoon; }},
    {"next_new_moon", ResultKind::Text, TextId::LabelNextNewMoon,
     [](R r, V v) { v.text = r.m_strNextNewMoon; }},
    {"birth_moment", ResultKind::Text, TextId::LabelBirth,
     [](R r, V v) { v.text = r.m_strBirthMoment; }},
};

// A result's value, plain or (with sheet) in a spreadsheet's dialect: its decimal separator, and
// texts guarded against formulas.
template <bool kSheet>
void AppendCsvValue(std::string& out, ResultKind kind, const ResultValue& v,
                    const SpreadsheetDialect& d) {
    switch (kind) {
    case ResultKind::Number:
        if constexpr (kSheet) {
            AppendSpreadsheetNumber(out, v.number, d.decimal);
        } else {
            AppendShortestNumber(out, v.number);
        }
        return;
    case ResultKind::Integer:
        AppendInteger(out, v.integer);
        return;
    case ResultKind::Text:
        if constexpr (kSheet) {
            AppendGuardedCsvField(out, v.text, d.delimiter);
        } else {
            AppendCsvField(out, v.text, d.delimiter);
        }
        return;
    case ResultKind::Numbers:
        if constexpr (kSheet) {
            // A list is text to a spreadsheet: a leading minus is guarded like a name's.
            std::string list;
            for (size_t i = 0; i < v.numbers.size(); ++i) {
                if (i > 0) {
                    list.push_back(' ');
                }
                AppendSpreadsheetNumber(list, v.numbers[i], d.decimal);
            }
            AppendGuardedCsvField(out, list, d.delimiter);
        } else {
            for (size_t i = 0; i < v.numbers.size(); ++i) {
                if (i > 0) {
                    out.push_back(' ');
                }
                AppendShortestNumber(out, v.numbers[i]);
            }
        }
        return;
    case ResultKind::Texts:
        // ISO moments: nothing that needs quoting or a guard.
        for (size_t i = 0; i < v.texts.size(); ++i) {
            if (i > 0) {
                out.push_back(' ');
            }
            out += v.texts[i];
        }
        return;
    }
}

template <bool kSheet>
void AppendResults(std::string& out, const BirthEvaluation& r, const SpreadsheetDialect& d) {
    // Kept per thread: its list of texts keeps its storage from row to row.
    thread_local ResultValue value;
    for (const ResultField& field : kFields) {
        field.read(r, value);
        out.push_back(d.delimiter);
        AppendCsvValue<kSheet>(out, field.kind, value, d);
    }
}

void WriteJsonValue(JsonWriter& json, ResultKind kind, const ResultValue& v) {
    switch (kind) {
    case ResultKind::Number:
        json.Number(v.number);
        return;
    case ResultKind::Integer:
        json.Integer(v.integer);
        return;
    case ResultKind::Text:
        json.String(v.text);
        return;
    case ResultKind::Numbers:
        json.Numbers(v.numbers.data(), v.numbers.size());
        return;
    case ResultKind::Texts:
        json.Strings(v.texts.data(), v.texts.size());
        return;
    }
}

} // namespace

std::span<const ResultField> ResultFields() {
    return kFields;
}

void AppendResultCsv(std::string& out, const BirthEvaluation& r, char delimiter) {
    AppendResults<false>(out, r, SpreadsheetDialect{delimiter, '.'});
}

void AppendResultCsv(std::string& out, const BirthEvaluation& r, const SpreadsheetDialect& d) {
    AppendResults<true>(out, r, d);
}

void AppendEmptyResultCsv(std::string& out, char delimiter) {
    out.append(std::size(kFields), delimiter);
}

void AppendResultCsvHeader(std::string& out, char delimiter) {
    for (const ResultField& field : kFields) {
        out.append(1, delimiter).append(field.key);
    }
}

void WriteResultJson(JsonWriter& json, const BirthEvaluation& r) {
    thread_local ResultValue value;
    for (const ResultField& field : kFields) {
        field.read(r, value);
        json.Key(field.key);
        WriteJsonValue(json, field.kind, value);
    }
}

std::string ResultLabelText(const BirthEvaluation& r) {
    std::string out;
    ResultValue value;
    for (const ResultField& field : kFields) {
        if (field.label) {
            field.read(r, value);
            out.append(UserText(*field.label)).append(" : ").append(value.text).append("\n");
        }
    }
    return out;
}

namespace {

struct ZoneUseField {
    const char* key;
    void (*csv)(std::string& out, const ZoneUse& use, char delimiter);
    void (*json)(JsonWriter& json, const ZoneUse& use);
};

const ZoneUseField kZoneUseFields[] = {
    {"resolved_place",
     [](std::string& out, const ZoneUse& u, char d) { AppendCsvField(out, u.place, d); },
     [](JsonWriter& json, const ZoneUse& u) { json.String(u.place); }},
    {"resolved_zone",
     [](std::string& out, const ZoneUse& u, char d) { AppendCsvField(out, u.zone, d); },
     [](JsonWriter& json, const ZoneUse& u) { json.String(u.zone); }},
    {"utc_offset_minutes",
     [](std::string& out, const ZoneUse& u, char) {
         if (u.utcOffsetMinutes) {
             AppendInteger(out, *u.utcOffsetMinutes);
         }
     },
     [](JsonWriter& json, const ZoneUse& u) {
         if (u.utcOffsetMinutes) {
             json.Integer(*u.utcOffsetMinutes);
         } else {
             json.Null();
         }
     }},
};

} // namespace

void AppendZoneUseCsv(std::string& out, const ZoneUse& use, char delimiter) {
    for (const ZoneUseField& field : kZoneUseFields) {
        out.push_back(delimiter);
        field.csv(out, use, delimiter);
    }
}

void AppendZoneUseCsv(std::string& out, const ZoneUse& use, const SpreadsheetDialect& d) {
    out.push_back(d.delimiter);
    AppendGuardedCsvField(out, use.place, d.delimiter);
    out.push_back(d.delimiter);
    AppendGuardedCsvField(out, use.zone, d.delimiter);
    out.push_back(d.delimiter);
    if (use.utcOffsetMinutes) {
        AppendInteger(out, *use.utcOffsetMinutes);
    }
}

void AppendZoneUseCsvHeader(std::string& out, char delimiter) {
    for (const ZoneUseField& field : kZoneUseFields) {
        out.append(1, delimiter).append(field.key);
    }
}

std::vector<std::string_view> ZoneUseKeys() {
    std::vector<std::string_view> keys;
    for (const ZoneUseField& field : kZoneUseFields) {
        keys.emplace_back(field.key);
    }
    return keys;
}

void WriteZoneUseJson(JsonWriter& json, const ZoneUse& use) {
    for (const ZoneUseField& field : kZoneUseFields) {
        json.Key(field.key);
        field.json(json, use);
    }
}
