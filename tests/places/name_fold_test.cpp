// Folding of place names for matching, and the two ways a query matches a name.
#include <gtest/gtest.h>
#include <string_view>

#include "places/name_fold.h"

using places::FoldName;
using places::FoldUmlautSpelling;
using places::MatchesFolded;
using places::MatchesWordPrefix;

TEST(NameFoldTest, AccentsCaseAndPunctuationAreFolded) {
    EXPECT_EQ(FoldName("München"), "munchen");
    EXPECT_EQ(FoldName("Genève"), "geneve");
    EXPECT_EQ(FoldName("  Frankfurt (Oder) "), "frankfurt oder");
    EXPECT_EQ(FoldName("Saint-Étienne"), "saint etienne");
    EXPECT_EQ(FoldName("L'Aquila"), "laquila");
    EXPECT_EQ(FoldName(""), "");
    // Bytes that are not UTF-8 (Latin-1 "Genève") and embedded zeros are dropped.
    EXPECT_EQ(FoldName("Gen\xE8ve"), "genve");
    EXPECT_EQ(FoldName(std::string_view("Bern\0x", 6)), "bernx");
}

TEST(NameFoldTest, PrefixOrWholeWordsMatch) {
    EXPECT_TRUE(MatchesFolded("frankfurt am main", "frank"));
    EXPECT_TRUE(MatchesFolded("frankfurt am main", "main"));
    EXPECT_TRUE(MatchesFolded("frankfurt am main", "am main"));
    EXPECT_FALSE(MatchesFolded("frankfurt am main", "mai"));
    EXPECT_FALSE(MatchesFolded("maintal", "main tal"));
    EXPECT_TRUE(MatchesFolded("new york city", "york"));
    EXPECT_FALSE(MatchesFolded("yorkton", "ork"));
    EXPECT_FALSE(MatchesFolded("bern", "berne"));
    EXPECT_FALSE(MatchesFolded("bern", ""));
}

TEST(NameFoldTest, AreaMatchesTheBeginningOfAnyWord) {
    EXPECT_TRUE(MatchesWordPrefix("bayern deutschland de", "deutsch"));
    EXPECT_TRUE(MatchesWordPrefix("bayern deutschland de", "bay"));
    EXPECT_FALSE(MatchesWordPrefix("bayern deutschland de", "ayern"));
    EXPECT_FALSE(MatchesWordPrefix("bayern deutschland de", ""));
}

TEST(NameFoldTest, OtherScriptsKeepTheirLettersWithoutAccents) {
    const struct {
        const char* name;
        const char* folded;
    } cases[] = {
        {"Москва", "москва"},
        {"МОСКВА", "москва"},
        {"Ρώμη", "ρωμη"}, // the accent goes, as on Latin letters
        {"Ρωμη", "ρωμη"},
        {"東京", "東京"},
        {"Mji wa Рим", "mji wa рим"},
        {"Санкт-Петербург", "санкт петербург"},
        {"Łódź", "lodz"},
        {"Straße", "strasse"},
        {"Gen\xE8ve?", "genve"}, // an invalid byte and a question mark are dropped
        {"\xE2\x80\x94", ""},    // a dash alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoldName(c.name), c.folded) << c.name;
    }
}

TEST(NameFoldTest, UmlautsWrittenTheGermanWay) {
    EXPECT_EQ(FoldUmlautSpelling("München"), "muenchen");
    EXPECT_EQ(FoldUmlautSpelling("ÖSTERREICH"), "oesterreich");
    EXPECT_EQ(FoldUmlautSpelling("Zürich-Äußere"), "zuerich aeussere");
    EXPECT_EQ(FoldUmlautSpelling("Genève"), std::nullopt);
    EXPECT_EQ(FoldUmlautSpelling(""), std::nullopt);
}

// A character that folds to nothing but a letter still separates what came before it by a
// blank, as letters do; one that stays as it is is kept.
TEST(NameFoldTest, LettersThatComeToNothingOrStay) {
    EXPECT_EQ(FoldName("\uFF76\uFF9E"), "\u30AB"); // half-width KA and its voicing mark
    EXPECT_EQ(FoldName("a \uFF9E"), "a ");
    EXPECT_EQ(FoldName("\u5317\u4EAC"), "\u5317\u4EAC");
    EXPECT_EQ(FoldName("\xE2\x82"), "");       // a sequence cut off
    EXPECT_EQ(FoldName("\xED\xA0\x80x"), "x"); // a surrogate's bytes
    EXPECT_EQ(FoldName("\xC0\xAFz"), "z");     // an overlong form
}
