// Makes the place table (places/place_table.h) from the build machine's libgeonames, at build
// time: its place list, and the names of its message catalogues in every language.
//   vexamo-place-table OUTPUT LOCALE_FOLDER
// LOCALE_FOLDER holds <language>/LC_MESSAGES/geonames.mo (/usr/share/locale). Only this program
// links libgeonames and GLib; the program reads the table wherever it runs.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <geonames.h>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "places/place_table.h"
#include "tools/mo_file.h"

namespace {

// One place of libgeonames' list in its own words: number, English name, region code, English
// region, country code, English country, zone, population, latitude, longitude.
constexpr const char* kCityType = "(sssssssudd)";

struct City {
    std::string number, name, regionKey, region, countryCode, country, zone;
    std::uint32_t population = 0;
    double latitude = 0.0;
    double longitude = 0.0;
};

bool ReadCities(std::vector<City>& cities) {
    const gint n = geonames_get_n_cities();
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr || !g_variant_is_of_type(city, G_VARIANT_TYPE(kCityType))) {
            std::cerr << "vexamo-place-table: place " << i << " is not of the type " << kCityType
                      << "\n";
            return false;
        }
        gchar* text[7] = {};
        City c;
        g_variant_get(city, kCityType, &text[0], &text[1], &text[2], &text[3], &text[4], &text[5],
                      &text[6], &c.population, &c.latitude, &c.longitude);
        c.number = text[0];
        c.name = text[1];
        // The key libgeonames translates a region by: country code, dot, region code.
        c.regionKey = std::string(text[4]) + "." + text[2];
        c.region = text[3];
        c.countryCode = text[4];
        c.country = text[5];
        c.zone = text[6];
        for (gchar* t : text) {
            g_free(t);
        }
        geonames_city_free(city);
        cities.push_back(std::move(c));
    }
    return !cities.empty();
}

struct Language {
    std::string name;
    std::vector<std::pair<std::string, std::string>> translations;
};

bool ReadLanguages(const std::filesystem::path& folder, std::vector<Language>& languages) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::filesystem::path file = it->path() / "LC_MESSAGES" / "geonames.mo";
        if (std::filesystem::is_regular_file(file, error)) {
            files.push_back(std::move(file));
        }
    }
    if (error) {
        std::cerr << folder << ": " << error.message() << "\n";
        return false;
    }
    // In the order of the languages' names, which the table keeps.
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return a.parent_path().parent_path().filename().string() <
               b.parent_path().parent_path().filename().string();
    });
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        Language language{file.parent_path().parent_path().filename().string(), {}};
        if (!ForEachMoEntry(bytes, [&](std::string_view key, std::string_view text) {
                language.translations.emplace_back(key, text);
            })) {
            std::cerr << file << ": not a message catalogue\n";
            return false;
        }
        std::stable_sort(language.translations.begin(), language.translations.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        const auto twice =
            std::adjacent_find(language.translations.begin(), language.translations.end(),
                               [](const auto& a, const auto& b) { return a.first == b.first; });
        if (twice != language.translations.end()) {
            std::cerr << file << ": the key " << twice->first << " is there twice\n";
            return false;
        }
        languages.push_back(std::move(language));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vexamo-place-table OUTPUT LOCALE_FOLDER\n";
        return 2;
    }
    std::vector<City> cities;
    std::vector<Language> languages;
    if (!ReadCities(cities) || !ReadLanguages(argv[2], languages)) {
        return 1;
    }
    std::vector<places::PlaceRecord> records;
    for (const City& c : cities) {
        records.push_back({c.number, c.name, c.regionKey, c.region, c.countryCode, c.country,
                           c.zone, c.population, c.latitude, c.longitude});
    }
    std::vector<places::PlaceLanguage> names;
    for (const Language& language : languages) {
        places::PlaceLanguage l{language.name, {}};
        for (const auto& [key, text] : language.translations) {
            l.translations.push_back({key, text});
        }
        names.push_back(std::move(l));
    }
    const std::string table = places::PlaceTable::Encode(records, names);
    // Read back, as the program will.
    const std::optional<places::PlaceTable> check = places::PlaceTable::Decode(table);
    if (!check || check->Places().size() != cities.size() ||
        check->Languages().size() != languages.size()) {
        std::cerr << "vexamo-place-table: the table does not read back\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << table;
    out.close();
    if (!out) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    std::cout << "vexamo-place-table: " << cities.size() << " places, " << languages.size()
              << " languages, " << table.size() << " bytes\n";
    return 0;
}
