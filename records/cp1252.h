#pragma once
// Conversion between UTF-8 (terminal, desktop) and Windows-1252 (store, files).
#include <string>
#include <string_view>

// False when text is not valid UTF-8 or holds a character that Windows-1252 cannot write;
// out is then unspecified.
bool Utf8ToCp1252(std::string_view text, std::string& out);

std::string Cp1252ToUtf8(std::string_view text);

// The Windows-1252 byte of one Unicode character; false when there is none. The five bytes
// that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, so they convert both ways.
bool UnicodeToCp1252(char32_t c, unsigned char& byte);

// Decodes the UTF-8 character at text[i] into c and advances i past it; false, i unchanged,
// on a malformed sequence (overlong forms, surrogates, values beyond U+10FFFF, truncation).
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& c);

// Appends the UTF-8 form of one Unicode character (up to U+10FFFF, not a surrogate).
void AppendUtf8(char32_t c, std::string& out);

// The Unicode character of one Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);
