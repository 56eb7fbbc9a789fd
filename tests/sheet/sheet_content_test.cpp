// What a sheet says: the form's labels and texts for the birth, the options ticked, the place
// and zone the time difference came from.
#include <gtest/gtest.h>

#include <algorithm>

#include "sheet/sheet_content.h"

namespace {

const SheetLine* Find(const std::vector<SheetLine>& lines, const std::string& label) {
    const auto it = std::find_if(lines.begin(), lines.end(),
                                 [&](const SheetLine& l) { return l.label == label; });
    return it == lines.end() ? nullptr : &*it;
}

TEST(SheetContent, CarriesTheFormsTextsUnderTheFormsLabels) {
    const BirthInput in{14, 3, 1985, 7, 30, 1, false, false};
    const BirthEvaluation r = Evaluate(in);
    const SheetContent s = MakeSheetContent({"Eva", in, std::nullopt}, "08.12.2025");
    EXPECT_EQ(s.title, "Calcul Orlinde");
    EXPECT_EQ(s.name, "Eva");
    EXPECT_EQ(s.birth.text, r.m_strBirthMoment);
    const std::pair<const char*, std::string> expected[] = {
        {"Lune :", r.m_strMoonPercent},
        {"Mondtag :", r.m_strMoonDayPercent},
        {"Soleil :", r.m_strSunPercent},
        {"Ecart :", r.m_strEcartPercent},
        {"Calendrier Julien :", r.m_strJulianDate},
    };
    ASSERT_EQ(s.results.size(), std::size(expected));
    for (size_t i = 0; i < s.results.size(); ++i) {
        EXPECT_EQ(s.results[i].label, expected[i].first);
        EXPECT_EQ(s.results[i].text, expected[i].second);
    }
    ASSERT_EQ(s.phases.size(), 3u);
    EXPECT_EQ(s.phases[0].label, "Der. nouv. lune :");
    EXPECT_EQ(s.phases[1].text, r.m_strFullMoon);
    EXPECT_EQ(s.phases[2].text, r.m_strNextNewMoon);
    EXPECT_EQ(s.typeBitmap, r.m_nTypeBitmap);
    EXPECT_EQ(s.centre, r.m_dJulianDate);
    EXPECT_EQ(s.footer, "Vexamo, Version 1.0 — imprimé le 08.12.2025");
}

TEST(SheetContent, OptionsAndTimeZoneAsEntered) {
    struct Case {
        bool southern;
        bool constZone;
        int32_t tz;
        const char* options;
    };
    const Case cases[] = {
        {false, false, 1, "aucune"},
        {true, false, -3, "Hémisphère Sud"},
        {false, true, 0, "Zone indéfinie constante"},
        {true, true, 12, "Hémisphère Sud, Zone indéfinie constante"},
    };
    for (const Case& c : cases) {
        const BirthInput in{1, 6, 1999, 12, 0, c.tz, c.southern, c.constZone};
        const SheetContent s = MakeSheetContent({"", in, std::nullopt}, "");
        EXPECT_EQ(s.options.label, "Options :");
        EXPECT_EQ(s.options.text, c.options);
        ASSERT_EQ(s.timeZone.size(), 1u);
        EXPECT_EQ(s.timeZone[0].label, "Fuseau horaire :");
        EXPECT_EQ(s.timeZone[0].text, std::to_string(c.tz));
        EXPECT_EQ(s.southern, c.southern ? 1 : 0);
        // No name, no line for it.
        EXPECT_EQ(SheetTexts(s)[1], "Naissance :");
    }
}

TEST(SheetContent, NamesThePlaceAndZoneTheTimeDifferenceCameFrom) {
    ZoneResolution zone;
    zone.status = ZoneStatus::Ok;
    zone.place = places::Place{"München", "Bayern", "Deutschland", "DE", "Europe/Berlin"};
    zone.zone = "Europe/Berlin";
    zone.offset = places::ZoneOffset{3600, "CET", false};
    zone.timeDifference = -1;
    const SheetContent s = MakeSheetContent({"", {1, 2, 1990, 3, 4, -1, false, false}, zone}, "");
    ASSERT_NE(Find(s.timeZone, "Lieu :"), nullptr);
    EXPECT_EQ(Find(s.timeZone, "Lieu :")->text, "München, Bayern, Deutschland");
    ASSERT_NE(Find(s.timeZone, "Zone :"), nullptr);
    EXPECT_EQ(Find(s.timeZone, "Zone :")->text, "Europe/Berlin");
    ASSERT_NE(Find(s.timeZone, "Décalage :"), nullptr);
    EXPECT_EQ(Find(s.timeZone, "Décalage :")->text, "UTC+01:00 (CET), heure normale");
}

TEST(SheetContent, NamesThePlacesOwnMeanTime) {
    places::Place chengdu{"Chengdu",       "Sichuan", "China",  "CN",
                          "Asia/Shanghai", 30.66667,  104.06667};
    const places::LocalMoment local{1880, 1, 1, 12, 0};
    const ZoneResolution zone = ResolvePlaceZone(chengdu, local, {places::DstChoice::None, true});
    ASSERT_EQ(zone.timeDifference, -7);
    const SheetContent s = MakeSheetContent({"", {1, 1, 1880, 12, 0, -7, false, false}, zone}, "");
    ASSERT_NE(Find(s.timeZone, "Décalage :"), nullptr);
    EXPECT_EQ(Find(s.timeZone, "Décalage :")->text,
              "UTC+06:56:16 (LMT), temps moyen local de Chengdu");
}

} // namespace
