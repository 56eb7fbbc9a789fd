#pragma once
// The results of one evaluated birth as every output names them: the key of the JSON outputs
// and the CSV column, the value, and for the texts the form shows, the form's label. The
// outputs (eval, batch, export, the printed sheet) are written from this one table, in its
// order, so a new result is one more entry.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/csv_text.h"
#include "app/json_writer.h"
#include "app/text_catalogue.h"
#include "astro/birth.h"

// Version of the machine-readable layouts ("format" key); raised when a key changes meaning.
inline constexpr int kOutputFormatVersion = 1;

enum class ResultKind { Number, Integer, Text, Numbers, Texts };

// One result, read from an evaluation; only the member of the field's kind is set.
struct ResultValue {
    double number = 0.0;
    long long integer = 0;
    std::string_view text; // a view into the evaluation or a static text
    std::span<const double> numbers;
    std::vector<std::string> texts;
};

struct ResultField {
    const char* key; // "moon_percent_text"
    ResultKind kind;
    std::optional<TextId> label; // the form's label of a text it shows
    void (*read)(const BirthEvaluation& r, ResultValue& value);
};

// julian_date, julian_date_text, moon_percent, ..., phases, phases_utc, last_new_moon,
// full_moon, next_new_moon, birth_moment.
std::span<const ResultField> ResultFields();

// The delimiter followed by each result's value: numbers in their shortest exact form (empty
// when not finite), a list as its values separated by blanks, texts quoted where CSV needs it.
void AppendResultCsv(std::string& out, const BirthEvaluation& r, char delimiter = ',');
// The same in a spreadsheet's dialect: numbers with its decimal separator, texts guarded against
// formulas (AppendGuardedCsvField).
void AppendResultCsv(std::string& out, const BirthEvaluation& r, const SpreadsheetDialect& d);
// The delimiter for each result, all empty.
void AppendEmptyResultCsv(std::string& out, char delimiter = ',');
// The delimiter followed by each result's key.
void AppendResultCsvHeader(std::string& out, char delimiter = ',');

// The results as keys of the object being written.
void WriteResultJson(JsonWriter& json, const BirthEvaluation& r);

// "label : text" per labelled result, in the form's order.
std::string ResultLabelText(const BirthEvaluation& r);

// Where the time difference of a batch row came from, when a place or zone gave it.
struct ZoneUse {
    std::string place;                   // the place found, as listed
    std::string zone;                    // the zone name
    std::optional<int> utcOffsetMinutes; // local time minus Universal Time, in force there
};

// resolved_place, resolved_zone, utc_offset_minutes: the delimiter and each value (empty when
// unset), the keys, or the keys of the object being written (utc_offset_minutes null when unset).
void AppendZoneUseCsv(std::string& out, const ZoneUse& use, char delimiter = ',');
void AppendZoneUseCsvHeader(std::string& out, char delimiter = ',');
// The values in a spreadsheet's dialect, the place and zone guarded.
void AppendZoneUseCsv(std::string& out, const ZoneUse& use, const SpreadsheetDialect& d);
// The three keys.
std::vector<std::string_view> ZoneUseKeys();
void WriteZoneUseJson(JsonWriter& json, const ZoneUse& use);
