#pragma once
// CSV as the programs write it (RFC 4180, comma-separated unless a spreadsheet wants a semicolon
// or a tab, CR LF line ends).
#include <string>
#include <string_view>

// A field: quoted (with doubled quotes) when it holds the delimiter, a quote, a carriage return
// or a line feed, or begins or ends with a blank; else as it is.
void AppendCsvField(std::string& out, std::string_view field, char delimiter = ',');

// The UTF-8 byte-order mark, which tells a spreadsheet the file's encoding.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
