// Looking up a zone whose data is damaged: the zone counts as damaged, nothing is looked up,
// and the process neither ends nor waits. The zone folder is one the test prepares.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "places/time_difference.h"
#include "places/zone_offset.h"
#include "tests/places/zone_fixture.h"

using places::CheckZone;
using places::LocalMoment;
using places::ZoneData;
using namespace zone_fixture;

namespace {

std::string SystemFile(const std::string& zone) {
    std::ifstream in(SystemZoneFolder() / zone, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

constexpr LocalMoment kWinter{2000, 1, 15, 12, 0};

} // namespace

class ZoneDamageTest : public ZoneFolderTest {
  protected:
    void SetUp() override {
        ZoneFolderTest::SetUp();
        Write("UTC", SystemFile("Etc/UTC")); // the library's leap-second source
        Write("Europe/Paris", SystemFile("Europe/Paris"));
        places::UseZoneFolder(dir_.string());
    }
    void TearDown() override {
        places::UseZoneFolder({});
        ZoneFolderTest::TearDown();
    }

    // Puts `berlin` in place of Europe/Berlin and starts over with the verdicts.
    void Prepare(const std::function<void()>& berlin) {
        berlin();
        places::UseZoneFolder(dir_.string());
    }
};

TEST_F(ZoneDamageTest, DamagedFilesInPlaceOfAZone) {
    const std::string berlin = SystemFile("Europe/Berlin");
    ASSERT_GT(berlin.size(), 100u);
    const std::string file = Path("Europe/Berlin");
    const struct {
        const char* what;
        std::function<void()> make;
        ZoneData expected;
    } cases[] = {
        {"a copy of the system's file", [&] { Write("Europe/Berlin", berlin); }, ZoneData::Usable},
        {"empty", [&] { Write("Europe/Berlin", ""); }, ZoneData::Damaged},
        {"truncated", [&] { Write("Europe/Berlin", berlin.substr(0, berlin.size() / 2)); },
         ZoneData::Damaged},
        {"random", [&] { Write("Europe/Berlin", RandomBytes(berlin.size(), 7)); },
         ZoneData::Damaged},
        {"oversized counts", [&] { Write("Europe/Berlin", WithCount(berlin, 0, 3, 0x7fffffff)); },
         ZoneData::Damaged},
#ifndef _WIN32 // Windows has no FIFOs among its files
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, ZoneData::Damaged},
#endif
        {"a folder", [&] { std::filesystem::create_directories(file); }, ZoneData::Damaged},
        {"gone", [] {}, ZoneData::Damaged},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(file);
        Prepare(c.make);
        EXPECT_EQ(CheckZone("Europe/Berlin"), c.expected) << c.what;
        const auto offsets = places::LookUpOffsets("Europe/Berlin", kWinter);
        EXPECT_EQ(offsets.has_value(), c.expected == ZoneData::Usable) << c.what;
        EXPECT_EQ(places::IsKnownZone("Europe/Berlin"), c.expected == ZoneData::Usable) << c.what;
        if (offsets) {
            EXPECT_EQ(offsets->first.utcOffsetSeconds, 3600) << c.what;
        }
        // Other zones are unaffected.
        EXPECT_EQ(places::TimeDifferenceAt("Europe/Paris", kWinter).hours, -1) << c.what;
    }
}

TEST_F(ZoneDamageTest, UnknownZonesStayUnknown) {
    for (const char* zone : {"Nowhere/Atlantis", "", "tzdata.zi", "../../etc/passwd"}) {
        EXPECT_EQ(CheckZone(zone), ZoneData::Unknown) << zone;
        EXPECT_EQ(places::TimeDifferenceAt(zone, kWinter).status,
                  places::TimeDifferenceStatus::UnknownZone)
            << zone;
    }
}

// What the library reads on listing the zones: when it is damaged, no zone can be used.
TEST_F(ZoneDamageTest, ADamagedFolderLeavesNoZoneUsable) {
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    std::vector<Case> cases = {
#ifndef _WIN32 // Windows has no FIFOs among its files
        {"leap-second source is a FIFO",
         [&] { ASSERT_EQ(::mkfifo(Path("right/UTC").c_str(), 0600), 0); }},
#endif
        {"leap-second source is random", [&] { Write("right/UTC", RandomBytes(500, 3)); }},
        {"leap-second fallback truncated",
         [&] { Write("UTC", SystemFile("Etc/UTC").substr(0, 50)); }},
    };
    if (LinksMade()) {
        cases.push_back({"folder links into itself",
                         [&] { ASSERT_TRUE(MakeLink("..", Path("Europe/up"), true)); }});
    }
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir_);
        SetUp();
        std::filesystem::create_directories(Path("right"));
        Prepare(c.make);
        EXPECT_EQ(CheckZone("Europe/Paris"), ZoneData::Damaged) << c.what;
        EXPECT_FALSE(places::LookUpOffsets("Europe/Paris", kWinter).has_value()) << c.what;
    }
}

// The zones a folder holds are known even where the build machine's folder had none of the name;
// those the build machine's had are known even where the folder lacks them.
TEST_F(ZoneDamageTest, KnownZonesOfTheFolderAndOfTheBuildMachine) {
    Write("Mars/Olympus", SystemFile("Europe/Paris"));
    places::UseZoneFolder(dir_.string());
    EXPECT_EQ(places::ZoneFolder(), dir_.string());
    EXPECT_EQ(CheckZone("Mars/Olympus"), ZoneData::Usable);
    EXPECT_EQ(places::TimeDifferenceAt("Mars/Olympus", kWinter).hours, -1);
    EXPECT_EQ(CheckZone("Asia/Tokyo"), ZoneData::Damaged); // not in this folder
    const std::vector<std::string> known = places::KnownZoneNames();
    EXPECT_TRUE(std::is_sorted(known.begin(), known.end()));
    for (const char* zone : {"Mars/Olympus", "Asia/Tokyo", "Europe/Paris", "UTC"}) {
        EXPECT_TRUE(std::binary_search(known.begin(), known.end(), zone)) << zone;
    }
    EXPECT_FALSE(std::binary_search(known.begin(), known.end(), "zone.tab"));
}
