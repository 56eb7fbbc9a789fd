#pragma once
// The time zone the computer runs in, by its name in the time-zone database.
#include <optional>
#include <string>

namespace places {

// Where a Linux system writes down its zone.
struct ComputerZoneSources {
    std::optional<std::string> tz; // the TZ variable, when it is set
    std::string localtimeLink;     // where /etc/localtime points; empty when it is no link
    std::string timezoneFile;      // the contents of /etc/timezone; empty when there is none
};

// Reads the TZ variable, the /etc/localtime link and /etc/timezone.
ComputerZoneSources ReadComputerZoneSources();

// The zone the sources name, as the C library takes them: TZ first ("Europe/Berlin",
// ":Europe/Berlin", a path below a "zoneinfo" folder; set but empty means UTC), then the zone
// /etc/localtime points to, then the first line of /etc/timezone. Empty when the first source
// present names no zone the database knows (a TZ rule such as "CET-1CEST" included): no zone
// is guessed then.
std::string ComputerZoneName(const ComputerZoneSources& sources);

// The same for this computer.
std::string ComputerZoneName();

} // namespace places
