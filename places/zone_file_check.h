#pragma once
// Checks of the system's compiled zone files (TZif) and of the zone folder, made before the
// time-zone library reads them. The library trusts the files: a damaged one makes it assert,
// throw from deep inside a stream or allocate what the counts claim; a FIFO makes it wait for
// ever, and a folder that links back into itself makes its walk of the folder endless. Nothing
// here blocks: files are opened without waiting and only regular files are read.
#include <string>
#include <string_view>

namespace places {

enum class ZoneFileState {
    Sound,   // a regular file holding well-formed zone data
    Missing, // no such file
    Damaged, // not a regular file, unreadable, or not well-formed zone data
};

struct ZoneFileRules {
    // Leap-second records are accepted (the library's leap-second source); in a zone file they
    // are refused, since the library applies its own leap-second table to them.
    bool leapSeconds = false;
};

// Checks zone data held in memory: the header, every count against the size, and in each data
// block the transition order, the type indices, the offsets and the abbreviation indices.
ZoneFileState CheckZoneBytes(std::string_view bytes, const ZoneFileRules& rules = {});

// Opens the file without blocking, and checks its data when it is a regular file.
ZoneFileState CheckZoneFile(const std::string& path, const ZoneFileRules& rules = {});

// True when the library can walk the folder in bounded time: no directory reachable from
// itself through a link, and not more entries than any real zone folder holds.
bool ZoneFolderWalkable(const std::string& folder);

} // namespace places
