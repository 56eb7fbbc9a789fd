// The time difference for a place or zone at a local moment, with the special cases kept apart.
#include "app/zone_resolution.h"

#include <gtest/gtest.h>

using places::DstChoice;
using places::LocalMoment;

namespace {

ZoneResolution InZone(const char* zone, LocalMoment local, ZoneChoice choice = {}) {
    return ResolveZone({ZoneSource::Kind::Zone, zone}, local, choice);
}

places::Place MakePlace(const char* name, const char* zone, std::uint32_t population) {
    places::Place p;
    p.name = name;
    p.country = "Testland";
    p.zone = zone;
    p.population = population;
    return p;
}

} // namespace

TEST(ZoneResolution, SummerAndWinterTimeInForce) {
    const ZoneResolution summer = InZone("Europe/Berlin", {2023, 7, 1, 12, 0});
    EXPECT_EQ(summer.status, ZoneStatus::Ok);
    EXPECT_EQ(summer.zone, "Europe/Berlin");
    ASSERT_TRUE(summer.offset);
    EXPECT_EQ(summer.offset->utcOffsetSeconds, 7200);
    EXPECT_EQ(summer.offset->abbreviation, "CEST");
    EXPECT_TRUE(summer.offset->dst);
    EXPECT_EQ(summer.timeDifference, -2);
    EXPECT_TRUE(summer.candidates.empty());

    // A choice for an ambiguous time changes nothing at an ordinary one.
    const ZoneResolution winter =
        InZone("Europe/Berlin", {2023, 1, 15, 8, 0}, {DstChoice::Dst, true});
    EXPECT_EQ(winter.status, ZoneStatus::Ok);
    EXPECT_EQ(winter.timeDifference, -1);
    EXPECT_FALSE(winter.offset->dst);
}

TEST(ZoneResolution, AmbiguousTimeNeedsAChoiceAndKeepsBothCandidates) {
    const LocalMoment twice{2023, 10, 29, 2, 30};
    const ZoneResolution open = InZone("Europe/Berlin", twice);
    EXPECT_EQ(open.status, ZoneStatus::Ambiguous);
    EXPECT_FALSE(open.Determined());
    EXPECT_FALSE(open.offset);
    ASSERT_EQ(open.candidates.size(), 2u);
    EXPECT_EQ(open.candidates[0].utcOffsetSeconds, 7200);
    EXPECT_EQ(open.candidates[1].utcOffsetSeconds, 3600);

    const ZoneResolution summer = InZone("Europe/Berlin", twice, {DstChoice::Dst, false});
    EXPECT_EQ(summer.status, ZoneStatus::Ok);
    EXPECT_EQ(summer.timeDifference, -2);
    EXPECT_EQ(summer.offset->abbreviation, "CEST");
    EXPECT_EQ(summer.candidates.size(), 2u);

    const ZoneResolution winter = InZone("Europe/Berlin", twice, {DstChoice::NoDst, false});
    EXPECT_EQ(winter.timeDifference, -1);
    EXPECT_EQ(winter.offset->abbreviation, "CET");
}

TEST(ZoneResolution, NonexistentTimeReportsTheGap) {
    const ZoneResolution r = InZone("Europe/Berlin", {2023, 3, 26, 2, 30}, {DstChoice::Dst, true});
    EXPECT_EQ(r.status, ZoneStatus::Nonexistent);
    EXPECT_FALSE(r.Determined());
    EXPECT_FALSE(r.offset);
    ASSERT_TRUE(r.gapBefore && r.gapAfter);
    EXPECT_EQ(r.gapBefore->utcOffsetSeconds, 3600);
    EXPECT_EQ(r.gapAfter->utcOffsetSeconds, 7200);
    EXPECT_TRUE(r.LookedUp());
}

TEST(ZoneResolution, NotWholeHoursOnlyWithRoundingAndBeyondTwelveNever) {
    const LocalMoment noon{2023, 5, 1, 12, 0};
    const ZoneResolution kolkata = InZone("Asia/Kolkata", noon);
    EXPECT_EQ(kolkata.status, ZoneStatus::NotWholeHours);
    EXPECT_FALSE(kolkata.Determined());
    EXPECT_EQ(kolkata.offset->utcOffsetSeconds, 19800);
    EXPECT_EQ(kolkata.roundedHours, -6);
    EXPECT_EQ(kolkata.roundingShiftSeconds, -1800);

    const ZoneResolution rounded = InZone("Asia/Kolkata", noon, {DstChoice::None, true});
    EXPECT_EQ(rounded.status, ZoneStatus::NotWholeHours);
    EXPECT_EQ(rounded.timeDifference, -6);

    // Local mean time of Berlin before standard time: +0:53:28.
    const ZoneResolution lmt =
        InZone("Europe/Berlin", {1880, 6, 1, 12, 0}, {DstChoice::None, true});
    EXPECT_EQ(lmt.offset->utcOffsetSeconds, 3208);
    EXPECT_EQ(lmt.timeDifference, -1);
    EXPECT_EQ(lmt.roundingShiftSeconds, -392);

    const ZoneResolution kiritimati = InZone("Pacific/Kiritimati", noon, {DstChoice::None, true});
    EXPECT_EQ(kiritimati.status, ZoneStatus::OutOfRange);
    EXPECT_FALSE(kiritimati.Determined());
    EXPECT_EQ(kiritimati.offset->utcOffsetSeconds, 14 * 3600);
}

TEST(ZoneResolution, UnknownZoneAndDateBeyondTheDatabase) {
    const ZoneResolution unknown = InZone("Mars/Olympus_Mons", {2023, 5, 1, 12, 0});
    EXPECT_EQ(unknown.status, ZoneStatus::UnknownZone);
    EXPECT_FALSE(unknown.LookedUp());
    EXPECT_EQ(unknown.zone, "Mars/Olympus_Mons");
    EXPECT_EQ(InZone("", {2023, 5, 1, 12, 0}).status, ZoneStatus::UnknownZone);

    const ZoneResolution far = InZone("Europe/Berlin", {20000, 5, 1, 12, 0});
    EXPECT_EQ(far.status, ZoneStatus::DateNotCovered);
    EXPECT_FALSE(far.LookedUp());
}

TEST(ZoneResolution, PlaceNameTakesTheBestMatchAndItsZone) {
    const places::PlaceCatalogue catalogue({MakePlace("Springfield", "America/Chicago", 100000),
                                            MakePlace("Springfield", "America/New_York", 150000),
                                            MakePlace("Oakham", "Europe/London", 20000)});
    const LocalMoment winter{2023, 1, 15, 8, 0};

    const ZoneResolution several =
        ResolveZone({ZoneSource::Kind::Place, "springfield"}, winter, {}, catalogue);
    ASSERT_TRUE(several.place);
    EXPECT_TRUE(several.severalPlaces);
    EXPECT_EQ(several.place->population, 150000u);
    EXPECT_EQ(several.zone, "America/New_York");
    EXPECT_EQ(several.timeDifference, 5);

    const ZoneResolution one =
        ResolveZone({ZoneSource::Kind::Place, "Oakham"}, winter, {}, catalogue);
    EXPECT_FALSE(one.severalPlaces);
    EXPECT_EQ(one.timeDifference, 0);

    const ZoneResolution none =
        ResolveZone({ZoneSource::Kind::Place, "Atlantis"}, winter, {}, catalogue);
    EXPECT_EQ(none.status, ZoneStatus::UnknownPlace);
    EXPECT_FALSE(none.place);
    EXPECT_FALSE(none.Determined());
}

TEST(ZoneResolution, StatusKeys) {
    EXPECT_STREQ(ZoneStatusKey(ZoneStatus::Ok), "ok");
    EXPECT_STREQ(ZoneStatusKey(ZoneStatus::NotWholeHours), "not-whole-hours");
    EXPECT_STREQ(ZoneStatusKey(ZoneStatus::OutOfRange), "out-of-range");
    EXPECT_STREQ(ZoneStatusKey(ZoneStatus::Nonexistent), "nonexistent");
    EXPECT_STREQ(ZoneStatusKey(ZoneStatus::Ambiguous), "ambiguous");
}
