#pragma once
// The evaluated fields of one birth in the machine-readable outputs (eval --json, batch, export
// --format csv|jsonl), under the names of eval --json, and the CSV quoting they share.
#include <string>
#include <string_view>
#include <vector>

#include "astro/birth.h"
#include "cli/json_row.h"

// Version of the machine-readable layouts ("format" key); raised when a key changes meaning.
inline constexpr int kOutputFormatVersion = 1;

// The result columns in order: julian_date, julian_date_text, ..., phases, phases_utc,
// last_new_moon, full_moon, next_new_moon, birth_moment.
const std::vector<std::string>& ResultColumns();

// The five phase moments as ISO 8601 UTC texts.
std::vector<std::string> PhasesUtc(const BirthEvaluation& r);

// A field of RFC 4180 CSV: quoted (with doubled quotes) when it holds a comma, a quote, a
// carriage return or a line feed, or begins or ends with a blank; else as it is.
void AppendCsvField(std::string& out, std::string_view field);

// "," followed by each result column's value: numbers in their shortest exact form, phases and
// phases_utc as five values separated by blanks.
void AppendResultCsv(std::string& out, const BirthEvaluation& r);
// "," for each result column, all empty.
void AppendEmptyResultCsv(std::string& out);

// The result keys written into a JSON row, in column order.
void WriteResultJson(JsonRowWriter& row, const BirthEvaluation& r);
