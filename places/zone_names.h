#pragma once
// The names of the time zones of the system's time-zone database, for choosing one when the
// birthplace is not in the place list.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

// The zones a birthplace can lie in ("Europe/Berlin", "America/New_York", ...) and "UTC",
// sorted, each known to the zone history lookup. Read once, from the database's table of
// zones by country in the zone folder (ZoneFolder()); from the known zones when that table is
// missing.
const std::vector<std::string>& SystemZoneNames();

// The zone names of a table of zones by country (country code, position, name, comment per
// line; "#" begins a comment line), in the table's order.
std::vector<std::string> ZoneNamesOfTable(std::string_view table);

// A zone name or the text typed for one as the two are compared: without surrounding blanks,
// ASCII letters in lower case and "_" read as a blank ("America/New_York" -> "america/new york").
std::string FoldZoneName(std::string_view text);

// Zone names folded once (FoldZoneName), for looking texts up in them.
class FoldedZoneNames {
  public:
    explicit FoldedZoneNames(std::vector<std::string> names);

    // The names holding `text`, both folded ("new york" finds "America/New_York", "berlin" finds
    // "Europe/Berlin"); all of them for an empty text. Names beginning with the text, or with it
    // after a "/", come first, in the order given.
    std::vector<std::string> Search(std::string_view text) const;

    // The name that `text` stands for, both folded: a name equal to it ("europe/berlin" is
    // "Europe/Berlin"); else one whose part after a "/" is equal to it ("new york" is
    // "America/New_York", "buenos aires" is "America/Argentina/Buenos_Aires"). Of several equal
    // the first in the order given is taken. Nothing when no name is equal to it (a name it only
    // begins, such as "berl", is not taken).
    std::optional<std::string> Match(std::string_view text) const;

    // Up to `count` names near `text` for a "did you mean": first those Search finds, in its
    // order; then those within one edit of it (two for a text of eight characters or more: a
    // byte inserted, removed or replaced), the distance taken on the folded texts to the whole
    // name or to its part after a "/", nearest first and, at equal distance, in the order given
    // ("europe/berln": Europe/Berlin; "newyork": America/New_York).
    std::vector<std::string> Nearest(std::string_view text, std::size_t count = 3) const;

  private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_folded;
};

// SystemZoneNames folded, made once.
const FoldedZoneNames& SystemZones();

// FoldedZoneNames(names).Search(text): the desktop's zone search as the user types.
std::vector<std::string> SearchZoneNames(std::string_view text,
                                         const std::vector<std::string>& names);

} // namespace places
