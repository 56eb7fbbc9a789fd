#pragma once
// Where the running program lies, and on Windows where the data it ships lie: share/vexamo with
// the place table (places.bin) and the zone folder (zoneinfo/) beside the program, as installed,
// or a level or two above it, as in the build tree.
#include <filesystem>

namespace places {

// The running program's file: /proc/self/exe, GetModuleFileNameW. Empty when unknown.
std::filesystem::path ProgramFile();

#ifdef _WIN32
// share/vexamo of the program's folder, its parent or theirs, the first that holds places.bin;
// the program's own share/vexamo when none does.
std::filesystem::path ShippedDataFolder();
#endif

} // namespace places
