// The birthplace dialog's state as both programs drive it: which list speaks, what is selected
// after each search, when the answers are reset, and what the dialog says while nothing is
// chosen; and the birthplace a printed sheet names.
#include <gtest/gtest.h>

#include "app/birthplace_choice.h"
#include "app/text_catalogue.h"

namespace {

const PlaceCatalogue& ChoicePlaces() {
    static const PlaceCatalogue catalogue(std::vector<Place>{
        {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
        {"Münster", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 51.96, 7.63,
         270184},
    });
    return catalogue;
}

// 2:30 on 27.10.2024 came twice in Germany.
constexpr LocalMoment kTwiceInGermany{2024, 10, 27, 2, 30};

TEST(BirthplaceChoiceTest, WhatIsSaidWhileNothingIsChosen) {
    const std::string problem = "the list is missing";
    const struct {
        const char* placeText;
        const char* zoneText;
        std::string problem;
        std::string said;
    } cases[] = {
        {"", "", "", UserText(TextId::PlaceTypeToSearch)},
        {"  ", "", "", UserText(TextId::PlaceTypeToSearch)},
        {"Hintertupfing", "", "", UserText(TextId::PlaceNoneFound)},
        {"Hintertupfing", "Nowhere/Atlantis", "", UserText(TextId::PlaceNoZoneFound)},
        // Without a place list nothing is explained among places: its notice says why...
        {"", "", problem, ""},
        {"Berlin", "", problem, ""},
        // ... but not for a zone searched by name.
        {"Berlin", "Nowhere/Atlantis", problem, UserText(TextId::PlaceNoZoneFound)},
    };
    static const PlaceCatalogue none(std::vector<Place>{});
    for (const auto& c : cases) {
        BirthplaceChoice choice(kTwiceInGermany, c.problem.empty() ? ChoicePlaces() : none,
                                c.problem);
        choice.SearchPlaces(c.placeText);
        choice.SearchZones(c.zoneText);
        EXPECT_EQ(choice.Explanation(), c.said) << c.placeText << " / " << c.zoneText;
        EXPECT_EQ(choice.PlacesUsable(), c.problem.empty());
        EXPECT_EQ(choice.PlaceListNotice(), c.problem);
        EXPECT_FALSE(choice.CanAccept());
        EXPECT_EQ(choice.SummerText(), "");
    }
}

TEST(BirthplaceChoiceTest, TheListWorkedLastGivesTheValue) {
    BirthplaceChoice choice({1980, 1, 15, 12, 0}, ChoicePlaces());
    choice.SearchPlaces("mün");
    ASSERT_EQ(choice.Places().size(), 2u);
    EXPECT_EQ(choice.PlaceRow(), 0);
    EXPECT_EQ(choice.SelectedPlace()->name, "München");

    // A zone searched by name takes over and lets the place go.
    choice.SearchZones(" europe/ber ");
    EXPECT_EQ(choice.PlaceRow(), -1);
    EXPECT_FALSE(choice.SelectedPlace());
    EXPECT_EQ(choice.SelectedZone(), "Europe/Berlin");
    EXPECT_EQ(choice.Result().timeDifference, -1);

    // Making a place current takes over again; the zone text stays, its row goes.
    choice.SelectPlace(1);
    EXPECT_EQ(choice.ZoneRow(), -1);
    EXPECT_EQ(choice.SelectedPlace()->name, "Münster");
    EXPECT_TRUE(choice.CanAccept());

    // An emptied zone text lists every zone and chooses none.
    choice.SearchZones("");
    EXPECT_GT(choice.Zones().size(), 100u);
    EXPECT_FALSE(choice.SelectedZone());

    // A row beyond the list is none.
    choice.SelectPlace(5);
    EXPECT_FALSE(choice.SelectedPlace());
    EXPECT_FALSE(choice.CanAccept());
}

TEST(BirthplaceChoiceTest, AnswersAreResetForEachNewPlace) {
    BirthplaceChoice choice(kTwiceInGermany, ChoicePlaces());
    choice.SearchPlaces("mün");
    EXPECT_EQ(choice.Result().status, ZoneStatus::Ambiguous);
    EXPECT_FALSE(choice.CanAccept());
    EXPECT_NE(choice.SummerText(), "");
    choice.SetDst(DstChoice::NoDst);
    EXPECT_EQ(choice.Result().timeDifference, -1);
    choice.SetDst(DstChoice::Dst);
    EXPECT_EQ(choice.Result().timeDifference, -2);
    choice.SelectPlace(1);
    EXPECT_EQ(choice.Dst(), DstChoice::None);
    EXPECT_FALSE(choice.CanAccept());
}

TEST(BirthplaceChoiceTest, TakenBirthplaceIsNamedWhileTheFormHoldsIt) {
    BirthplaceChoice choice({1990, 7, 1, 12, 0}, ChoicePlaces());
    choice.SearchPlaces("München");
    BirthInput input{1, 7, 1990, 12, 0, -2, false, false};
    const TakenBirthplace taken = TakeBirthplace(choice, input);
    EXPECT_EQ(taken.zone.place->name, "München");
    EXPECT_EQ(taken.zone.zone, "Europe/Berlin");
    EXPECT_EQ(taken.zone.timeDifference, -2);

    EXPECT_TRUE(BirthplaceStillShown(taken, input));
    input.southern = true; // the options play no part
    EXPECT_TRUE(BirthplaceStillShown(taken, input));
    BirthInput otherHour = input;
    otherHour.hour = 13;
    BirthInput otherValue = input;
    otherValue.timeZone = -1;
    EXPECT_FALSE(BirthplaceStillShown(taken, otherHour));
    EXPECT_FALSE(BirthplaceStillShown(taken, otherValue));
    EXPECT_FALSE(BirthplaceStillShown(std::nullopt, input));
}

} // namespace
