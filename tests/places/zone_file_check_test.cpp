// Zone data the zone history may be read from: well-formed files pass, and every file that is
// damaged, would make a reader over-allocate or wait is refused; the zones a folder lists.
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "places/zone_file_check.h"
#include "tests/places/zone_fixture.h"

using places::CheckZoneBytes;
using places::CheckZoneFile;
using places::ZoneFileRules;
using places::ZoneFileState;
using namespace zone_fixture;

namespace {

ZoneSpec With(const std::function<void(ZoneSpec&)>& change) {
    ZoneSpec z;
    change(z);
    return z;
}

struct BytesCase {
    const char* what;
    std::string bytes;
    ZoneFileState expected;
    ZoneFileRules rules = {};
};

} // namespace

TEST(ZoneFileCheckTest, ContentsOfFiles) {
    const std::string sound = ZoneFile();
    const size_t second = SecondHeader();
    const ZoneSpec withLeaps = With([](ZoneSpec& z) { z.leaps = {{78796800, 1}, {94694401, 2}}; });
    const BytesCase cases[] = {
        {"well formed", sound, ZoneFileState::Sound},
        {"version 1 only", ZoneFile({}, '\0'), ZoneFileState::Sound},
        {"no transitions, one type", ZoneFile(With([](ZoneSpec& z) {
             z.times.clear();
             z.indices.clear();
         })),
         ZoneFileState::Sound},
        {"no flags", ZoneFile(With([](ZoneSpec& z) { z.flags = false; })), ZoneFileState::Sound},
        {"empty", "", ZoneFileState::Damaged},
        {"truncated in the header", sound.substr(0, 20), ZoneFileState::Damaged},
        {"truncated after the first block", sound.substr(0, second), ZoneFileState::Damaged},
        {"truncated in the second block", sound.substr(0, sound.size() - 40),
         ZoneFileState::Damaged},
        {"random", RandomBytes(2000, 1), ZoneFileState::Damaged},
        {"random after the magic", "TZif2" + RandomBytes(2000, 2), ZoneFileState::Damaged},
        {"wrong magic", "TZiF" + sound.substr(4), ZoneFileState::Damaged},
        {"unknown version", sound.substr(0, 4) + "1" + sound.substr(5), ZoneFileState::Damaged},
        {"second header of another version",
         sound.substr(0, second + 4) + "3" + sound.substr(second + 5), ZoneFileState::Damaged},
        {"type index beyond the types", ZoneFile(With([](ZoneSpec& z) {
             z.indices = {1, 0, 2};
         })),
         ZoneFileState::Damaged},
        {"abbreviation beyond the characters",
         ZoneFile(With([](ZoneSpec& z) { z.types[1].abbreviation = 9; })), ZoneFileState::Damaged},
        {"transitions out of order", ZoneFile(With([](ZoneSpec& z) {
             z.times = {0, -1000000000, 1000000000};
         })),
         ZoneFileState::Damaged},
        {"repeated transition", ZoneFile(With([](ZoneSpec& z) {
             z.times = {0, 0, 1};
         })),
         ZoneFileState::Damaged},
        {"no types", ZoneFile(With([](ZoneSpec& z) {
             z.times.clear();
             z.indices.clear();
             z.types.clear();
         })),
         ZoneFileState::Damaged},
        {"offset of more than a day",
         ZoneFile(With([](ZoneSpec& z) { z.types[0].offset = 100000; })), ZoneFileState::Damaged},
        {"summer-time flag neither 0 nor 1",
         ZoneFile(With([](ZoneSpec& z) { z.types[0].dst = 2; })), ZoneFileState::Damaged},
        {"leap seconds in a zone", ZoneFile(withLeaps), ZoneFileState::Damaged},
        {"leap seconds in their source", ZoneFile(withLeaps), ZoneFileState::Sound, {true}},
        {"leap seconds out of order",
         ZoneFile(With([](ZoneSpec& z) {
             z.leaps = {{94694401, 1}, {78796800, 2}};
         })),
         ZoneFileState::Damaged,
         {true}},
        {"larger than any zone file", sound + std::string(size_t{1} << 20, '\0'),
         ZoneFileState::Damaged},
    };
    for (const BytesCase& c : cases) {
        EXPECT_EQ(CheckZoneBytes(c.bytes, c.rules), c.expected) << c.what;
    }
}

TEST(ZoneFileCheckTest, EveryCountBeyondTheFileIsRefusedInBothBlocks) {
    const std::string sound = ZoneFile();
    for (const size_t header : {size_t{0}, SecondHeader()}) {
        for (size_t k = 0; k < 6; ++k) {
            for (const std::uint32_t count : {0xffffffffu, 0x7fffffffu, 0x10000u}) {
                EXPECT_EQ(CheckZoneBytes(WithCount(sound, header, k, count)),
                          ZoneFileState::Damaged)
                    << "header at " << header << ", count " << k << " = " << count;
            }
        }
    }
}

TEST_F(ZoneFolderTest, KindsOfFiles) {
    Write("sound", ZoneFile());
    Write("empty", "");
    Write("big", ZoneFile() + std::string(size_t{2} << 20, '\0'));
    std::filesystem::create_directory(Path("folder"));
#ifdef _WIN32
    // No FIFOs among Windows' files; its null device is named NUL in every folder.
    const char* const device = "NUL";
#else
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ASSERT_TRUE(MakeLink("/dev/null", Path("device"), false));
    const char* const device = "device";
#endif
    struct Case {
        const char* name;
        ZoneFileState expected;
    };
    std::vector<Case> cases = {
        {"sound", ZoneFileState::Sound},         {"missing", ZoneFileState::Missing},
        {"sound/below", ZoneFileState::Missing}, {"empty", ZoneFileState::Damaged},
        {"big", ZoneFileState::Damaged},         {"folder", ZoneFileState::Damaged},
        {device, ZoneFileState::Damaged},
#ifndef _WIN32
        {"fifo", ZoneFileState::Damaged},
#endif
    };
    if (LinksMade()) {
        ASSERT_TRUE(MakeLink(Path("sound"), Path("link"), false));
        ASSERT_TRUE(MakeLink(Path("loop"), Path("loop"), false));
        cases.insert(cases.end(),
                     {{"link", ZoneFileState::Sound}, {"loop", ZoneFileState::Damaged}});
    }
    for (const auto& c : cases) {
        EXPECT_EQ(CheckZoneFile(Path(c.name)), c.expected) << c.name;
    }
}

// A folder's zones: its files at every depth, following links, but not the database's tables,
// its copies under posix/ and right/, or hidden files.
TEST_F(ZoneFolderTest, TheZonesAFolderLists) {
    for (const char* file :
         {"UTC", "Europe/Berlin", "America/Argentina/Salta", "zone.tab", "zone1970.tab",
          "iso3166.tab", "tzdata.zi", "leapseconds", "leap-seconds.list", "posixrules", "Factory",
          "+VERSION", "posix/Europe/Berlin", "right/UTC", ".hidden", "Europe/.old",
          "Etc/zone.tab"}) {
        Write(file, ZoneFile());
    }
    std::vector<std::string> expected = {"America/Argentina/Salta", "Europe/Berlin", "UTC"};
    if (LinksMade()) {
        ASSERT_TRUE(MakeLink(Path("America"), Path("US"), true));
        expected.insert(expected.begin() + 2, "US/Argentina/Salta");
    }
    const std::optional<std::vector<std::string>> zones = places::ListZoneFolder(dir_.string());
    ASSERT_TRUE(zones.has_value());
    EXPECT_EQ(*zones, expected);
    // A folder that is not there holds no zones.
    EXPECT_EQ(places::ListZoneFolder(Path("missing")), std::vector<std::string>{});
}

TEST_F(ZoneFolderTest, FoldersThatLinkBackIntoThemselvesCannotBeWalked) {
    if (!LinksMade()) {
        GTEST_SKIP() << "no symbolic links here that lead where they point";
    }
    Write("Europe/Berlin", ZoneFile());
    ASSERT_TRUE(MakeLink(Path("Europe"), Path("Alias"), true)); // like posix/
    EXPECT_TRUE(places::ZoneFolderWalkable(dir_.string()));
    ASSERT_TRUE(MakeLink("..", Path("Europe/up"), true));
    EXPECT_FALSE(places::ZoneFolderWalkable(dir_.string()));
    std::filesystem::remove(Path("Europe/up"));
    ASSERT_TRUE(MakeLink(".", Path("self"), true));
    EXPECT_FALSE(places::ZoneFolderWalkable(dir_.string()));
}

// Guards against refusing real data: every compiled file of the system's folder passes.
TEST(ZoneFileCheckTest, TheSystemsZoneFilesAreSound) {
    const std::filesystem::path folder = SystemZoneFolder();
    EXPECT_TRUE(places::ZoneFolderWalkable(folder.string()));
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::string magic(4, '\0');
        if (!in.read(magic.data(), 4) || magic != "TZif") {
            continue;
        }
        const std::filesystem::path inside = entry.path().lexically_relative(folder);
        const bool leapSource = !inside.empty() && *inside.begin() == "right";
        EXPECT_EQ(CheckZoneFile(entry.path().string(), {leapSource}), ZoneFileState::Sound)
            << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 300);
}
