// The words for offsets, rounding and the cases that give no time difference.
#include "app/zone_text.h"

#include <gtest/gtest.h>

#include "tests/language_scope.h"

TEST(ZoneText, OffsetsWithSecondsOnlyWhenThereAreAny) {
    EXPECT_EQ(UtcOffsetText(0), "UTC+00:00");
    EXPECT_EQ(UtcOffsetText(3600), "UTC+01:00");
    EXPECT_EQ(UtcOffsetText(-12600), "UTC-03:30");
    EXPECT_EQ(UtcOffsetText(3208), "UTC+00:53:28");
    EXPECT_EQ(UtcOffsetText(14 * 3600), "UTC+14:00");

    constexpr auto kWindow = OffsetWords::Window;
    EXPECT_EQ(ZoneOffsetText({7200, "CEST", true}, kWindow), "UTC+02:00 (CEST), heure d'été");
    EXPECT_EQ(ZoneOffsetText({3600, "CET", false}, kWindow), "UTC+01:00 (CET), heure normale");
    EXPECT_EQ(ZoneOffsetText({3208, "LMT", false}, kWindow),
              "UTC+00:53:28 (LMT), temps moyen local");
}

// vexamo-cli says what an offset is in the user's language; the window keeps its words.
TEST(ZoneText, OffsetsInTheWordsOfEachLanguage) {
    const struct {
        const char* language;
        const char* summer;
        const char* standard;
        const char* meanTime;
    } cases[] = {
        {"en", "summer time", "standard time", "local mean time"},
        {"de", "Sommerzeit", "Normalzeit", "mittlere Ortszeit"},
        {"fr", "heure d'été", "heure normale", "temps moyen local"},
    };
    for (const auto& c : cases) {
        const LanguageScope scope(c.language);
        EXPECT_EQ(ZoneOffsetText({7200, "CEST", true}, OffsetWords::Cli),
                  std::string("UTC+02:00 (CEST), ") + c.summer);
        EXPECT_EQ(ZoneOffsetText({3600, "CET", false}, OffsetWords::Cli),
                  std::string("UTC+01:00 (CET), ") + c.standard);
        EXPECT_EQ(ZoneOffsetText({3208, "LMT", false}, OffsetWords::Cli),
                  std::string("UTC+00:53:28 (LMT), ") + c.meanTime);
        EXPECT_EQ(ZoneOffsetText({7200, "CEST", true}, OffsetWords::Window),
                  "UTC+02:00 (CEST), heure d'été");
    }
}

// A place's own mean time names it; French elides "de" before a vowel, accented or not.
TEST(ZoneText, PlaceMeanTimeNamesThePlaceAsEachLanguageWritesIt) {
    const struct {
        const char* name;
        const char* en;
        const char* de;
        const char* fr;
    } cases[] = {
        {"Avignon", "of Avignon", "von Avignon", "d'Avignon"},
        {"Évry", "of Évry", "von Évry", "d'Évry"},
        {"Oslo", "of Oslo", "von Oslo", "d'Oslo"},
        {"Île-Rousse", "of Île-Rousse", "von Île-Rousse", "d'Île-Rousse"},
        {"Œting", "of Œting", "von Œting", "d'Œting"},
        {"urfa", "of urfa", "von urfa", "d'urfa"},
        {"Chengdu", "of Chengdu", "von Chengdu", "de Chengdu"},
        {"Hanoi", "of Hanoi", "von Hanoi", "de Hanoi"},
        {"Ypres", "of Ypres", "von Ypres", "de Ypres"},
        {"Ørsta", "of Ørsta", "von Ørsta", "d'Ørsta"},
        {"Ñuñoa", "of Ñuñoa", "von Ñuñoa", "de Ñuñoa"},
        {"Москва", "of Москва", "von Москва", "de Москва"},
    };
    const places::ZoneOffset meanTime{1154, "LMT", false, true};
    for (const auto& c : cases) {
        ZoneResolution r;
        r.place = places::Place{};
        r.place->name = c.name;
        for (const auto& [language, words] :
             {std::pair{"en", c.en}, std::pair{"de", c.de}, std::pair{"fr", c.fr}}) {
            const LanguageScope scope(language);
            const std::string text = ZoneOffsetText(r, meanTime, OffsetWords::Cli);
            EXPECT_TRUE(text.ends_with(std::string(" ") + words)) << language << ": " << text;
        }
        // The window's French elides as the command line's does.
        EXPECT_EQ(ZoneOffsetText(r, meanTime, OffsetWords::Window),
                  std::string("UTC+00:19:14 (LMT), temps moyen local ") + c.fr);
    }
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
    const LanguageScope french("fr");
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
              "Le fuseau « Mars/Base » est absent de la base des fuseaux horaires ; les fuseaux "
              "portent le nom d'une grande ville, par ex. Europe/Paris.");
}

TEST(ZoneText, ValuesAnOffsetWouldNeed) {
    const std::pair<int, const char*> cases[] = {
        {3600, "-1"},     {0, "0"},           {-5 * 3600, "5"},   {19800, "-5:30"},
        {-12600, "3:30"}, {3208, "-0:53:28"}, {14 * 3600, "-14"},
    };
    for (const auto& [offset, value] : cases) {
        EXPECT_EQ(NeededValueText(offset), value) << offset;
    }
}

TEST(ZoneText, RegionRepeatingTheNameIsLeftOut) {
    places::Place p;
    p.name = "Berlin";
    p.region = "Berlin";
    p.country = "Deutschland";
    p.zone = "Europe/Berlin";
    EXPECT_EQ(PlaceText(p), "Berlin, Deutschland");
    EXPECT_EQ(PlaceLineText(p), "Berlin, Deutschland — Europe/Berlin");
}

// The explanation and the choices a dialog shows; a zone given by name heads it.
TEST(ZoneText, ExplanationsAndChoices) {
    const places::LocalMoment twice{2023, 10, 29, 2, 30};
    const ZoneResolution open = ResolveZone({ZoneSource::Kind::Zone, "Europe/Berlin"}, twice, {});
    EXPECT_EQ(DstChoiceText(open, true), "Heure d'&été : UTC+02:00 (CEST), fuseau horaire -2");
    EXPECT_EQ(DstChoiceText(open, false), "Heure d'&hiver : UTC+01:00 (CET), fuseau horaire -1");
    EXPECT_EQ(RoundChoiceText(open), "");
    EXPECT_EQ(ZoneExplanationText(open, twice)
                  .find("Le 29.10.2023 à 2:30 dans le fuseau Europe/Berlin :\n"
                        "Cette heure a eu lieu deux fois"),
              0u);

    const ZoneResolution winter = ResolveZone({ZoneSource::Kind::Zone, "Europe/Berlin"}, twice,
                                              {places::DstChoice::NoDst, false});
    const std::string text = ZoneExplanationText(winter, twice);
    EXPECT_NE(text.find("\nUTC+01:00 (CET), heure normale.\nFuseau horaire: -1"), std::string::npos)
        << text;

    const places::LocalMoment kolkataNoon{2023, 5, 1, 12, 0};
    const ZoneResolution kolkata =
        ResolveZone({ZoneSource::Kind::Zone, "Asia/Kolkata"}, kolkataNoon, {});
    EXPECT_EQ(DstChoiceText(kolkata, true), "");
    EXPECT_EQ(RoundChoiceText(kolkata), "&Arrondir à l'heure la plus proche (fuseau horaire -6) : "
                                        "moment décalé de 30 min plus tôt");

    const ZoneResolution unknown =
        ResolveZone({ZoneSource::Kind::Zone, "Mars/Base"}, kolkataNoon, {});
    EXPECT_EQ(ZoneExplanationText(unknown, kolkataNoon),
              "Le 1.5.2023 à 12:00 dans le fuseau Mars/Base :\nLe fuseau « Mars/Base » est "
              "absent de la base des fuseaux horaires de ce système. Choisissez-en un autre, ou "
              "entrez le fuseau horaire vous-même.");
    // The same zone as a place's: the place is named, and its zone blamed.
    places::Place base;
    base.name = "Base Alpha";
    base.zone = "Mars/Base";
    EXPECT_EQ(ZoneExplanationText(ResolvePlaceZone(base, kolkataNoon, {}), kolkataNoon),
              "Le 1.5.2023 à 12:00 à Base Alpha :\nLe fuseau « Mars/Base » de ce lieu est absent "
              "de la base des fuseaux horaires de ce système. Entrez le fuseau horaire "
              "vous-même.");
}

TEST(ZoneText, MeaningOfATimeDifference) {
    const std::pair<int, const char*> cases[] = {
        {-1, "-1 = UTC+01:00"}, {-2, "-2 = UTC+02:00"}, {0, "0 = UTC+00:00"},
        {1, "1 = UTC-01:00"},   {5, "5 = UTC-05:00"},   {-12, "-12 = UTC+12:00"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(TimeDifferenceMeaningText(value), text) << value;
    }
}
