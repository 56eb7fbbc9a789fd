#pragma once
// Items of a message joined as the user's language joins them: "png and svg",
// "tsv, csv oder jsonl", "png et svg".
#include <span>
#include <string>
#include <string_view>

#include "app/text_catalogue.h"

// The items separated by ", ", the last two by the text join (CliListAnd, CliListOr): one item
// alone as it is, none as an empty text.
std::string ListText(std::span<const std::string_view> items, TextId join);
std::string ListText(std::initializer_list<std::string_view> items, TextId join);
