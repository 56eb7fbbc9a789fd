#include "tools/mo_file.h"

#include <cstddef>
#include <cstdint>

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

} // namespace

bool ForEachMoEntry(std::string_view bytes,
                    const std::function<void(std::string_view key, std::string_view text)>& visit) {
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
        std::string_view text;
        if (!TableString(bytes, originals + 8 * i, swapped, key) ||
            !TableString(bytes, translations + 8 * i, swapped, text)) {
            return false;
        }
        text = text.substr(0, text.find('\0'));
        if (!key.empty() && !text.empty()) {
            visit(key, text);
        }
    }
    return true;
}
