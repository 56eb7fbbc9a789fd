// Lists the zones of the build machine's zone folder as the source of BuildZoneNames
// (places/zone_list.h), at build time:
//   vexamo-zone-list OUTPUT.cpp FOLDER
// Only the zones whose files are sound zone data are listed.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "places/zone_file_check.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vexamo-zone-list OUTPUT.cpp FOLDER\n";
        return 2;
    }
    const std::string folder = argv[2];
    const std::optional<std::vector<std::string>> zones = places::ListZoneFolder(folder);
    if (!zones) {
        std::cerr << folder << ": not a zone folder that can be walked\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << "// Made by vexamo-zone-list from " << folder << ": do not edit.\n"
        << "#include \"places/zone_list.h\"\n\nnamespace places {\n\nnamespace {\n\n"
        << "constexpr std::string_view kNames[] = {\n";
    std::size_t listed = 0;
    for (const std::string& zone : *zones) {
        // Names of letters, digits and "/_-+" only, which need no escaping.
        const bool plain = zone.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"
                                                  "tuvwxyz0123456789/_-+") == std::string::npos;
        if (plain && places::CheckZoneFile(folder + '/' + zone) == places::ZoneFileState::Sound) {
            out << "    \"" << zone << "\",\n";
            ++listed;
        }
    }
    out << "};\n\n} // namespace\n\nstd::span<const std::string_view> BuildZoneNames() {\n"
        << "    return kNames;\n}\n\n} // namespace places\n";
    out.close();
    if (!out || listed == 0) {
        std::cerr << argv[1] << ": not written, or no zone found in " << folder << "\n";
        return 1;
    }
    return 0;
}
