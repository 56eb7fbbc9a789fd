// Finding names by any part of them, and going on through the list with wrapping.
#include "app/name_search.h"

#include <gtest/gtest.h>

TEST(NameSearchMatch, CaseAccentsAndScriptVariantsAside) {
    struct Case {
        const char* name;
        const char* query;
        bool found;
    };
    const Case cases[] = {
        {"Łukasz Żak", "zak", true},
        {"Łukasz Żak", "ŻAK", true},
        {"Łukasz Żak", "lukasz z", true},
        {"Łukasz Żak", "kasz", true},
        {"Łukasz Żak", "zack", false},
        {"Νίκος Παπαδόπουλος", "νικος", true}, // accent and final sigma
        {"Νίκος Παπαδόπουλος", "ΝΊΚΟΣ", true},
        {"Νίκος Παπαδόπουλος", "ΠΑΠΑΔΟΠ", true},
        {"李小龙", "小龙", true},
        {"李小龙", "小虎", false},
        {"Zoë Müller", "zoe muller", true},
        {"Anna-Lena Österreicher", "anna lena", true},
        {"Anna-Lena Österreicher", "oster", true},
        {"ｚａｋ", "zak", true}, // full-width letters
        {"Eva", "", false},
        {"Eva", "  ", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameMatches(FoldForSearch(c.name), FoldForSearch(c.query)), c.found)
            << c.name << " / " << c.query;
    }
}

TEST(NameSearchFind, FromARowOnWrappingAndKeptInStepWithTheList) {
    NameSearch search;
    search.Assign({"Adam Żak", "Berta", "Carl Zakrzewski", "Dora"});
    const std::string zak = FoldForSearch("zak");
    EXPECT_EQ(search.Find(zak, 0), 0);
    EXPECT_EQ(search.Find(zak, 1), 2);
    EXPECT_EQ(search.Find(zak, 3), 0); // wraps
    EXPECT_EQ(search.Find(zak, 99), 0);
    EXPECT_EQ(search.Find(FoldForSearch("xyz"), 0), -1);
    EXPECT_EQ(search.Find("", 0), -1);

    search.Insert(1, "Zak Abel");
    EXPECT_EQ(search.size(), 5u);
    EXPECT_EQ(search.Find(zak, 1), 1);
    search.Erase(0);
    EXPECT_EQ(search.Find(zak, 0), 0); // "Zak Abel" is now the first row
    EXPECT_EQ(search.Find(zak, 1), 2);
    search.Clear();
    EXPECT_EQ(search.Find(zak, 0), -1);
}
