#pragma once
// CSV as the programs write it (RFC 4180, comma-separated unless a spreadsheet wants a semicolon
// or a tab, CR LF line ends), and the spreadsheet dialect of --spreadsheet: the delimiter and
// decimal separator the user's spreadsheet reads numbers with, and text guarded against formulas.
#include <string>
#include <string_view>

// A field: quoted (with doubled quotes) when it holds the delimiter, a quote, a carriage return
// or a line feed, or begins or ends with a blank; else as it is.
void AppendCsvField(std::string& out, std::string_view field, char delimiter = ',');

// The UTF-8 byte-order mark, which tells a spreadsheet the file's encoding.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The separators of a spreadsheet's CSV.
struct SpreadsheetDialect {
    char delimiter = ',';
    char decimal = '.';
};

// The dialect of a spreadsheet under the locale named localeName ("de_DE.UTF-8"): a semicolon
// and a decimal comma for German and French, a comma and a decimal point otherwise. A delimiter
// given (not 0) is taken instead; a semicolon brings the decimal comma, a comma the point, and a
// tab keeps the locale's.
SpreadsheetDialect SpreadsheetDialectFor(std::string_view localeName, char delimiter);
// The same for the locale of numbers the environment names (LC_ALL, else LC_NUMERIC, else LANG).
SpreadsheetDialect SpreadsheetDialectOfEnvironment(char delimiter);

// A text field for a spreadsheet: an apostrophe before a leading '=', '+', '-', '@', tab, carriage
// return or apostrophe, so that no text turns into a formula and the guard can be told from a
// name's own apostrophe; then quoted as AppendCsvField does. Any other text is kept byte for byte.
void AppendGuardedCsvField(std::string& out, std::string_view field, char delimiter);
// The text of such a field before it is quoted: the apostrophe added where it is due.
std::string GuardedText(std::string_view text);
// The text a guarded field came from: without its one guarding apostrophe.
std::string_view UnguardedField(std::string_view field);

// A number in its shortest exact form (empty when not finite) with the dialect's decimal
// separator.
void AppendSpreadsheetNumber(std::string& out, double value, char decimal);
