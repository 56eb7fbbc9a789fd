// The words for offsets, rounding and the cases that give no time difference.
#include "app/zone_text.h"

#include <gtest/gtest.h>

TEST(ZoneText, OffsetsWithSecondsOnlyWhenThereAreAny) {
    EXPECT_EQ(UtcOffsetText(0), "UTC+00:00");
    EXPECT_EQ(UtcOffsetText(3600), "UTC+01:00");
    EXPECT_EQ(UtcOffsetText(-12600), "UTC-03:30");
    EXPECT_EQ(UtcOffsetText(3208), "UTC+00:53:28");
    EXPECT_EQ(UtcOffsetText(14 * 3600), "UTC+14:00");

    EXPECT_EQ(ZoneOffsetText({7200, "CEST", true}), "UTC+02:00 (CEST), heure d'été");
    EXPECT_EQ(ZoneOffsetText({3600, "CET", false}), "UTC+01:00 (CET), heure normale");
    EXPECT_EQ(ZoneOffsetText({3208, "LMT", false}), "UTC+00:53:28 (LMT), temps moyen local");
}

TEST(ZoneText, PlacesAndShifts) {
    places::Place p;
    p.name = "München";
    p.region = "Bayern";
    p.country = "Deutschland";
    p.zone = "Europe/Berlin";
    EXPECT_EQ(PlaceLineText(p), "München, Bayern, Deutschland — Europe/Berlin");
    p.region.clear();
    EXPECT_EQ(PlaceText(p), "München, Deutschland");
    p.matchedName = "Munich"; // found by another of its names
    EXPECT_EQ(PlaceLineText(p), "München (Munich), Deutschland — Europe/Berlin");

    EXPECT_EQ(RoundingShiftText(-1800), "30 min plus tôt");
    EXPECT_EQ(RoundingShiftText(392), "6 min 32 s plus tard");
}

TEST(ZoneText, RefusalsNameTheOffsetsInvolved) {
    const ZoneResolution twice =
        ResolveZone({ZoneSource::Kind::Zone, "Europe/Berlin"}, {2023, 10, 29, 2, 30}, {});
    EXPECT_EQ(ZoneRefusalText(twice, "Europe/Berlin"),
              "Cette heure a eu lieu deux fois, les horloges ayant été retardées : d'abord en "
              "UTC+02:00 (CEST), heure d'été, puis en UTC+01:00 (CET), heure normale. Choisissez "
              "l'heure d'été ou l'heure d'hiver.");

    const ZoneResolution kolkata =
        ResolveZone({ZoneSource::Kind::Zone, "Asia/Kolkata"}, {2023, 5, 1, 12, 0}, {});
    EXPECT_EQ(ZoneRefusalText(kolkata, "Asia/Kolkata"),
              "UTC+05:30 (IST), heure normale : ce décalage n'est pas un nombre entier d'heures, "
              "et le fuseau horaire n'accepte que des heures entières. L'heure la plus proche "
              "donne le fuseau horaire -6 (moment décalé de 30 min plus tôt).");
    EXPECT_EQ(RoundingNoteText(kolkata), "");

    const ZoneResolution rounded =
        ResolveZone({ZoneSource::Kind::Zone, "Asia/Kolkata"}, {2023, 5, 1, 12, 0},
                    {places::DstChoice::None, true});
    EXPECT_EQ(ZoneRefusalText(rounded, "Asia/Kolkata"), "");
    EXPECT_EQ(RoundingNoteText(rounded),
              "Arrondi à l'heure la plus proche : moment décalé de 30 min plus tôt.");

    const ZoneResolution apia =
        ResolveZone({ZoneSource::Kind::Zone, "Pacific/Kiritimati"}, {2023, 5, 1, 12, 0}, {});
    EXPECT_NE(ZoneRefusalText(apia, "Pacific/Kiritimati").find("fuseau horaire de -14,"),
              std::string::npos);

    const ZoneResolution unknown =
        ResolveZone({ZoneSource::Kind::Zone, "Mars/Base"}, {2023, 5, 1, 12, 0}, {});
    EXPECT_EQ(ZoneRefusalText(unknown, "Mars/Base"),
              "Le fuseau « Mars/Base » est absent de la base des fuseaux horaires.");
}
