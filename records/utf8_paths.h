#pragma once
// Paths are UTF-8 strings everywhere in the program, whatever the system's own code page; these
// turn them into what the system and the standard library take, and back.
#include <filesystem>
#include <string>
#include <string_view>

// A path of the standard library from UTF-8, and its UTF-8 spelling (never the code page's).
std::filesystem::path PathOfUtf8(std::string_view utf8);
std::string Utf8OfPath(const std::filesystem::path& path);

#ifdef _WIN32
// UTF-16 for the system's wide calls; false when utf8 is not UTF-8.
bool WideOfUtf8(std::string_view utf8, std::wstring& wide);
// UTF-8 of what the system gives; an unpaired surrogate becomes U+FFFD.
std::string Utf8OfWide(std::wstring_view wide);
#endif
