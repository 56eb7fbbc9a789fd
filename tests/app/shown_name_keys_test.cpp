// A record list's names lead back to their keys exactly: the text of a key gives that key (no
// NFC, no other kind), and the one key whose text cannot is kept and restored.
#include <string>

#include <gtest/gtest.h>

#include "app/record_commands.h"
#include "app/shown_name_keys.h"

namespace {

NameKey Wide(std::u16string_view units) {
    std::string bytes;
    for (const char16_t u : units) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return NameKey(NameKeyView::Wide(bytes));
}

TEST(ShownNameKeys, EveryKeyLeadsBackFromItsText) {
    const struct {
        const char* what;
        NameKey key;
        bool kept; // its text does not give it back
    } cases[] = {
        {"ASCII", NameKey("Muster"), false},
        {"Windows-1252 letters", NameKey("Zo\xEB \x80"), false},
        {"empty", NameKey(""), false},
        {"wide", Wide(u"名前"), false},
        {"wide beyond the BMP", Wide(u"A\xD83D\xDE00"), false},
        // Decomposed as a file may hold it: NFC would make the 8-bit key "\xE9" of another name.
        {"combining mark", Wide(u"e\x0301"), false},
        {"lone high surrogate",
         Wide(u"a\xD800"
              "b"),
         true},
        {"lone low surrogate", Wide(u"\xDC00"), true},
        {"the text of a lone surrogate",
         Wide(u"a\xFFFD"
              "b"),
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string shown = NameOfKey(c.key);
        const std::optional<std::string> kept = KeyToKeep(c.key, shown);
        EXPECT_EQ(kept.has_value(), c.kept);
        const NameKey back = kept ? KeptKey(*kept) : KeyOfShownName(shown);
        EXPECT_EQ(back, c.key);
        EXPECT_EQ(back.IsWide(), c.key.IsWide());
    }
}

TEST(ShownNameKeys, TextThatIsNotUtf8GivesNoKey) {
    EXPECT_EQ(KeyOfShownName("Zo\xEB"), NameKey());
    EXPECT_EQ(KeyOfShownName("\xC3"), NameKey());
}

} // namespace
