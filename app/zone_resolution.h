#pragma once
// The form's time difference ("Fuseau horaire") from a birthplace or a time zone at an entered
// local date and time. The command line, the record import and the desktop resolve it here, so
// a place gives the same value everywhere.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "places/place.h"
#include "places/place_catalogue.h"
#include "places/time_difference.h"

// A local date and time as entered, and the answer to the summer-or-winter question of a time
// that occurs twice.
using LocalMoment = places::LocalMoment;
using DstChoice = places::DstChoice;

enum class ZoneStatus {
    Ok,             // whole hours within -12..12 (an ambiguous time decided by a choice included)
    NotWholeHours,  // e.g. UTC+5:30; determined only when rounding was accepted
    OutOfRange,     // beyond -12..12, e.g. UTC+13
    Nonexistent,    // the local time was skipped when the clocks went forward
    Ambiguous,      // the local time occurred twice and no choice was given
    UnknownPlace,   // no place matches the name
    UnknownZone,    // the zone name is not in the time-zone database
    DateNotCovered, // the zone is known, but the database does not reach the year
    DamagedZone,    // the zone's data in the database is damaged or unreadable
};

// Where the zone comes from: a place name as searched ("München", "Paris, US") or a zone name
// ("Europe/Berlin"). A zone name is taken as it is when the time-zone database knows it, else
// as the desktop's zone search reads it (places::FoldedZoneNames::Match over the system's zones:
// case ignored, blanks for underscores, "europe/berlin" or "new york").
struct ZoneSource {
    enum class Kind { Place, Zone };
    Kind kind = Kind::Zone;
    std::string name;
};

// The caller's decisions for the special cases.
struct ZoneChoice {
    places::DstChoice dst = places::DstChoice::None; // for a local time that occurs twice
    bool round = false; // accept the nearest whole hour for a non-whole-hour offset
};

struct ZoneResolution {
    ZoneStatus status = ZoneStatus::UnknownZone;
    std::optional<places::Place> place; // the place used, for a place name
    bool severalPlaces = false;         // the name matched more than one place
    std::string zone; // the zone used (that of the place, or the one the name given stands for)
    // UnknownZone: up to three zone names near the one given, for a "did you mean".
    std::vector<std::string> suggestions;
    // The offset in force, or the chosen one of an ambiguous time; unset for a nonexistent or
    // undecided ambiguous time and when nothing was looked up.
    std::optional<places::ZoneOffset> offset;
    // Both offsets of a local time that occurs twice (first and second occurrence), also when a
    // choice decided it; empty otherwise.
    std::vector<places::ZoneOffset> candidates;
    // The offsets before and after the gap of a nonexistent local time.
    std::optional<places::ZoneOffset> gapBefore;
    std::optional<places::ZoneOffset> gapAfter;
    // The value for the form, when one is determined.
    std::optional<int> timeDifference;
    // NotWholeHours: the nearest whole hour and by how many seconds taking it moves the computed
    // moment (negative: earlier).
    int roundedHours = 0;
    int roundingShiftSeconds = 0;

    bool Determined() const { return timeDifference.has_value(); }
    // The zone was found and looked up (the status is one of the first five).
    bool LookedUp() const;
};

// The local moment of an entered birth (its time difference plays no part).
places::LocalMoment LocalMomentOf(const BirthInput& in);
// Puts a local moment into the birth's date and time; the rest of the input stays.
void SetLocalMoment(BirthInput& in, const places::LocalMoment& local);

// Resolves the time difference for the source at the local moment. A place name is searched in
// the catalogue; of several matches the first of the search (an equal name before a partial
// one, then the most populous) is taken and severalPlaces is set.
ZoneResolution ResolveZone(const ZoneSource& source, const places::LocalMoment& local,
                           const ZoneChoice& choice, const places::PlaceCatalogue& catalogue);
// The same with the program's shared catalogue (read on first use of a place name).
ZoneResolution ResolveZone(const ZoneSource& source, const places::LocalMoment& local,
                           const ZoneChoice& choice);
// The same for a place already chosen (from a list of matches): its zone at the local moment,
// where before the zone's first standard time the place keeps the mean time of its own
// longitude, not that of the zone's city (a zone given by name keeps its own).
ZoneResolution ResolvePlaceZone(const places::Place& place, const places::LocalMoment& local,
                                const ZoneChoice& choice);

// The machine-readable name of a status of a looked-up zone: "ok", "nonexistent", "ambiguous",
// "not-whole-hours", "out-of-range"; "unknown-place", "unknown-zone", "date-not-covered",
// "damaged-zone".
const char* ZoneStatusKey(ZoneStatus status);
