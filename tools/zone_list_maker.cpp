// Lists the zones of the build machine's zone folder as the source of BuildZoneNames
// (places/zone_list.h), at build time:
//   vexamo-zone-list OUTPUT.cpp FOLDER [COPY]
// Only the zones whose files are sound zone data are listed. COPY, when given, is made a zone
// folder of the listed zones and the folder's table of zones by country, for a program that
// ships its own.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "places/zone_file_check.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: vexamo-zone-list OUTPUT.cpp FOLDER [COPY]\n";
        return 2;
    }
    const std::string folder = argv[2];
    const std::optional<std::vector<std::string>> zones = places::ListZoneFolder(folder);
    if (!zones) {
        std::cerr << folder << ": not a zone folder that can be walked\n";
        return 1;
    }
    std::filesystem::path copy;
    std::error_code error;
    if (argc == 4) {
        copy = argv[3];
        std::filesystem::remove_all(copy, error);
        std::filesystem::create_directories(copy, error);
        std::filesystem::copy_file(std::filesystem::path(folder) / "zone.tab", copy / "zone.tab",
                                   error);
        if (error) {
            std::cerr << copy.string() << ": " << error.message() << "\n";
            return 1;
        }
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
            if (!copy.empty()) {
                const std::filesystem::path to = copy / zone;
                std::filesystem::create_directories(to.parent_path(), error);
                if (!std::filesystem::copy_file(folder + '/' + zone, to, error)) {
                    std::cerr << to.string() << ": " << error.message() << "\n";
                    return 1;
                }
            }
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
