#pragma once
// Names in the record list's order under the English (United States) locale, the same in the
// Linux and the Windows program: case twins (the stored bytes decide, so "Muster" before
// "muster"), accents, hyphens and apostrophes, Greek, Chinese and the euro sign.
#include <string>
#include <vector>

// clang-format off
inline const std::vector<std::string> kNamesInListOrder = {
    "€uro",
    "Anna", "anna",
    "Anne-Marie", "Annemarie",
    "Elise", "Élise", "élise",
    "Muster", "muster",
    "O'Neil", "Oneil",
    "Zoë",
    "Νίκος", "νίκος",
    "李小龙",
};
// clang-format on

// Where the two programs' collations differ: an emoji goes among the signs before every letter
// in the Linux program, after the Greek names and before the Chinese one in the Windows program;
// and a blank sorts before a hyphen or an apostrophe in the Linux program, after them in the
// Windows program ("Anne Marie", "Anne-Marie"), though both go before the letters.
inline const std::string kEmojiName = "😀 Smiley";

// The names in the order a file might hold them.
inline std::vector<std::string> NamesShuffled() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kNamesInListOrder.size(); ++i) {
        names.push_back(kNamesInListOrder[(i * 5 + 3) % kNamesInListOrder.size()]);
    }
    return names;
}
