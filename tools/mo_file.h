#pragma once
// The entries of a compiled message catalogue (a .mo file, as gettext's msgfmt writes it), in
// the order of the file: how libgeonames ships the names of its places, regions and countries
// in each language, keyed by the place's number, "CC.RR" for a region and "CC" for a country.
#include <functional>
#include <string_view>

// Calls `visit(key, text)` for every entry but the header (the empty key) and those without a
// text. Of a text with plural forms (separated by zero bytes) only the first is given. False
// when the bytes are no catalogue or point outside themselves.
bool ForEachMoEntry(std::string_view bytes,
                    const std::function<void(std::string_view key, std::string_view text)>& visit);
