#pragma once
// Builds a byte string from a list of byte values, for writing expected file contents.
#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}
