#pragma once
// Numbers as text, both ways, alike in every program: the integer rule of the form's fields,
// the command-line arguments and the CSV fields, and the one form of a double in every
// machine-readable output.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A decimal integer with an optional sign, blanks (space, tab, line ends) allowed around it,
// within the 32-bit range; nothing for anything else, an empty or blank text included.
std::optional<int32_t> ParseInteger(std::string_view text);

// The shortest text that reads back as the same double ("0.1", "2451545", "1e-300"); nothing
// is appended for a value that is not finite.
void AppendShortestNumber(std::string& out, double value);

// The decimal digits of value, as std::to_string gives them, appended to out.
void AppendInteger(std::string& out, long long value);
