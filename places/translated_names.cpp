#include "places/translated_names.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <libintl.h>
#include <string>
#include <system_error>
#include <vector>

namespace places {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;

std::uint32_t Word(std::string_view bytes, std::size_t at, bool swapped) {
    std::uint32_t w = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const auto b = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
        w |= swapped ? b << (8 * (3 - i)) : b << (8 * i);
    }
    return w;
}

// The string described by the table entry at `at` (length, then offset), or nothing when it
// points outside the file.
bool TableString(std::string_view bytes, std::size_t at, bool swapped, std::string_view& out) {
    if (at > bytes.size() || bytes.size() - at < 8) {
        return false;
    }
    const std::size_t length = Word(bytes, at, swapped);
    const std::size_t offset = Word(bytes, at + 4, swapped);
    if (offset > bytes.size() || bytes.size() - offset < length) {
        return false;
    }
    out = bytes.substr(offset, length);
    return true;
}

bool IsPlaceNumber(std::string_view key) {
    return !key.empty() &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

bool ForEachCatalogueEntry(
    std::string_view bytes,
    const std::function<void(std::string_view number, std::string_view name)>& visit) {
    if (bytes.size() < 20) {
        return false;
    }
    const std::uint32_t magic = Word(bytes, 0, false);
    if (magic != kMagic && magic != kSwappedMagic) {
        return false;
    }
    const bool swapped = magic == kSwappedMagic;
    const std::size_t count = Word(bytes, 8, swapped);
    const std::size_t originals = Word(bytes, 12, swapped);
    const std::size_t translations = Word(bytes, 16, swapped);
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view key;
        std::string_view value;
        if (!TableString(bytes, originals + 8 * i, swapped, key) ||
            !TableString(bytes, translations + 8 * i, swapped, value)) {
            return false;
        }
        // A translation with plural forms holds them separated by zeros: the first is the name.
        value = value.substr(0, value.find('\0'));
        if (IsPlaceNumber(key) && !value.empty()) {
            visit(key, value);
        }
    }
    return true;
}

void ForEachTranslatedName(
    const std::function<void(std::string_view number, std::string_view name)>& visit) {
    const char* bound = bindtextdomain("geonames", nullptr);
    const std::filesystem::path root = bound ? bound : "/usr/share/locale";
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        std::filesystem::path file = it->path() / "LC_MESSAGES" / "geonames.mo";
        if (std::filesystem::is_regular_file(file, error)) {
            files.push_back(std::move(file));
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        ForEachCatalogueEntry(ReadFile(file), visit);
    }
}

} // namespace places
