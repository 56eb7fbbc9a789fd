#include "places/zone_offset.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "places/civil_days.h"
#include "places/mean_time.h"
#include "places/zone_file_check.h"
#include "places/zone_history.h"
#include "places/zone_list.h"
#ifdef _WIN32
#include "places/program_folder.h"
#include "records/utf8_paths.h"
#endif

namespace places {

namespace {

constexpr int kMinYear = -9999;
constexpr int kMaxYear = 9999;

// The folder read when none is given: TZDIR, as the C library takes it, else the system's; on
// Windows, which has none, the one the program ships.
std::string DefaultZoneFolder() {
    const char* dir = std::getenv("TZDIR");
    if (dir != nullptr && *dir != '\0') {
        return dir;
    }
#ifdef _WIN32
    return Utf8OfPath(ShippedDataFolder() / "zoneinfo");
#else
    return "/usr/share/zoneinfo";
#endif
}

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

struct ZoneChecks {
    std::mutex mutex;
    std::string folder = DefaultZoneFolder();
    // The zones the folder lists when it is sound; unset until first needed.
    std::optional<std::vector<std::string>> listed;
    bool folderSound = false;
    // The verdict on each known zone looked up so far: its history, or null when its data is
    // damaged.
    std::unordered_map<std::string, std::shared_ptr<const ZoneHistory>, NameHash, std::equal_to<>>
        zones;
};

ZoneChecks& Checks() {
    static ZoneChecks checks;
    return checks;
}

// The folder can be walked, and its leap-second table (right/UTC, or UTC when that is missing)
// is sound or absent: an installation whose own tables are damaged is not trusted in part.
bool FolderSound(ZoneChecks& checks) {
    if (!checks.listed) {
        checks.listed = ListZoneFolder(checks.folder);
        bool sound = checks.listed.has_value();
        if (sound) {
            const ZoneFileRules leaps{true};
            ZoneFileState source = CheckZoneFile(checks.folder + "/right/UTC", leaps);
            if (source == ZoneFileState::Missing) {
                source = CheckZoneFile(checks.folder + "/UTC", leaps);
            }
            sound = source != ZoneFileState::Damaged;
        }
        checks.folderSound = sound;
    }
    return checks.folderSound;
}

// Whether the zone is one the program knows: listed by the folder or by the build machine's.
bool Listed(const ZoneChecks& checks, std::string_view zone) {
    const std::span<const std::string_view> built = BuildZoneNames();
    return std::binary_search(built.begin(), built.end(), zone) ||
           std::binary_search(checks.listed->begin(), checks.listed->end(), zone);
}

// The zone's history when its data is usable; null otherwise, with the reason.
std::shared_ptr<const ZoneHistory> UsableZone(std::string_view zone, ZoneData& data) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    if (const auto known = checks.zones.find(zone); known != checks.zones.end()) {
        data = known->second ? ZoneData::Usable : ZoneData::Damaged;
        return known->second;
    }
    data = ZoneData::Unknown;
    if (zone.empty()) {
        return nullptr;
    }
    if (!FolderSound(checks)) {
        data = ZoneData::Damaged;
        return nullptr;
    }
    if (!Listed(checks, zone)) {
        return nullptr;
    }
    // Known: a file that is missing or went missing since counts as unreadable.
    std::string bytes;
    std::shared_ptr<const ZoneHistory> history;
    if (CheckZoneFile(checks.folder + '/' + std::string(zone), {}, &bytes) ==
        ZoneFileState::Sound) {
        if (std::optional<ZoneHistory> read = ZoneHistory::FromFile(bytes)) {
            history = std::make_shared<const ZoneHistory>(std::move(*read));
        }
    }
    checks.zones.emplace(std::string(zone), history);
    data = history ? ZoneData::Usable : ZoneData::Damaged;
    return history;
}

ZoneOffset ToOffset(const ZonePeriod& period) {
    return ZoneOffset{period.time.offset, period.time.abbreviation, period.time.dst};
}

LocalTimeOffsets FromLocalPeriods(const LocalPeriods& periods) {
    LocalTimeOffsets r;
    r.first = ToOffset(periods.first);
    r.second = ToOffset(periods.second);
    switch (periods.kind) {
    case LocalPeriods::Kind::Unique:
        r.kind = LocalTimeKind::Unique;
        break;
    case LocalPeriods::Kind::Nonexistent:
        r.kind = LocalTimeKind::Nonexistent;
        break;
    case LocalPeriods::Kind::Ambiguous:
        r.kind = LocalTimeKind::Ambiguous;
        break;
    }
    return r;
}

// The database's period of a zone's local mean time (that of the city the zone is named after).
bool IsLocalMeanTime(const ZonePeriod& period) {
    return period.time.abbreviation == "LMT";
}

// No offset reaches beyond a day and two hours, so a local time can only fall into a period
// that overlaps that much either side of it in Universal Time.
constexpr std::int64_t kOffsetReach = 26 * 3600;
constexpr std::size_t kMaxPeriods = 8;

std::vector<ZonePeriod> PeriodsAround(const ZoneHistory& zone, std::int64_t when) {
    std::vector<ZonePeriod> periods{zone.PeriodAt(when - kOffsetReach)};
    while (periods.back().end <= when + kOffsetReach && periods.size() < kMaxPeriods) {
        periods.push_back(zone.PeriodAt(periods.back().end));
    }
    return periods;
}

ZoneOffset PlacePeriodOffset(const ZonePeriod& info, double longitude) {
    ZoneOffset z = ToOffset(info);
    if (IsLocalMeanTime(info)) {
        z.utcOffsetSeconds = MeanTimeOffsetSecondsNear(longitude, z.utcOffsetSeconds);
        z.placeMeanTime = true;
    }
    return z;
}

// The local time at the place with the zone's local mean time replaced by the place's: each
// period of the zone holds the local time when the time less the period's offset lies within
// it. Nothing when no local mean time is near, where the zone's own answer stands.
std::optional<LocalTimeOffsets> PlaceOffsets(const ZoneHistory& zone, std::int64_t when,
                                             double longitude) {
    const std::vector<ZonePeriod> periods = PeriodsAround(zone, when);
    if (std::none_of(periods.begin(), periods.end(), IsLocalMeanTime)) {
        return std::nullopt;
    }
    std::vector<ZoneOffset> offsets;
    std::vector<std::int64_t> utc;
    std::vector<std::size_t> holding;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        offsets.push_back(PlacePeriodOffset(periods[i], longitude));
        utc.push_back(when - offsets[i].utcOffsetSeconds);
        if (periods[i].begin <= utc[i] && utc[i] < periods[i].end) {
            holding.push_back(i);
        }
    }
    LocalTimeOffsets r;
    if (holding.size() == 1) {
        r.kind = LocalTimeKind::Unique;
        r.first = r.second = offsets[holding[0]];
        return r;
    }
    if (holding.size() > 1) {
        r.kind = LocalTimeKind::Ambiguous;
        r.first = offsets[holding[0]];
        r.second = offsets[holding[1]];
        return r;
    }
    // Skipped: past the end of one period and before the start of the next.
    for (std::size_t i = 0; i + 1 < periods.size(); ++i) {
        if (utc[i] >= periods[i].end && utc[i + 1] < periods[i + 1].begin) {
            r.kind = LocalTimeKind::Nonexistent;
            r.first = offsets[i];
            r.second = offsets[i + 1];
            return r;
        }
    }
    return std::nullopt;
}

// Days beyond the month's length and hour 24 run on from the first of the month, as the
// evaluation does: seconds since 1970 as read on the clocks.
std::int64_t LocalSeconds(const LocalMoment& local) {
    return (DaysFromCivil(local.year, local.month, 1) + local.day - 1) * kSecondsPerDay +
           local.hour * 3600 + local.minute * 60;
}

bool WithinRanges(const LocalMoment& local) {
    return local.year >= kMinYear && local.year <= kMaxYear && local.month >= 1 &&
           local.month <= 12 && local.day >= 1 && local.day <= 31 && local.hour >= 0 &&
           local.hour <= 24 && local.minute >= 0 && local.minute <= 59;
}

// The offsets of the zone, or at the place of the longitude when one is given.
std::optional<LocalTimeOffsets> LookUp(std::string_view zone, const LocalMoment& local,
                                       std::optional<double> longitude) {
    if (!WithinRanges(local)) {
        return std::nullopt;
    }
    ZoneData data = ZoneData::Unknown;
    const std::shared_ptr<const ZoneHistory> zoneHistory = UsableZone(zone, data);
    if (!zoneHistory) {
        return std::nullopt;
    }
    const std::int64_t when = LocalSeconds(local);
    if (longitude) {
        if (std::optional<LocalTimeOffsets> atPlace =
                PlaceOffsets(*zoneHistory, when, *longitude)) {
            return atPlace;
        }
    }
    return FromLocalPeriods(zoneHistory->AtLocal(when));
}

} // namespace

ZoneData CheckZone(std::string_view zone) {
    ZoneData data = ZoneData::Unknown;
    UsableZone(zone, data);
    return data;
}

bool IsKnownZone(std::string_view zone) {
    return CheckZone(zone) == ZoneData::Usable;
}

void UseZoneFolder(std::string folder) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    checks.folder = folder.empty() ? DefaultZoneFolder() : std::move(folder);
    checks.listed.reset();
    checks.zones.clear();
}

std::string ZoneFolder() {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    return checks.folder;
}

std::vector<std::string> KnownZoneNames() {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    const std::span<const std::string_view> built = BuildZoneNames();
    std::vector<std::string> names(built.begin(), built.end());
    if (FolderSound(checks)) {
        names.insert(names.end(), checks.listed->begin(), checks.listed->end());
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::optional<LocalTimeOffsets> LookUpOffsets(std::string_view zone, const LocalMoment& local) {
    return LookUp(zone, local, std::nullopt);
}

std::optional<LocalTimeOffsets> LookUpPlaceOffsets(std::string_view zone, const LocalMoment& local,
                                                   double longitude) {
    return LookUp(zone, local, longitude);
}

} // namespace places
