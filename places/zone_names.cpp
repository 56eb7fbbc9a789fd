#include "places/zone_names.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "places/zone_offset.h"
#include "records/utf8_paths.h"

namespace places {

namespace {

// The zones of the database itself, without fixed-offset zones.
std::vector<std::string> DatabaseZoneNames() {
    std::vector<std::string> names = KnownZoneNames();
    std::erase_if(names, [](const std::string& name) {
        return name.find('/') == std::string::npos || name.starts_with("Etc/");
    });
    return names;
}

std::vector<std::string> ReadSystemZoneNames() {
    std::ifstream in(PathOfUtf8(ZoneFolder()) / "zone.tab");
    const std::string table{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> names = ZoneNamesOfTable(table);
    if (names.empty()) {
        names = DatabaseZoneNames();
    }
    names.emplace_back("UTC");
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::erase_if(names, [](const std::string& name) { return !IsKnownZone(name); });
    return names;
}

// The parts of a folded name a text may stand for: the whole name, then what follows each "/".
template <typename Visit> void ForEachPart(std::string_view folded, Visit visit) {
    visit(folded);
    for (std::size_t slash = folded.find('/'); slash != std::string_view::npos;
         slash = folded.find('/', slash + 1)) {
        visit(folded.substr(slash + 1));
    }
}

// Longer texts are no misspelt zone name: they get no edit distances (whose cost grows with
// their length).
constexpr std::size_t kMaxEditedLength = 64;
// Texts this long may be two edits from the name meant, shorter ones one.
constexpr std::size_t kTwoEditsLength = 8;

// The number of single-byte insertions, deletions and replacements that turn a into b, or
// limit + 1 as soon as it is known to exceed limit; b has at most kMaxEditedLength + 2 bytes.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    std::array<std::size_t, kMaxEditedLength + 3> row;
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t least = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
            least = std::min(least, row[j]);
        }
        if (least > limit) {
            return limit + 1;
        }
    }
    return row[b.size()];
}

} // namespace

const std::vector<std::string>& SystemZoneNames() {
    static const std::vector<std::string> names = ReadSystemZoneNames();
    return names;
}

std::vector<std::string> ZoneNamesOfTable(std::string_view table) {
    std::vector<std::string> names;
    while (!table.empty()) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        std::string_view line = table.substr(0, end);
        table.remove_prefix(std::min(end + 1, table.size()));
        if (line.empty() || line.front() == '#') {
            continue;
        }
        // The third field, between the second and third tab.
        for (int field = 0; field < 2; ++field) {
            const std::size_t tab = line.find('\t');
            line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        }
        line = line.substr(0, line.find_first_of("\t\r"));
        if (!line.empty()) {
            names.emplace_back(line);
        }
    }
    return names;
}

std::string FoldZoneName(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    std::string folded(text);
    for (char& c : folded) {
        if (c == '_') {
            c = ' ';
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

FoldedZoneNames::FoldedZoneNames(std::vector<std::string> names) : m_names(std::move(names)) {
    m_folded.reserve(m_names.size());
    for (const std::string& name : m_names) {
        m_folded.push_back(FoldZoneName(name));
    }
}

std::vector<std::string> FoldedZoneNames::Search(std::string_view text) const {
    const std::string wanted = FoldZoneName(text);
    const std::string slashWanted = std::string(1, '/').append(wanted);
    std::vector<std::string> starting;
    std::vector<std::string> holding;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const std::string& folded = m_folded[i];
        const std::size_t at = folded.find(wanted);
        if (at == std::string::npos) {
            continue;
        }
        const bool start =
            at == 0 || folded[at - 1] == '/' || folded.find(slashWanted) != std::string::npos;
        (start ? starting : holding).push_back(m_names[i]);
    }
    starting.insert(starting.end(), holding.begin(), holding.end());
    return starting;
}

std::optional<std::string> FoldedZoneNames::Match(std::string_view text) const {
    const std::string wanted = FoldZoneName(text);
    if (wanted.empty()) {
        return std::nullopt;
    }
    std::optional<std::size_t> byPart;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_folded[i] == wanted) {
            return m_names[i];
        }
        if (!byPart) {
            ForEachPart(m_folded[i], [&](std::string_view part) {
                if (part == wanted) {
                    byPart = i;
                }
            });
        }
    }
    return byPart ? std::optional<std::string>(m_names[*byPart]) : std::nullopt;
}

std::vector<std::string> FoldedZoneNames::Nearest(std::string_view text, std::size_t count) const {
    const std::string wanted = FoldZoneName(text);
    std::vector<std::string> nearest;
    if (wanted.empty() || count == 0) {
        return nearest;
    }
    nearest = Search(text);
    if (nearest.size() >= count || wanted.size() > kMaxEditedLength) {
        nearest.resize(std::min(nearest.size(), count));
        return nearest;
    }
    const std::size_t limit = wanted.size() < kTwoEditsLength ? 1 : 2;
    std::vector<std::pair<std::size_t, std::size_t>> near; // distance, index in the names
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        std::size_t best = limit + 1;
        ForEachPart(m_folded[i], [&](std::string_view part) {
            // Parts far longer or shorter than the text are beyond the limit anyway.
            const std::size_t gap = part.size() > wanted.size() ? part.size() - wanted.size()
                                                                : wanted.size() - part.size();
            if (gap <= limit) {
                best = std::min(best, EditDistance(wanted, part, limit));
            }
        });
        // Those the search found are already there, and come first.
        if (best <= limit && m_folded[i].find(wanted) == std::string::npos) {
            near.emplace_back(best, i);
        }
    }
    std::sort(near.begin(), near.end());
    for (std::size_t k = 0; k < near.size() && nearest.size() < count; ++k) {
        nearest.push_back(m_names[near[k].second]);
    }
    return nearest;
}

const FoldedZoneNames& SystemZones() {
    static const FoldedZoneNames zones(SystemZoneNames());
    return zones;
}

std::vector<std::string> SearchZoneNames(std::string_view text,
                                         const std::vector<std::string>& names) {
    return FoldedZoneNames(names).Search(text);
}

} // namespace places
