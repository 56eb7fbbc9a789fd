#include "app/csv_text.h"

#include <cstdlib>

#include "app/number_text.h"

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
    bool quote = !field.empty() && (field.front() == ' ' || field.back() == ' ');
    for (size_t i = 0; i < field.size() && !quote; ++i) {
        const char c = field[i];
        quote = c == delimiter || c == '"' || c == '\r' || c == '\n';
    }
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

namespace {

// Whether a spreadsheet would act on a text that begins with c, or c is the guard itself.
bool Guarded(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r' || c == '\'';
}

// Whether the locale's language writes numbers with a decimal comma: "de", "de_AT.UTF-8",
// "fr_FR@euro".
bool DecimalCommaLocale(std::string_view name) {
    for (const std::string_view language : {"de", "fr"}) {
        if (name.starts_with(language) &&
            (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@')) {
            return true;
        }
    }
    return false;
}

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

SpreadsheetDialect SpreadsheetDialectFor(std::string_view localeName, char delimiter) {
    const bool comma = DecimalCommaLocale(localeName);
    switch (delimiter) {
    case ';':
        return {';', ','};
    case ',':
        return {',', '.'};
    case 0:
        return comma ? SpreadsheetDialect{';', ','} : SpreadsheetDialect{',', '.'};
    default:
        return {delimiter, comma ? ',' : '.'};
    }
}

SpreadsheetDialect SpreadsheetDialectOfEnvironment(char delimiter) {
    const char* name = NonEmptyEnv("LC_ALL");
    name = name != nullptr ? name : NonEmptyEnv("LC_NUMERIC");
    name = name != nullptr ? name : NonEmptyEnv("LANG");
    return SpreadsheetDialectFor(name != nullptr ? name : "", delimiter);
}

std::string GuardedText(std::string_view text) {
    std::string guarded;
    if (!text.empty() && Guarded(text.front())) {
        guarded.reserve(text.size() + 1);
        guarded.push_back('\'');
    }
    guarded.append(text);
    return guarded;
}

void AppendGuardedCsvField(std::string& out, std::string_view field, char delimiter) {
    if (field.empty() || !Guarded(field.front())) {
        AppendCsvField(out, field, delimiter);
    } else {
        AppendCsvField(out, GuardedText(field), delimiter);
    }
}

std::string_view UnguardedField(std::string_view field) {
    if (field.size() >= 2 && field.front() == '\'' && Guarded(field[1])) {
        field.remove_prefix(1);
    }
    return field;
}

void AppendSpreadsheetNumber(std::string& out, double value, char decimal) {
    const size_t start = out.size();
    AppendShortestNumber(out, value);
    if (decimal != '.') {
        for (size_t i = start; i < out.size(); ++i) {
            if (out[i] == '.') {
                out[i] = decimal;
            }
        }
    }
}
