#include "places/place_catalogue.h"

#include <algorithm>
#include <geonames.h>

#include "places/name_fold.h"

namespace places {

struct PlaceCatalogue::Entry {
    Place place;
    std::string foldedName;    // in the user's language
    std::string foldedEnglish; // empty when equal to foldedName
    std::string foldedArea;    // region, country and country code, for the part after a comma
};

namespace {

std::string Text(const gchar* s) {
    return s ? std::string(s) : std::string();
}

Place ReadPlace(GeonamesCity* city) {
    Place p;
    p.name = Text(geonames_city_get_name(city));
    p.region = Text(geonames_city_get_state(city));
    p.country = Text(geonames_city_get_country(city));
    p.countryCode = Text(geonames_city_get_country_code(city));
    p.zone = Text(geonames_city_get_timezone(city));
    p.latitude = geonames_city_get_latitude(city);
    p.longitude = geonames_city_get_longitude(city);
    p.population = geonames_city_get_population(city);
    return p;
}

} // namespace

PlaceCatalogue::PlaceCatalogue() {
    const gint n = geonames_get_n_cities();
    m_entries.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) {
            continue;
        }
        Entry e;
        e.place = ReadPlace(city);
        // The English name, which libgeonames has no accessor for once a translation exists:
        // the second field of its record. A search finds a place by either name.
        e.foldedName = FoldName(e.place.name);
        if (g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
            const gchar* english = nullptr;
            g_variant_get_child(city, 1, "&s", &english);
            std::string foldedEnglish = FoldName(Text(english));
            if (foldedEnglish != e.foldedName) {
                e.foldedEnglish = std::move(foldedEnglish);
            }
        }
        geonames_city_free(city);
        m_entries.push_back(std::move(e));
    }
    for (Entry& e : m_entries) {
        e.foldedArea =
            FoldName(e.place.region + " / " + e.place.country + " / " + e.place.countryCode);
    }
}

PlaceCatalogue::PlaceCatalogue(std::vector<Place> places) {
    m_entries.reserve(places.size());
    for (Place& p : places) {
        Entry e;
        e.foldedName = FoldName(p.name);
        e.foldedArea = FoldName(p.region + " / " + p.country + " / " + p.countryCode);
        e.place = std::move(p);
        m_entries.push_back(std::move(e));
    }
}

PlaceCatalogue::~PlaceCatalogue() = default;
PlaceCatalogue::PlaceCatalogue(PlaceCatalogue&&) noexcept = default;
PlaceCatalogue& PlaceCatalogue::operator=(PlaceCatalogue&&) noexcept = default;

std::size_t PlaceCatalogue::Size() const {
    return m_entries.size();
}

std::vector<Place> PlaceCatalogue::Search(std::string_view query, std::size_t limit) const {
    const std::size_t comma = query.find(',');
    const std::string name = FoldName(query.substr(0, comma));
    const std::string area =
        comma == std::string_view::npos ? std::string() : FoldName(query.substr(comma + 1));
    if (name.empty() || limit == 0) {
        return {};
    }

    struct Hit {
        const Entry* entry;
        bool exact;
    };
    std::vector<Hit> hits;
    for (const Entry& e : m_entries) {
        const bool named = MatchesFolded(e.foldedName, name) ||
                           (!e.foldedEnglish.empty() && MatchesFolded(e.foldedEnglish, name));
        if (!named || (!area.empty() && !MatchesWordPrefix(e.foldedArea, area))) {
            continue;
        }
        hits.push_back({&e, e.foldedName == name || e.foldedEnglish == name});
    }
    const auto before = [](const Hit& a, const Hit& b) {
        if (a.exact != b.exact) {
            return a.exact;
        }
        if (a.entry->place.population != b.entry->place.population) {
            return a.entry->place.population > b.entry->place.population;
        }
        return a.entry < b.entry; // list order: stable across runs
    };
    const std::size_t count = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(count), hits.end(),
                      before);
    std::vector<Place> result;
    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        result.push_back(hits[i].entry->place);
    }
    return result;
}

const PlaceCatalogue& SharedPlaceCatalogue() {
    static const PlaceCatalogue catalogue;
    return catalogue;
}

} // namespace places
