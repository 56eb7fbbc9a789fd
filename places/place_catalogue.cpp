#include "places/place_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

#include "places/display_languages.h"
#include "places/name_fold.h"
#include "places/place_table_file.h"

namespace places {

struct PlaceCatalogue::Entry {
    Place place;
    std::string number;                  // the place's number in the place list
    std::vector<std::string> otherNames; // besides place.name (before the translations)
    std::string foldedArea; // region, country and country code, for the part after a comma
};

// Every folded spelling of every name, grouped by place in list order.
struct PlaceCatalogue::Index {
    struct Key {
        std::uint32_t offset; // of the folded spelling in `folded`
        std::uint32_t length;
        std::uint32_t entry;
        std::uint32_t spelling; // index into `spellings`: the name as written
        bool own;               // the name shown, in the user's language
    };
    std::string folded;
    std::vector<Key> keys;
    std::vector<std::string> spellings;
};

struct PlaceCatalogue::Lazy {
    std::once_flag once;
    Index index;
};

namespace {

// The languages of the table to show names in, the first wanted first.
std::vector<const PlaceLanguage*> ShownLanguages(const PlaceTable& table) {
    std::vector<const PlaceLanguage*> shown;
    for (const std::string& name : CatalogueNames(UserDisplayLanguages())) {
        const PlaceLanguage* language = table.Language(name);
        if (language != nullptr && std::find(shown.begin(), shown.end(), language) == shown.end()) {
            shown.push_back(language);
        }
    }
    return shown;
}

// The name of the key in the first of the languages that has one (a translation that is the key
// itself counting as none), else the English.
std::string Shown(const std::vector<const PlaceLanguage*>& languages, std::string_view key,
                  std::string_view english) {
    for (const PlaceLanguage* language : languages) {
        if (const std::optional<std::string_view> name = Translate(*language, key)) {
            return std::string(*name != key ? *name : english);
        }
    }
    return std::string(english);
}

bool IsPlaceNumber(std::string_view key) {
    return !key.empty() &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string FoldArea(const Place& p, std::string_view more = {}) {
    std::string area = p.region + " / " + p.country + " / " + p.countryCode;
    if (!more.empty()) {
        area.append(" / ").append(more);
    }
    return FoldName(area);
}

} // namespace

PlaceCatalogue::PlaceCatalogue() : m_table(&ProgramPlaceTable()), m_lazy(std::make_unique<Lazy>()) {
    const std::vector<const PlaceLanguage*> languages = ShownLanguages(*m_table);
    m_entries.reserve(m_table->Places().size());
    for (const PlaceRecord& r : m_table->Places()) {
        Entry e;
        e.place.name = Shown(languages, r.number, r.name);
        e.place.region = Shown(languages, r.regionKey, r.region);
        e.place.country = Shown(languages, r.countryCode, r.country);
        e.place.countryCode = r.countryCode;
        e.place.zone = r.zone;
        e.place.latitude = r.latitude;
        e.place.longitude = r.longitude;
        e.place.population = r.population;
        e.number = r.number;
        // The English names, found whatever the language shown.
        e.otherNames.emplace_back(r.name);
        e.foldedArea = FoldArea(e.place, std::string(r.region) + " / " + std::string(r.country));
        m_entries.push_back(std::move(e));
    }
}

PlaceCatalogue::PlaceCatalogue(std::vector<Place> places,
                               std::vector<std::vector<std::string>> otherNames)
    : m_lazy(std::make_unique<Lazy>()) {
    m_entries.reserve(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        Entry e;
        e.foldedArea = FoldArea(places[i]);
        e.place = std::move(places[i]);
        if (i < otherNames.size()) {
            e.otherNames = std::move(otherNames[i]);
        }
        m_entries.push_back(std::move(e));
    }
}

PlaceCatalogue::~PlaceCatalogue() = default;
PlaceCatalogue::PlaceCatalogue(PlaceCatalogue&&) noexcept = default;
PlaceCatalogue& PlaceCatalogue::operator=(PlaceCatalogue&&) noexcept = default;

std::size_t PlaceCatalogue::Size() const {
    return m_entries.size();
}

const PlaceCatalogue::Index& PlaceCatalogue::NameIndex() const {
    std::call_once(m_lazy->once, [this] {
        std::vector<std::vector<std::string>> translations(m_entries.size());
        if (m_table != nullptr) {
            std::unordered_map<std::string_view, std::size_t> byNumber;
            byNumber.reserve(m_entries.size());
            for (std::size_t i = 0; i < m_entries.size(); ++i) {
                byNumber.emplace(m_entries[i].number, i);
            }
            // Every language's names, the languages in the order of their names.
            for (const PlaceLanguage& language : m_table->Languages()) {
                for (const PlaceTranslation& t : language.translations) {
                    const auto found = IsPlaceNumber(t.key) ? byNumber.find(t.key) : byNumber.end();
                    if (found != byNumber.end()) {
                        translations[found->second].emplace_back(t.text);
                    }
                }
            }
        }
        Index& index = m_lazy->index;
        std::vector<std::string> spellings; // of one place
        std::vector<std::string> folds;     // of one place
        const auto addKey = [&](std::string fold, std::size_t entry, bool own) {
            if (fold.empty() || std::find(folds.begin(), folds.end(), fold) != folds.end()) {
                return;
            }
            index.keys.push_back({static_cast<std::uint32_t>(index.folded.size()),
                                  static_cast<std::uint32_t>(fold.size()),
                                  static_cast<std::uint32_t>(entry),
                                  static_cast<std::uint32_t>(index.spellings.size() - 1), own});
            index.folded += fold;
            folds.push_back(std::move(fold));
        };
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            spellings.assign(1, e.place.name);
            const std::vector<std::string>* const sources[] = {&e.otherNames, &translations[i]};
            for (const std::vector<std::string>* names : sources) {
                for (const std::string& name : *names) {
                    if (std::find(spellings.begin(), spellings.end(), name) == spellings.end()) {
                        spellings.push_back(name);
                    }
                }
            }
            folds.clear();
            for (std::size_t s = 0; s < spellings.size(); ++s) {
                index.spellings.push_back(std::move(spellings[s]));
                const std::string& name = index.spellings.back();
                addKey(FoldName(name), i, s == 0);
                if (std::optional<std::string> umlauts = FoldUmlautSpelling(name)) {
                    addKey(std::move(*umlauts), i, s == 0);
                }
            }
        }
    });
    return m_lazy->index;
}

std::vector<Place> PlaceCatalogue::Search(std::string_view query, std::size_t limit,
                                          std::size_t* matching) const {
    if (matching != nullptr) {
        *matching = 0;
    }
    const std::size_t comma = query.find(',');
    const std::string name = FoldName(query.substr(0, comma));
    const std::string area =
        comma == std::string_view::npos ? std::string() : FoldName(query.substr(comma + 1));
    if (name.empty() || limit == 0) {
        return {};
    }
    const Index& index = NameIndex();

    // How a place was found: by a name equal to the query or only by one beginning with it
    // (the better of the two counts), whether the shown name was among those, whether the shown
    // name matched at all, and by which spelling.
    struct Hit {
        std::uint32_t entry;
        bool exact = false;
        bool own = false;
        bool ownMatched = false;
        std::uint32_t spelling = 0;
    };
    std::vector<Hit> hits;
    const std::string_view folded = index.folded;
    for (std::size_t k = 0; k < index.keys.size();) {
        const std::uint32_t entry = index.keys[k].entry;
        std::optional<Hit> hit;
        for (; k < index.keys.size() && index.keys[k].entry == entry; ++k) {
            const Index::Key& key = index.keys[k];
            const std::string_view spelled = folded.substr(key.offset, key.length);
            if (!MatchesFolded(spelled, name)) {
                continue;
            }
            const bool exact = spelled == name;
            const bool ownMatched = key.own || (hit && hit->ownMatched);
            if (!hit || (exact && !hit->exact)) {
                hit = Hit{entry, exact, key.own, ownMatched, key.spelling};
            } else if (exact == hit->exact && key.own) {
                hit->own = true;
            }
            hit->ownMatched = ownMatched;
        }
        if (hit && (area.empty() || MatchesWordPrefix(m_entries[entry].foldedArea, area))) {
            hits.push_back(*hit);
        }
    }
    const auto before = [this](const Hit& a, const Hit& b) {
        if (a.exact != b.exact) {
            return a.exact;
        }
        // Among names equal to the query the language does not count ("Rome" is Rome, Italy
        // also where it is called "Rom"); among partial ones the user's own names go first.
        if (!a.exact && a.own != b.own) {
            return a.own;
        }
        const std::uint32_t pa = m_entries[a.entry].place.population;
        const std::uint32_t pb = m_entries[b.entry].place.population;
        if (pa != pb) {
            return pa > pb;
        }
        return a.entry < b.entry; // list order: stable across runs
    };
    if (matching != nullptr) {
        *matching = hits.size();
    }
    const std::size_t count = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(count), hits.end(),
                      before);
    std::vector<Place> result;
    result.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Place p = m_entries[hits[i].entry].place;
        if (!hits[i].ownMatched && index.spellings[hits[i].spelling] != p.name) {
            p.matchedName = index.spellings[hits[i].spelling];
        }
        result.push_back(std::move(p));
    }
    return result;
}

const PlaceCatalogue& SharedPlaceCatalogue() {
    static const PlaceCatalogue catalogue;
    return catalogue;
}

} // namespace places
