#pragma once
// Conversion between UTF-8 (terminal, desktop) and Windows-1252 (store, files).
#include <string>
#include <string_view>

// False when text is not valid UTF-8 or holds a character that Windows-1252 cannot write;
// out is then unspecified.
bool Utf8ToCp1252(std::string_view text, std::string& out);

std::string Cp1252ToUtf8(std::string_view text);
