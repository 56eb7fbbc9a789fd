#pragma once
// Unicode normalisation form C, from the system where it offers one and from utf8proc where it
// does not: one function for both programs on every platform.
#include <string>
#include <string_view>

// The NFC of valid UTF-8 text (text that is not UTF-8 comes back as it is).
std::string ComposedNfc(std::string_view utf8);
