// "&Lieu de naissance..." from the menu: the form's date and time go into the dialog (after the
// form's checks); typing finds the places, OK puts the time difference into field 1022 and
// evaluates; a time that occurred twice asks summer or winter time, one that never occurred
// gives no value. The dialog is the real one, worked by control id instead of a modal loop.
#include <gtest/gtest.h>

#include "app/place_list_state.h"
#include "app/text_catalogue.h"
#include "astro/birth.h"
#include "places/place_catalogue.h"
#include "res/resource_ids.h"
#include "win/birthplace_dialog.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

const places::PlaceCatalogue& TestPlaces() {
    static const places::PlaceCatalogue catalogue({
        {"München", "Bayern", "Deutschland", "DE", "Europe/Berlin", 48.14, 11.58, 1260391},
        {"Münster", "Nordrhein-Westfalen", "Deutschland", "DE", "Europe/Berlin", 51.96, 7.63,
         270184},
        {"Mumbai", "Maharashtra", "Indien", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
    });
    return catalogue;
}

// The dialog's controls as a user sees and works them.
struct Worked {
    CBirthplaceDialog& dialog;
    void Type(int id, const std::string& text) const {
        SetWindowTextUtf8(dialog.Control(id), text); // the field tells the dialog, as typing does
    }
    void Key(int id, WPARAM key) const { SendMessageW(dialog.Control(id), WM_KEYDOWN, key, 0); }
    void Click(int id) const { SendMessageW(dialog.Control(id), BM_CLICK, 0, 0); }
    std::string Text(int id) const { return WindowTextUtf8(dialog.Control(id)); }
    bool Shown(int id) const {
        return (GetWindowLongW(dialog.Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    bool OkEnabled() const { return IsWindowEnabled(dialog.Control(IDOK)) != FALSE; }
    int Rows(int list) const {
        return static_cast<int>(SendMessageW(dialog.Control(list), LB_GETCOUNT, 0, 0));
    }
    int Current(int list) const {
        return static_cast<int>(SendMessageW(dialog.Control(list), LB_GETCURSEL, 0, 0));
    }
    std::string Row(int list, int row) const {
        wchar_t text[256] = {};
        SendMessageW(dialog.Control(list), LB_GETTEXT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(text));
        return Narrow(text);
    }
};

Worked Work(CTemplateDialog& d) {
    auto* dialog = dynamic_cast<CBirthplaceDialog*>(&d);
    EXPECT_NE(dialog, nullptr);
    return Worked{*dialog};
}

std::string Julian(int day, int month, int year, int hour, int minute, int timeZone) {
    return EvaluateBirth(day, month, year, hour, minute, timeZone, 0, 0).m_strJulianDate;
}

class BirthplaceTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        places = &TestPlaces();
        ASSERT_TRUE(Start());
        messages.shown.clear();
    }
};

TEST_F(BirthplaceTest, TypingFindsThePlacesAndOkFillsTheTimeDifference) {
    EnterBirth(1, 7, 1990, 12, 0, 1); // typed, not yet calculated
    std::string explanation;
    dialogScripts.push_back([&](CTemplateDialog& d) {
        const Worked w = Work(d);
        EXPECT_EQ(WindowTextUtf8(d.Window()), "Lieu de naissance");
        EXPECT_EQ(w.Text(IDC_PLACE_EXPLANATION),
                  "Tapez le nom du lieu de naissance, puis choisissez-le dans la liste.");
        EXPECT_FALSE(w.OkEnabled());
        w.Type(IDC_PLACE_SEARCH, "Mün");
        ASSERT_EQ(w.Rows(IDC_PLACE_LIST), 2);
        EXPECT_EQ(w.Row(IDC_PLACE_LIST, 0), "München, Bayern, Deutschland — Europe/Berlin");
        EXPECT_EQ(w.Current(IDC_PLACE_LIST), 0);
        // The arrows in the field move through the list; the typing stays.
        w.Key(IDC_PLACE_SEARCH, VK_DOWN);
        EXPECT_EQ(w.Current(IDC_PLACE_LIST), 1);
        EXPECT_EQ(w.dialog.Choice().SelectedPlace()->name, "Münster");
        w.Key(IDC_PLACE_SEARCH, VK_UP);
        EXPECT_EQ(w.Text(IDC_PLACE_SEARCH), "Mün");
        explanation = w.Text(IDC_PLACE_EXPLANATION);
        EXPECT_FALSE(w.Shown(IDC_PLACE_SUMMER));
        EXPECT_FALSE(w.Shown(IDC_PLACE_ROUND));
        w.dialog.Notify(IDOK, BN_CLICKED);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_TRUE(dialogScripts.empty());
    EXPECT_EQ(explanation, "Le 1.7.1990 à 12:00 à München :\n"
                           "UTC+02:00 (CEST), heure d'été.\n"
                           "Fuseau horaire: -2");
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-2");
    EXPECT_EQ(Text(IDC_JULIAN), Julian(1, 7, 1990, 12, 0, -2));
    EXPECT_EQ(Text(IDC_BIRTH), "1.7.1990 12:00Uhr");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(app->Document().IsModified());
}

TEST_F(BirthplaceTest, RepeatedHourAsksSummerOrWinterTime) {
    // 2:30 on 27.10.2024 came twice in München: first in summer, then in winter time.
    const struct {
        int button;
        const char* value;
    } answers[] = {{IDC_PLACE_SUMMER, "-2"}, {IDC_PLACE_WINTER, "-1"}};
    for (const auto& answer : answers) {
        EnterBirth(27, 10, 2024, 2, 30, 1);
        dialogScripts.push_back([&](CTemplateDialog& d) {
            const Worked w = Work(d);
            w.Type(IDC_PLACE_SEARCH, "München");
            EXPECT_FALSE(w.OkEnabled());
            EXPECT_NE(w.Text(IDC_PLACE_EXPLANATION).find("Cette heure a eu lieu deux fois"),
                      std::string::npos);
            ASSERT_TRUE(w.Shown(IDC_PLACE_SUMMER));
            ASSERT_TRUE(w.Shown(IDC_PLACE_WINTER));
            EXPECT_EQ(w.Text(IDC_PLACE_SUMMER),
                      "Heure d'&été : UTC+02:00 (CEST), fuseau horaire -2");
            EXPECT_EQ(w.Text(IDC_PLACE_WINTER),
                      "Heure d'&hiver : UTC+01:00 (CET), fuseau horaire -1");
            // Enter without an answer keeps the dialog open.
            w.dialog.Notify(IDOK, BN_CLICKED);
            EXPECT_EQ(w.dialog.EndCode(), 0);
            w.Click(answer.button);
            EXPECT_TRUE(w.OkEnabled());
            const std::string text = w.Text(IDC_PLACE_EXPLANATION);
            EXPECT_EQ(text.substr(text.rfind('\n') + 1),
                      std::string("Fuseau horaire: ") + answer.value);
            w.Click(IDOK);
        });
        Command(ID_INSERT_BIRTHPLACE);
        EXPECT_TRUE(dialogScripts.empty());
        EXPECT_EQ(Text(IDC_TIME_ZONE), answer.value);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BirthplaceTest, AnotherPlaceAsksAnew) {
    EnterBirth(27, 10, 2024, 2, 30, 1);
    dialogScripts.push_back([](CTemplateDialog& d) {
        const Worked w = Work(d);
        w.Type(IDC_PLACE_SEARCH, "Mün");
        w.Click(IDC_PLACE_SUMMER);
        EXPECT_TRUE(w.OkEnabled());
        w.Key(IDC_PLACE_SEARCH, VK_DOWN); // Münster: the same question, unanswered
        EXPECT_EQ(IsDlgButtonChecked(d.Window(), IDC_PLACE_SUMMER), BST_UNCHECKED);
        EXPECT_FALSE(w.OkEnabled());
        w.dialog.Notify(IDCANCEL, BN_CLICKED);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "1");
}

TEST_F(BirthplaceTest, SkippedHourGivesNoValue) {
    // 2:30 on 31.3.2024 never came in München: the clocks went from 2:00 to 3:00.
    EnterBirth(31, 3, 2024, 2, 30, 1);
    Click(IDC_CALCULATE);
    const std::string julian = Text(IDC_JULIAN);
    dialogScripts.push_back([](CTemplateDialog& d) {
        const Worked w = Work(d);
        w.Type(IDC_PLACE_SEARCH, "München");
        EXPECT_NE(w.Text(IDC_PLACE_EXPLANATION).find("Cette heure n'a pas existé"),
                  std::string::npos);
        EXPECT_FALSE(w.Shown(IDC_PLACE_SUMMER));
        EXPECT_FALSE(w.OkEnabled());
        w.dialog.Notify(IDOK, BN_CLICKED); // Enter: nothing to take
        EXPECT_EQ(w.dialog.EndCode(), 0);
    }); // the dialog ends as the close box would
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "1");
    EXPECT_EQ(Text(IDC_JULIAN), julian);
}

TEST_F(BirthplaceTest, ZoneChosenByNameForATownNotListed) {
    EnterBirth(15, 1, 1980, 12, 0, 1);
    dialogScripts.push_back([](CTemplateDialog& d) {
        const Worked w = Work(d);
        EXPECT_GT(w.Rows(IDC_ZONE_LIST), 100); // every zone, to browse
        w.Type(IDC_PLACE_SEARCH, "Hintertupfing");
        EXPECT_EQ(w.Rows(IDC_PLACE_LIST), 0);
        EXPECT_EQ(w.Text(IDC_PLACE_EXPLANATION),
                  "Aucun lieu trouvé. Essayez un autre nom ou seulement le début du nom.");
        EXPECT_FALSE(w.OkEnabled());
        w.Type(IDC_ZONE_SEARCH, "Europe/Ber");
        ASSERT_EQ(w.dialog.Choice().SelectedZone(), "Europe/Berlin");
        EXPECT_EQ(w.Current(IDC_ZONE_LIST), 0);
        EXPECT_EQ(w.Text(IDC_PLACE_EXPLANATION)
                      .rfind("Le 15.1.1980 à 12:00 dans le fuseau "
                             "Europe/Berlin :\n",
                             0),
                  0u);
        w.Click(IDOK);
    });
    Command(ID_INSERT_BIRTHPLACE);
    EXPECT_EQ(Text(IDC_TIME_ZONE), "-1");
    EXPECT_EQ(Text(IDC_JULIAN), Julian(15, 1, 1980, 12, 0, -1));
}

TEST_F(BirthplaceTest, RefusedFormAsksNoPlace) {
    EnterBirth(1, 13, 1990, 12, 0, 1);
    Command(ID_INSERT_BIRTHPLACE); // no script: a dialog would fail the test
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Veuillez entrer un mois entre 1 et 12."});
}

// Without a place list the dialog says why above the place search, greys it with its list and
// explains nothing among places (the notice replaced the explanation's message); a zone can
// still be chosen.
TEST(BirthplaceListProblemTest, MissingOrDamagedListIsSaid) {
    const places::PlaceCatalogue none{std::vector<places::Place>{}};
    for (const auto state : {places::PlaceTableState::Missing, places::PlaceTableState::Damaged}) {
        const std::string problem =
            PlaceListProblem(state, "C:\\Vexamo\\share\\vexamo\\places.bin");
        CBirthplaceDialog dialog({2000, 1, 15, 12, 0}, none, problem);
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        const Worked w{dialog};
        EXPECT_TRUE(w.Shown(IDC_PLACE_NOTICE));
        EXPECT_EQ(w.Text(IDC_PLACE_NOTICE), problem);
        EXPECT_FALSE(IsWindowEnabled(dialog.Control(IDC_PLACE_SEARCH)));
        EXPECT_FALSE(IsWindowEnabled(dialog.Control(IDC_PLACE_LIST)));
        EXPECT_TRUE(IsWindowEnabled(dialog.Control(IDC_ZONE_SEARCH)));
        EXPECT_EQ(w.Text(IDC_PLACE_EXPLANATION), "");
        w.Type(IDC_ZONE_SEARCH, "Europe/Berlin");
        EXPECT_TRUE(w.OkEnabled());
        w.Click(IDOK);
        EXPECT_EQ(dialog.ChosenTimeDifference(), -1);
    }
    // A sound list shows no notice and leaves the place search to type in.
    const places::PlaceCatalogue some{std::vector<places::Place>{
        {"Berlin", "Berlin", "Deutschland", "DE", "Europe/Berlin", 52.5, 13.4, 3600000}}};
    CBirthplaceDialog sound({2000, 1, 15, 12, 0}, some, "");
    ASSERT_TRUE(sound.CreateModeless(nullptr));
    EXPECT_FALSE(Worked{sound}.Shown(IDC_PLACE_NOTICE));
    EXPECT_TRUE(IsWindowEnabled(sound.Control(IDC_PLACE_SEARCH)));
    EXPECT_TRUE(IsWindowEnabled(sound.Control(IDC_PLACE_LIST)));
    EXPECT_EQ(Worked{sound}.Text(IDC_PLACE_EXPLANATION), UserText(TextId::PlaceTypeToSearch));
}

} // namespace
