// Reading the entries of a compiled message catalogue, as the place list ships its names.
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "tools/mo_file.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

void PutWord(std::string& bytes, std::uint32_t w, bool bigEndian) {
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        bytes.push_back(static_cast<char>((w >> shift) & 0xFF));
    }
}

// A catalogue file as the message compiler writes it (without the hash table).
std::string Catalogue(const Pairs& entries, bool bigEndian = false) {
    const auto n = static_cast<std::uint32_t>(entries.size());
    std::string strings;
    std::vector<std::uint32_t> table; // length, offset for the originals, then the translations
    const std::uint32_t stringsAt = 28 + 16 * n;
    for (const bool translated : {false, true}) {
        for (const auto& [key, value] : entries) {
            const std::string& s = translated ? value : key;
            table.push_back(static_cast<std::uint32_t>(s.size()));
            table.push_back(stringsAt + static_cast<std::uint32_t>(strings.size()));
            strings += s;
            strings.push_back('\0');
        }
    }
    std::string bytes;
    for (const std::uint32_t w : {0x950412deu, 0u, n, 28u, 28 + 8 * n, 0u, 0u}) {
        PutWord(bytes, w, bigEndian);
    }
    for (const std::uint32_t w : table) {
        PutWord(bytes, w, bigEndian);
    }
    return bytes + strings;
}

Pairs Read(const std::string& bytes, bool* ok = nullptr) {
    Pairs seen;
    const bool read = ForEachMoEntry(
        bytes, [&](std::string_view key, std::string_view text) { seen.emplace_back(key, text); });
    if (ok) {
        *ok = read;
    }
    return seen;
}

} // namespace

TEST(MoFileTest, KeysWithTheirTextsInEitherByteOrder) {
    const Pairs entries{{"", "Project-Id-Version: x\n"},
                        {"AT", "Österreich"},
                        {"AT.09", "Wien"},
                        {"2761369", "Wien"},
                        {"3169070", std::string("Roma\0Rome", 9)},
                        {"524901", ""}};
    const Pairs expected{
        {"AT", "Österreich"}, {"AT.09", "Wien"}, {"2761369", "Wien"}, {"3169070", "Roma"}};
    for (const bool bigEndian : {false, true}) {
        bool ok = false;
        EXPECT_EQ(Read(Catalogue(entries, bigEndian), &ok), expected) << bigEndian;
        EXPECT_TRUE(ok);
    }
}

TEST(MoFileTest, DamagedFilesAreRefusedWithoutReadingOutside) {
    const std::string good = Catalogue({{"1", "Eins"}, {"2", "Zwei"}});
    std::string badMagic = good;
    badMagic[0] = 'x';
    std::string pastTheEnd = good;
    pastTheEnd[28 + 8 + 4] = '\x7f'; // the second original's offset
    std::string hugeCount = good;
    hugeCount[8 + 3] = '\x7f';
    const std::string cases[] = {
        "", good.substr(0, 19), badMagic, good.substr(0, good.size() - 6), pastTheEnd, hugeCount};
    for (const std::string& bytes : cases) {
        bool ok = true;
        Read(bytes, &ok);
        EXPECT_FALSE(ok) << bytes.size();
    }
}
