#pragma once
// Strict parsing of integer command-line arguments.
#include <cstdint>
#include <optional>
#include <string>

// A decimal integer with optional sign and nothing else, within the 32-bit range.
std::optional<int32_t> ParseInt32(const std::string& text);

// True when text reads as a (possibly negative) number, so it is a value, not an option.
bool LooksNumeric(const std::string& text);
