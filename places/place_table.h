#pragma once
// The place list as a data file: every place with its names in English, region, country, zone,
// position and population, and the names of places, regions and countries in every language the
// list was translated into. Made at build time from the build machine's libgeonames
// (tools/place_table_maker.cpp) and read by the program wherever it runs, without GLib.
//
// The file: "VXPLACE" and a version byte, then unsigned numbers in 7-bit groups (lowest group
// first, the high bit set on all but the last):
//   the size of the text pool and the pool: texts ending with a zero byte, each used once and
//     named by where it begins;
//   the keys a translation is found by (place numbers, "CC.RR" for regions, "CC" for
//     countries), sorted byte by byte, as texts of the pool;
//   the places: number key, name, region key, region, country key, country, zone (texts but
//     the keys), population, and latitude and longitude as the bits of IEEE doubles (8 bytes,
//     lowest first);
//   the languages, sorted by name: name, the number of translations and for each the key (as
//     the distance from the previous one, which comes first) and the text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

struct PlaceRecord {
    std::string_view number; // the place's number in GeoNames, the key of its translations
    std::string_view name;   // in English
    std::string_view regionKey;
    std::string_view region; // in English
    std::string_view countryCode;
    std::string_view country; // in English
    std::string_view zone;
    std::uint32_t population = 0;
    double latitude = 0.0;
    double longitude = 0.0;
};

struct PlaceTranslation {
    std::string_view key;
    std::string_view text;
};

struct PlaceLanguage {
    std::string_view name;                      // "de", "pt_BR", "sr@latin"
    std::vector<PlaceTranslation> translations; // sorted by key, byte by byte
};

class PlaceTable {
  public:
    // The table in a file's data; nothing when it is not one.
    static std::optional<PlaceTable> Decode(std::string bytes);

    // The data of a file holding the places and languages (languages sorted by name, the
    // translations of each by key, no key twice); translations of keys no place uses are left
    // out.
    static std::string Encode(const std::vector<PlaceRecord>& places,
                              const std::vector<PlaceLanguage>& languages);

    const std::vector<PlaceRecord>& Places() const { return m_places; }
    const std::vector<PlaceLanguage>& Languages() const { return m_languages; }
    // The language of the name, or nullptr.
    const PlaceLanguage* Language(std::string_view name) const;

  private:
    std::shared_ptr<const std::string> m_bytes; // the texts the views show
    std::vector<PlaceRecord> m_places;
    std::vector<PlaceLanguage> m_languages;
};

// The translation of the key in the language, or nothing.
std::optional<std::string_view> Translate(const PlaceLanguage& language, std::string_view key);

} // namespace places
