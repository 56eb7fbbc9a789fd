#pragma once
// Checks of the compiled zone files (TZif) and of the zone folder, made before the zone history
// is read from them (places/zone_history.h): a damaged file is refused as a whole rather than
// read in part, a FIFO would make a reader wait for ever, and a folder that links back into
// itself would make a walk of it endless. Nothing here blocks: files are opened without waiting
// and only regular files are read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

enum class ZoneFileState {
    Sound,   // a regular file holding well-formed zone data
    Missing, // no such file
    Damaged, // not a regular file, unreadable, or not well-formed zone data
};

struct ZoneFileRules {
    // Leap-second records are accepted (the folder's leap-second table, right/UTC); in a zone
    // file they are refused: the offsets are those of civil time, which counts no leap seconds.
    bool leapSeconds = false;
};

// Checks zone data held in memory: the header, every count against the size, and in each data
// block the transition order, the type indices, the offsets and the abbreviation indices.
ZoneFileState CheckZoneBytes(std::string_view bytes, const ZoneFileRules& rules = {});

// Opens the file without blocking, and checks its data when it is a regular file; `bytes`, when
// given, receives the data of a sound file.
ZoneFileState CheckZoneFile(const std::string& path, const ZoneFileRules& rules = {},
                            std::string* bytes = nullptr);

// The zones of a zone folder ("Europe/Berlin", "UTC", ...), sorted: every file of it and of
// its subfolders, following links, but for hidden ones, the copies under posix/ and right/ and
// the database's tables and texts (zone.tab, tzdata.zi, leapseconds, ...). Nothing when the
// folder cannot be walked in bounded time: a directory reachable from itself through a link,
// or more entries than any real zone folder holds.
std::optional<std::vector<std::string>> ListZoneFolder(const std::string& folder);

// Whether ListZoneFolder gives the folder's zones.
bool ZoneFolderWalkable(const std::string& folder);

} // namespace places
