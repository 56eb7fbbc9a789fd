// The birthplace and zone options of the one birth parser.
#include <gtest/gtest.h>

#include "cli/birth_args.h"

namespace {

const BirthSyntax kBirth{"cmd", {}, {}, "tz missing", "tz bad ", "count %n", " nan ", true};
const BirthSyntax kZoneOnly{"zone", {}, {}, "", "", "count %n", " nan ", false};

std::string ErrorOf(const BirthSyntax& syntax, const Args& args) {
    BirthArgs out;
    std::string error;
    EXPECT_FALSE(ParseBirthArgs(args, 0, syntax, out, error));
    return error;
}

} // namespace

TEST(BirthZoneArgs, PlaceOrZoneInEitherFormWithTheChoices) {
    BirthArgs a;
    std::string error;
    ASSERT_TRUE(ParseBirthArgs(
        {"--place=Frankfurt, Brandenburg", "-1", "2", "-3", "4", "5", "--dst", "--dst", "--round"},
        0, kBirth, a, error))
        << error;
    ASSERT_TRUE(a.zone);
    EXPECT_EQ(a.zone->kind, ZoneSource::Kind::Place);
    EXPECT_EQ(a.zone->name, "Frankfurt, Brandenburg");
    EXPECT_EQ(a.zoneChoice.dst, places::DstChoice::Dst);
    EXPECT_TRUE(a.zoneChoice.round);
    EXPECT_EQ(a.input, (BirthInput{-1, 2, -3, 4, 5, 1}));

    BirthArgs z;
    ASSERT_TRUE(ParseBirthArgs({"1", "--zone", "Asia/Kolkata", "2", "3", "4", "5", "--no-dst"}, 0,
                               kZoneOnly, z, error))
        << error;
    EXPECT_EQ(z.zone->kind, ZoneSource::Kind::Zone);
    EXPECT_EQ(z.zone->name, "Asia/Kolkata");
    EXPECT_EQ(z.zoneChoice.dst, places::DstChoice::NoDst);
    EXPECT_FALSE(z.zoneChoice.round);
}

TEST(BirthZoneArgs, ConflictsAndMissingValues) {
    const Args date = {"1", "2", "3", "4", "5"};
    auto with = [&](Args options) {
        options.insert(options.end(), date.begin(), date.end());
        return options;
    };
    EXPECT_EQ(ErrorOf(kBirth, with({"--tz", "1", "--place", "Paris"})),
              "cmd: --tz and --place exclude each other");
    EXPECT_EQ(ErrorOf(kBirth, with({"--zone=UTC", "--tz=1"})),
              "cmd: --tz and --zone exclude each other");
    EXPECT_EQ(ErrorOf(kBirth, with({"--zone=UTC", "--place=Paris"})),
              "cmd: give only one --place or --zone");
    EXPECT_EQ(ErrorOf(kBirth, with({"--zone=UTC", "--dst", "--no-dst"})),
              "cmd: --dst and --no-dst exclude each other");
    EXPECT_EQ(ErrorOf(kBirth, with({"--round"})),
              "cmd: --dst, --no-dst and --round need --place or --zone");
    EXPECT_EQ(ErrorOf(kBirth, {"1", "2", "3", "4", "5", "--zone"}), "cmd: --zone needs a value");
    // Without the birth options, --tz and the hemisphere are unknown.
    EXPECT_EQ(ErrorOf(kZoneOnly, with({"--zone=UTC", "--tz=1"})), "zone: unknown option '--tz=1'");
    EXPECT_EQ(ErrorOf(kZoneOnly, with({"--zone=UTC", "--southern"})),
              "zone: unknown option '--southern'");
}
