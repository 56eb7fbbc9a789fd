#pragma once
// What the program is and what it is made from, as both programs credit it: its version and
// licence, the place data with its licence and the library that reads it, the zone data and the
// window's toolkit. The facts are here once; the catalogue words them.
#include <string>
#include <string_view>

struct Credits {
    std::string_view version;      // "1.0.0.1", the build's
    std::string_view licence;      // as an SPDX expression
    std::string_view placeData;    // the birthplaces' source
    std::string_view placeLicence; // the licence it asks to be credited under
    std::string_view placeLibrary; // the library the program reads it through
    std::string_view zoneData;     // the time-zone database
    std::string_view toolkit;      // the window's toolkit, without its version
};

const Credits& ProgramCredits();

// The credits of the "Licences et sources" box; toolkitVersion: the toolkit's version in use
// (empty: not known), written after its name.
std::string CreditsText(std::string_view toolkitVersion);
// The same as the one line of vexamo-cli's version text.
std::string CliCreditsLine(std::string_view toolkitVersion);
