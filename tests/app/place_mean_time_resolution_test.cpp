// A birthplace before its zone's first standard time: the time difference and the words come
// from the place's own mean time, while a zone given by name keeps that of its city.
#include <gtest/gtest.h>

#include "app/zone_resolution.h"
#include "app/zone_text.h"
#include "tests/language_scope.h"

using places::LocalMoment;

namespace {

places::Place MeanTimePlace(const char* name, const char* zone, double longitude) {
    places::Place p;
    p.name = name;
    p.region = "Sichuan";
    p.country = "China";
    p.zone = zone;
    p.longitude = longitude;
    p.population = 1000;
    return p;
}

const places::PlaceCatalogue& MeanTimePlaces() {
    static const places::PlaceCatalogue catalogue({
        MeanTimePlace("Chengdu", "Asia/Shanghai", 104.06667),
        MeanTimePlace("Harbin", "Asia/Shanghai", 126.65),
        MeanTimePlace("Sitka", "America/Sitka", -135.33),
    });
    return catalogue;
}

ZoneResolution AtMeanTimePlace(const char* name, LocalMoment local, ZoneChoice choice = {}) {
    return ResolveZone({ZoneSource::Kind::Place, name}, local, choice, MeanTimePlaces());
}

ZoneResolution InNamedZone(const char* zone, LocalMoment local, ZoneChoice choice = {}) {
    return ResolveZone({ZoneSource::Kind::Zone, zone}, local, choice);
}

constexpr LocalMoment kChengduNoon1880{1880, 1, 1, 12, 0};
constexpr ZoneChoice kRoundToHour{places::DstChoice::None, true};

} // namespace

TEST(PlaceMeanTimeResolution, ChengduIsSevenHoursAheadNotEight) {
    const LanguageScope french("fr");
    const ZoneResolution refused = AtMeanTimePlace("Chengdu", kChengduNoon1880);
    EXPECT_EQ(refused.status, ZoneStatus::NotWholeHours);
    EXPECT_FALSE(refused.Determined());
    EXPECT_EQ(ZoneRefusalText(refused, "Chengdu"),
              "UTC+06:56:16 (LMT), temps moyen local de Chengdu : ce décalage n'est pas un "
              "nombre entier d'heures, et le fuseau horaire n'accepte que des heures entières. "
              "L'heure la plus proche donne le fuseau horaire -7 (moment décalé de 3 min 44 s "
              "plus tôt).");

    const ZoneResolution rounded = AtMeanTimePlace("Chengdu", kChengduNoon1880, kRoundToHour);
    EXPECT_EQ(rounded.timeDifference, -7);
    EXPECT_EQ(rounded.roundingShiftSeconds, -224);
    ASSERT_TRUE(rounded.offset);
    EXPECT_EQ(ZoneOffsetText(rounded, *rounded.offset, OffsetWords::Window),
              "UTC+06:56:16 (LMT), temps moyen local de Chengdu");
    EXPECT_EQ(RoundingNoteText(rounded),
              "Arrondi à l'heure la plus proche : moment décalé de 3 min 44 s plus tôt.");
    const std::string explanation = ZoneExplanationText(rounded, kChengduNoon1880);
    EXPECT_EQ(explanation.substr(0, explanation.find('\n')), "Le 1.1.1880 à 12:00 à Chengdu :");
    EXPECT_NE(explanation.find("\nUTC+06:56:16 (LMT), temps moyen local de Chengdu : ce décalage"),
              std::string::npos)
        << explanation;
    EXPECT_TRUE(explanation.ends_with("\nFuseau horaire: -7")) << explanation;
}

TEST(PlaceMeanTimeResolution, AZoneByNameKeepsTheMeanTimeOfItsCity) {
    const ZoneResolution shanghai = InNamedZone("Asia/Shanghai", kChengduNoon1880, kRoundToHour);
    EXPECT_EQ(shanghai.timeDifference, -8);
    ASSERT_TRUE(shanghai.offset);
    EXPECT_EQ(shanghai.offset->utcOffsetSeconds, 29143);
    EXPECT_EQ(ZoneOffsetText(shanghai, *shanghai.offset, OffsetWords::Window),
              "UTC+08:05:43 (LMT), temps moyen local");
}

TEST(PlaceMeanTimeResolution, StandardTimeIsWordedAsBefore) {
    const ZoneResolution later = AtMeanTimePlace("Chengdu", {1950, 1, 1, 12, 0});
    EXPECT_EQ(later.status, ZoneStatus::Ok);
    EXPECT_EQ(later.timeDifference, -8);
    ASSERT_TRUE(later.offset);
    EXPECT_EQ(ZoneOffsetText(later, *later.offset, OffsetWords::Window),
              "UTC+08:00 (CST), heure normale");
}

TEST(PlaceMeanTimeResolution, TheChangeToStandardTimeNamesThePlace) {
    const LanguageScope french("fr");
    const ZoneResolution gap = AtMeanTimePlace("Chengdu", {1900, 12, 31, 23, 0}, kRoundToHour);
    EXPECT_EQ(gap.status, ZoneStatus::Nonexistent);
    EXPECT_EQ(ZoneRefusalText(gap, "Chengdu"),
              "Cette heure n'a pas existé : ce jour-là, les horloges sont passées de UTC+06:56:16 "
              "(LMT), temps moyen local de Chengdu à UTC+08:00 (CST), heure normale et ont sauté "
              "l'heure entrée. Vérifiez l'heure de naissance.");

    const ZoneResolution twice = AtMeanTimePlace("Harbin", {1901, 1, 1, 0, 10});
    EXPECT_EQ(twice.status, ZoneStatus::Ambiguous);
    ASSERT_EQ(twice.candidates.size(), 2u);
    EXPECT_EQ(twice.candidates[0].utcOffsetSeconds, 30396);
    EXPECT_NE(ZoneRefusalText(twice, "Harbin")
                  .find("UTC+08:26:36 (LMT), temps moyen local de "
                        "Harbin, puis en UTC+08:00 (CST)"),
              std::string::npos);
    // The earlier occurrence, at the larger offset, is the one "summer time" takes.
    const ZoneResolution first =
        AtMeanTimePlace("Harbin", {1901, 1, 1, 0, 10}, {places::DstChoice::Dst, true});
    EXPECT_EQ(first.timeDifference, -8);
    EXPECT_EQ(first.offset->utcOffsetSeconds, 30396);
}

TEST(PlaceMeanTimeResolution, RussianAmericaCountedTheDayFromAsia) {
    // Sitka before 1867 was 14:58:41 ahead: out of the form's range as the zone's own was.
    const ZoneResolution russian = AtMeanTimePlace("Sitka", {1850, 6, 1, 12, 0}, kRoundToHour);
    EXPECT_EQ(russian.status, ZoneStatus::OutOfRange);
    EXPECT_EQ(russian.offset->utcOffsetSeconds, 53921);
    const ZoneResolution american = AtMeanTimePlace("Sitka", {1880, 6, 1, 12, 0}, kRoundToHour);
    EXPECT_EQ(american.timeDifference, 9);
    EXPECT_EQ(american.offset->utcOffsetSeconds, -32479);
}
