#pragma once
// The offset from Universal Time in force in a time zone at a local date and time, from the
// compiled files of a zone folder (the system's time-zone database, /usr/share/zoneinfo, unless
// another is given), with its whole history: local mean time, war-time double summer time,
// zones that moved their standard offset, and after the last transition the rule of summer time
// the file gives.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

// A local date and time as entered: day 31 of a shorter month and hour 24 run on into the
// following days, as the evaluation of the form treats them.
struct LocalMoment {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
};

struct ZoneOffset {
    int utcOffsetSeconds = 0; // local time minus Universal Time
    std::string abbreviation; // "CET", "BDST", "LMT", "+0530"
    bool dst = false;         // daylight-saving (summer) time
    // The mean time of a place's own longitude, taken in place of its zone's local mean time
    // (the abbreviation stays "LMT").
    bool placeMeanTime = false;
    bool operator==(const ZoneOffset&) const = default;
};

enum class LocalTimeKind {
    Unique,      // the local time occurs exactly once
    Nonexistent, // skipped when the clocks went forward
    Ambiguous,   // occurs twice because the clocks went back
};

struct LocalTimeOffsets {
    LocalTimeKind kind = LocalTimeKind::Unique;
    // Unique: the offset in force. Nonexistent: the offset before the gap.
    // Ambiguous: the offset of the first occurrence.
    ZoneOffset first;
    // Nonexistent: the offset after the gap. Ambiguous: that of the second occurrence.
    // Unique: equal to `first`.
    ZoneOffset second;
};

// What the time-zone database holds for a zone name.
enum class ZoneData {
    Usable,  // the zone is listed and its data is sound
    Unknown, // no such zone
    Damaged, // the zone is known but its data (or the folder's leap-second table, or the
             // folder itself) is damaged, unreadable or missing: it is not read in part
};

// Checks and reads the zone's data; the verdict on a known zone is kept for the rest of the run
// (or until the folder changes). Known are the zones the folder holds and those the build
// machine's folder held (places/zone_list.h).
ZoneData CheckZone(std::string_view zone);

// True when the time-zone database knows the zone name (e.g. "Europe/Berlin") and its data is
// sound.
bool IsKnownZone(std::string_view zone);

// The offsets for the local moment; nothing when the zone is unknown or the moment lies outside
// the form's ranges (year -9999..9999, month 1..12, day 1..31, hour 0..24, minute 0..59).
std::optional<LocalTimeOffsets> LookUpOffsets(std::string_view zone, const LocalMoment& local);

// The offsets for the local moment at a place of the zone at the longitude (degrees, east
// positive). Before the zone's first standard time, while the zone keeps the local mean time
// of its own city, the place keeps that of its longitude (see places/mean_time.h), and the
// change to standard time happens at the same instant: the gap or the repeated time around it
// is the place's. Later offsets are the zone's.
std::optional<LocalTimeOffsets> LookUpPlaceOffsets(std::string_view zone, const LocalMoment& local,
                                                   double longitude);

// The zone folder to read from now on (a copy shipped with the program, or one a test
// prepares); an empty name restores the default: TZDIR when set, else /usr/share/zoneinfo, on
// Windows the zoneinfo folder of the program's share/vexamo (places/program_folder.h).
// Forgets the verdicts kept so far.
void UseZoneFolder(std::string folder);

// The zone folder read.
std::string ZoneFolder();

// Every known zone name, sorted: those of the folder (when it is sound) and of the build
// machine's folder.
std::vector<std::string> KnownZoneNames();

} // namespace places
