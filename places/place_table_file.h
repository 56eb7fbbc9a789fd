#pragma once
// Where the program finds its place table (places/place_table.h), and the table read from there.
#include <string>

#include "places/place_table.h"

namespace places {

// The file: on Windows, share/vexamo/places.bin beside the program or above it
// (places/program_folder.h). Elsewhere the build tree's when the running program lies in the build
// tree (the programs, the tests, the benchmarks), otherwise the installed one,
// share/vexamo/places.bin under the installation's folder the program lies in (bin/ or
// libexec/vexamo/), else under the prefix the build was made for.
std::string PlaceTableFile();

// The table of PlaceTableFile(), read once; without places when the file is missing or damaged.
const PlaceTable& ProgramPlaceTable();

enum class PlaceTableState {
    Sound,
    Missing, // no file by that name
    Damaged, // not a place table, or not readable
};

// Whether ProgramPlaceTable() holds the file's places, or why not.
PlaceTableState ProgramPlaceTableState();

// The same for another file, read anew.
PlaceTableState PlaceTableStateOf(const std::string& file);

} // namespace places
