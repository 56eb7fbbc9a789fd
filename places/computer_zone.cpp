#include "places/computer_zone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "places/zone_offset.h"

namespace places {

namespace {

constexpr std::string_view kZoneFolder = "zoneinfo/";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// "Europe/Berlin" from "/usr/share/zoneinfo/Europe/Berlin" or "../usr/share/zoneinfo/posix/
// Europe/Berlin"; a name without a folder stays as it is.
std::string_view ZoneOfPath(std::string_view path) {
    const std::size_t at = path.rfind(kZoneFolder);
    if (at != std::string_view::npos) {
        path.remove_prefix(at + kZoneFolder.size());
        for (const std::string_view tree : {"posix/", "right/"}) {
            if (path.starts_with(tree)) {
                path.remove_prefix(tree.size());
            }
        }
    } else if (path.starts_with('/')) {
        return {};
    }
    return path;
}

std::string KnownZone(std::string_view name) {
    return !name.empty() && IsKnownZone(name) ? std::string(name) : std::string();
}

} // namespace

ComputerZoneSources ReadComputerZoneSources() {
    ComputerZoneSources sources;
    if (const char* tz = std::getenv("TZ")) {
        sources.tz = tz;
    }
    std::error_code error;
    const std::filesystem::path link = std::filesystem::read_symlink("/etc/localtime", error);
    if (!error) {
        sources.localtimeLink = link.string();
    }
    std::ifstream file("/etc/timezone");
    std::getline(file, sources.timezoneFile);
    return sources;
}

std::string ComputerZoneName(const ComputerZoneSources& sources) {
    if (sources.tz) {
        std::string_view tz = *sources.tz;
        if (tz.empty()) {
            return KnownZone("UTC");
        }
        if (tz.starts_with(':')) {
            tz.remove_prefix(1);
        }
        return KnownZone(ZoneOfPath(tz));
    }
    if (!sources.localtimeLink.empty()) {
        return KnownZone(ZoneOfPath(sources.localtimeLink));
    }
    const std::string_view file = sources.timezoneFile;
    return KnownZone(Trimmed(file.substr(0, file.find('\n'))));
}

std::string ComputerZoneName() {
    return ComputerZoneName(ReadComputerZoneSources());
}

} // namespace places
