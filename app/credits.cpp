#include "app/credits.h"

#include "app/text_catalogue.h"

#ifndef VEXAMO_VERSION
#error "the build sets VEXAMO_VERSION to the project's version"
#endif

const Credits& ProgramCredits() {
    static constexpr Credits kCredits{
        .version = VEXAMO_VERSION,
        .licence = "GPL-3.0-or-later",
        .placeData = "GeoNames",
        .placeLicence = "CC BY 4.0",
        .placeLibrary = "libgeonames",
        .zoneData = "tzdata",
#ifdef _WIN32
        .toolkit = "Win32", // the desktop program's window is the system's own
#else
        .toolkit = "Qt",
#endif
    };
    return kCredits;
}

namespace {

std::string Worded(TextId id, std::string_view toolkitVersion) {
    const Credits& c = ProgramCredits();
    std::string toolkit(c.toolkit);
    if (!toolkitVersion.empty()) {
        toolkit.append(" ").append(toolkitVersion);
    }
    return UserText(id, {c.version, c.licence, c.placeData, c.placeLicence, c.placeLibrary,
                         c.zoneData, toolkit});
}

} // namespace

std::string CreditsText(std::string_view toolkitVersion) {
    return Worded(TextId::CreditsText, toolkitVersion);
}

std::string CliCreditsLine(std::string_view toolkitVersion) {
    return Worded(TextId::CliCreditsLine, toolkitVersion);
}
