#pragma once
// CSV as the programs write it (RFC 4180, comma-separated, CR LF line ends).
#include <string>
#include <string_view>

// A field: quoted (with doubled quotes) when it holds a comma, a quote, a carriage return or a
// line feed, or begins or ends with a blank; else as it is.
void AppendCsvField(std::string& out, std::string_view field);
