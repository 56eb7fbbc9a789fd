#include "app/text_catalogue.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

TEST(TextCatalogue, EveryIdHasItsOwnText) {
    std::set<std::string> seen;
    for (int id = static_cast<int>(TextId::DocTemplate); id <= static_cast<int>(TextId::Last);
         ++id) {
        const std::string text = UserText(static_cast<TextId>(id));
        EXPECT_FALSE(text.empty()) << id;
        // The one English text that French words in two ways, told apart by its context.
        if (static_cast<TextId>(id) != TextId::CliZonePlaceMeanTimeVowel) {
            EXPECT_TRUE(seen.insert(text).second) << "twice: " << text;
        }
    }
}

TEST(TextCatalogue, ArgumentsReplaceTheirMarksOnce) {
    EXPECT_EQ(UserText(TextId::RecordMissing, {"Eva"}),
              "Der Datensatz 'Eva' existiert nicht; list zeigt die gespeicherten Namen.");
    // A mark inside an argument stays as given, as with QString::arg.
    EXPECT_EQ(UserText(TextId::DeleteRecordQuestion, {"%1 %2"}),
              "Soll der Datensatz %1 %2 gelöscht werden?");
    EXPECT_EQ(UserText(TextId::NameNotStorable, {"\u65E5\uFFFD", "2"}),
              "Der Name \u201E\u65E5\uFFFD\u201C ist kein gültiges UTF-8 (ungültiges Byte an "
              "Stelle 2).");
    // Without arguments a mark is left alone; texts without marks are unchanged.
    EXPECT_EQ(UserText(TextId::RecordMissing, {}),
              "Der Datensatz '%1' existiert nicht; list zeigt die gespeicherten Namen.");
    EXPECT_EQ(UserText(TextId::TipConstZone, {"x"}), UserText(TextId::TipConstZone));
}
