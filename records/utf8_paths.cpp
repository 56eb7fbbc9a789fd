#include "records/utf8_paths.h"

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef _WIN32
// Never throws, unlike the standard library's conversions: a name that is not UTF-8 gets
// U+FFFD for what is malformed, and the system's own call refuses it later.
std::filesystem::path PathOfUtf8(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
    }
    return std::filesystem::path(wide);
}

std::string Utf8OfPath(const std::filesystem::path& path) {
    return Utf8OfWide(path.native());
}
#else
std::filesystem::path PathOfUtf8(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}
#endif

#ifdef _WIN32

bool WideOfUtf8(std::string_view utf8, std::wstring& wide) {
    wide.clear();
    if (utf8.empty()) {
        return true;
    }
    const int size = static_cast<int>(utf8.size());
    const int units =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (units <= 0) {
        return false;
    }
    wide.resize(static_cast<size_t>(units));
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), units);
    return true;
}

std::string Utf8OfWide(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

#endif
