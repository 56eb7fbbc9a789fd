#include "app/zone_default.h"

#include <string>

#include "app/zone_resolution.h"
#include "places/computer_zone.h"
#include "places/windows_zone_names.h"

std::optional<int> DefaultTimeDifference(std::string_view zone, const places::LocalMoment& local) {
    if (zone.empty()) {
        return std::nullopt;
    }
    const ZoneResolution r =
        ResolveZone({ZoneSource::Kind::Zone, std::string(zone)}, local, ZoneChoice{});
    return r.status == ZoneStatus::Ok ? r.timeDifference : std::nullopt;
}

std::string ComputerZone() {
#ifdef _WIN32
    return places::WindowsComputerZoneName();
#else
    return places::ComputerZoneName();
#endif
}
