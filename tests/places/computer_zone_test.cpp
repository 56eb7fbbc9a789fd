// Which zone the computer runs in, from TZ, the /etc/localtime link and /etc/timezone.
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "places/computer_zone.h"
#include "tests/cli/scoped_env.h"

using places::ComputerZoneName;
using places::ComputerZoneSources;

TEST(ComputerZoneTest, FirstSourcePresentNamesTheZone) {
    const struct {
        std::optional<std::string> tz;
        const char* link;
        const char* file;
        const char* zone;
    } cases[] = {
        // TZ in its usual spellings, before everything else.
        {"Europe/Berlin", "/usr/share/zoneinfo/Etc/UTC", "Etc/UTC\n", "Europe/Berlin"},
        {":Europe/Berlin", "", "", "Europe/Berlin"},
        {"/usr/share/zoneinfo/America/New_York", "", "", "America/New_York"},
        {":/usr/share/zoneinfo/posix/Asia/Kolkata", "", "", "Asia/Kolkata"},
        {"UTC", "/usr/share/zoneinfo/Europe/Paris", "", "UTC"},
        {"", "/usr/share/zoneinfo/Europe/Paris", "", "UTC"},
        // A rule or an unknown name in TZ is what the computer uses: nothing is guessed.
        {"CET-1CEST,M3.5.0,M10.5.0/3", "/usr/share/zoneinfo/Europe/Paris", "", ""},
        {"Europe/Atlantis", "/usr/share/zoneinfo/Europe/Paris", "", ""},
        {"/etc/my-zone", "", "", ""},
        // Without TZ: the link, absolute or relative, of any of the database's trees.
        {std::nullopt, "/usr/share/zoneinfo/Europe/Paris", "Etc/UTC", "Europe/Paris"},
        {std::nullopt, "../usr/share/zoneinfo/Europe/Vienna", "", "Europe/Vienna"},
        {std::nullopt, "/usr/share/zoneinfo/right/Europe/Rome", "", "Europe/Rome"},
        {std::nullopt, "/usr/share/zoneinfo/Nowhere/Land", "Europe/Paris", ""},
        // Without a link: /etc/timezone, its first line trimmed.
        {std::nullopt, "", "Europe/Zurich\n", "Europe/Zurich"},
        {std::nullopt, "", "  Asia/Tokyo \r\nignored\n", "Asia/Tokyo"},
        {std::nullopt, "", "", ""},
    };
    for (const auto& c : cases) {
        const ComputerZoneSources sources{c.tz, c.link, c.file};
        EXPECT_EQ(ComputerZoneName(sources), c.zone)
            << c.tz.value_or("(unset)") << " | " << c.link << " | " << c.file;
    }
}

TEST(ComputerZoneTest, ReadsTheVariable) {
    {
        const ScopedEnv tz("TZ", ":Europe/Berlin");
        EXPECT_EQ(places::ReadComputerZoneSources().tz, ":Europe/Berlin");
        EXPECT_EQ(ComputerZoneName(), "Europe/Berlin");
    }
    const ScopedEnv none("TZ", nullptr);
    EXPECT_FALSE(places::ReadComputerZoneSources().tz.has_value());
}
