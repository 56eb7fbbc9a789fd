// The birthplace and zone options of the birth commands.
#include <gtest/gtest.h>

#include "cli/birth_options.h"

namespace {

const CommandSyntax kBirth{"cmd", {}, kBirthOptions, {}, true, kBirthGroups};
const BirthWording kWording{TextId::CliBirthValueCount, TextId::CliNotInteger, 0};

// The usage error, or "" with the birth in out.
std::string Read(const CommandSyntax& syntax, const Args& args, BirthArgs& out) {
    ParsedArgs parsed;
    return ParseBirthArgs(args, syntax, kWording, parsed, out).value_or("");
}

std::string ErrorOf(const CommandSyntax& syntax, const Args& args) {
    BirthArgs out;
    return Read(syntax, args, out);
}

} // namespace

TEST(BirthZoneArgs, PlaceOrZoneInEitherFormWithTheChoices) {
    BirthArgs a;
    ASSERT_EQ(Read(kBirth,
                   {"--place=Frankfurt, Brandenburg", "-1", "2", "-3", "4", "5", "--dst", "--dst",
                    "--round"},
                   a),
              "");
    ASSERT_TRUE(a.zone);
    EXPECT_EQ(a.zone->kind, ZoneSource::Kind::Place);
    EXPECT_EQ(a.zone->name, "Frankfurt, Brandenburg");
    EXPECT_EQ(a.zoneChoice.dst, places::DstChoice::Dst);
    EXPECT_TRUE(a.zoneChoice.round);
    EXPECT_EQ(a.input, (BirthInput{-1, 2, -3, 4, 5, 1}));

    BirthArgs z;
    ASSERT_EQ(Read(kZoneSyntax, {"1", "--zone", "Asia/Kolkata", "2", "3", "4", "5", "--no-dst"}, z),
              "");
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
    const std::pair<Args, std::string> cases[] = {
        {with({"--tz", "1", "--place", "Paris"}), "cmd: --tz and --place exclude each other"},
        {with({"--zone=UTC", "--tz=1"}), "cmd: --tz and --zone exclude each other"},
        {with({"--zone=UTC", "--place=Paris"}), "cmd: give only one --place or --zone"},
        {with({"--zone=UTC", "--dst", "--no-dst"}), "cmd: --dst and --no-dst exclude each other"},
        {with({"--round"}), "cmd: --dst, --no-dst and --round need --place or --zone"},
        {{"1", "2", "3", "4", "5", "--zone"}, "cmd: --zone needs a value"},
    };
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(ErrorOf(kBirth, args), message);
    }
    // Without the birth options, --tz and the hemisphere are unknown, and the zone choices need
    // no zone while parsing (the command asks for one).
    EXPECT_EQ(ErrorOf(kZoneSyntax, with({"--zone=UTC", "--tz=1"})),
              "zone: unknown option '--tz=1'");
    EXPECT_EQ(ErrorOf(kZoneSyntax, with({"--zone=UTC", "--southern"})),
              "zone: unknown option '--southern'");
    EXPECT_EQ(ErrorOf(kZoneSyntax, with({"--round"})), "");
}
