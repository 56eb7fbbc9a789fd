#include "places/zone_names.h"

#include <algorithm>
#include <cstdlib>
#include <date/tz.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "places/zone_offset.h"

namespace places {

namespace {

std::string ZoneDirectory() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? dir : "/usr/share/zoneinfo";
}

// The zones of the database itself, without its duplicate trees and fixed-offset zones.
std::vector<std::string> DatabaseZoneNames() {
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones) {
            const std::string_view name = zone.name();
            if (name.find('/') != std::string_view::npos && !name.starts_with("posix/") &&
                !name.starts_with("right/") && !name.starts_with("Etc/")) {
                names.emplace_back(name);
            }
        }
    } catch (const std::exception&) {
        // No readable database: no zones to offer.
    }
    return names;
}

std::vector<std::string> ReadSystemZoneNames() {
    std::ifstream in(std::filesystem::path(ZoneDirectory()) / "zone.tab");
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

char Folded(char c) {
    if (c == '_') {
        return ' ';
    }
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) { return Folded(c); });
    return folded;
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

std::vector<std::string> SearchZoneNames(std::string_view text,
                                         const std::vector<std::string>& names) {
    const std::string wanted = Folded(text);
    const std::string slashWanted = std::string(1, '/').append(wanted);
    std::vector<std::string> starting;
    std::vector<std::string> holding;
    for (const std::string& name : names) {
        const std::string folded = Folded(name);
        const std::size_t at = folded.find(wanted);
        if (at == std::string::npos) {
            continue;
        }
        const bool start =
            at == 0 || folded[at - 1] == '/' || folded.find(slashWanted) != std::string::npos;
        (start ? starting : holding).push_back(name);
    }
    starting.insert(starting.end(), holding.begin(), holding.end());
    return starting;
}

} // namespace places
