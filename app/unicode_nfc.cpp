#include "app/unicode_nfc.h"

#ifdef _WIN32
#include <windows.h>

#include "records/utf8_paths.h"
#else
#include <cstdlib>

#include <utf8proc.h>
#endif

#ifdef _WIN32
std::string ComposedNfc(std::string_view utf8) {
    std::wstring wide;
    if (!WideOfUtf8(utf8, wide) || wide.empty()) {
        return std::string(utf8);
    }
    const int size = static_cast<int>(wide.size());
    // The estimate may be short; the system then says how much it needs.
    int room = ::NormalizeString(NormalizationC, wide.data(), size, nullptr, 0);
    for (int attempt = 0; attempt < 4 && room > 0; ++attempt) {
        std::wstring composed(static_cast<size_t>(room), L'\0');
        const int length =
            ::NormalizeString(NormalizationC, wide.data(), size, composed.data(), room);
        if (length > 0) {
            composed.resize(static_cast<size_t>(length));
            return Utf8OfWide(composed);
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        room = -length;
    }
    return std::string(utf8);
}
#else
std::string ComposedNfc(std::string_view utf8) {
    utf8proc_uint8_t* mapped = nullptr;
    const utf8proc_ssize_t size =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(utf8.data()),
                     static_cast<utf8proc_ssize_t>(utf8.size()), &mapped,
                     static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (size < 0) {
        return std::string(utf8);
    }
    std::string normal(reinterpret_cast<const char*>(mapped), static_cast<size_t>(size));
    std::free(mapped);
    return normal;
}
#endif
