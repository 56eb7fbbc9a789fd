#pragma once
// Why the program has no places to offer: its place list missing or damaged. Both programs say
// so where a place is looked for (vexamo-cli's places and --place, the birthplace dialog).
#include <string>

#include "places/place_table_file.h"

// The message for the state of the place list in file; empty when it is sound.
std::string PlaceListProblem(places::PlaceTableState state, const std::string& file);

// The message for the program's own place list (places/place_table_file.h).
std::string PlaceListProblem();

// The message for the place list in another file, read anew.
std::string PlaceListProblemOf(const std::string& file);
