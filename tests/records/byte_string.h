#pragma once
// Builds a byte string from a list of byte values, for writing expected file contents.
#include <initializer_list>
#include <string>
#include <string_view>

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// UTF-16 units as a file holds them: two bytes each, low byte first.
inline std::string UnitBytes(std::u16string_view units) {
    std::string out;
    for (const char16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

// A wide name of fewer than 255 units as a file holds it: the wide marker, a one-byte length,
// the units.
inline std::string WideNameBytes(std::u16string_view units) {
    return Bytes({0xFF, 0xFE, 0xFF, static_cast<int>(units.size())}) + UnitBytes(units);
}
