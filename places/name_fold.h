#pragma once
// Place names reduced for matching: accents removed, lower-case ASCII letters and digits,
// words separated by single blanks ("Frankfurt (Oder)" -> "frankfurt oder"). Letters without
// a Latin spelling stay as they are, in lower case ("Москва" -> "москва").
#include <optional>
#include <string>
#include <string_view>

namespace places {

std::string FoldName(std::string_view utf8);

// The German way of writing a name's umlauts in ASCII, folded ("München" -> "muenchen"); empty
// when the name has no umlaut.
std::optional<std::string> FoldUmlautSpelling(std::string_view utf8);

// True when `query` (folded) is a prefix of `folded`, or stands in it as whole words.
bool MatchesFolded(std::string_view folded, std::string_view query);

// True when `query` (folded) begins one of the words of `folded`.
bool MatchesWordPrefix(std::string_view folded, std::string_view query);

} // namespace places
