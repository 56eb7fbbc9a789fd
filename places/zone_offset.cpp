#include "places/zone_offset.h"

#include <algorithm>
#include <chrono>
#include <date/tz.h>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>
#include <vector>

#include "places/mean_time.h"
#include "places/zone_file_check.h"

namespace places {

namespace {

constexpr int kMinYear = -9999;
constexpr int kMaxYear = 9999;

// The folder the library reads, chosen as it chooses it.
std::string SystemZoneFolder() {
    struct stat st {};
    if (::stat("/usr/share/zoneinfo/uclibc", &st) == 0 && S_ISDIR(st.st_mode)) {
        return "/usr/share/zoneinfo/uclibc";
    }
    return "/usr/share/zoneinfo";
}

// Files of the zone folder that the library lists as zones although they hold text.
bool IsTextFile(std::string_view zone) {
    return zone == "tzdata.zi" || zone == "leapseconds";
}

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

struct ZoneChecks {
    std::mutex mutex;
    std::string folder = SystemZoneFolder();
    // Whether the library may list the folder's zones; unset until first needed.
    std::optional<bool> folderSound;
    // The verdict on each listed zone looked up so far: its library entry, or null when its
    // data is damaged.
    std::unordered_map<std::string, const date::time_zone*, NameHash, std::equal_to<>> zones;
};

ZoneChecks& Checks() {
    static ZoneChecks checks;
    return checks;
}

// The folder can be walked, and the leap-second source the library reads on listing the zones
// (right/UTC, or UTC when that is missing) is sound or absent.
bool FolderSound(ZoneChecks& checks) {
    if (!checks.folderSound) {
        bool sound = ZoneFolderWalkable(checks.folder);
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
    return *checks.folderSound;
}

// The library's entry for the zone when its data is usable; null otherwise, with the reason.
const date::time_zone* UsableZone(std::string_view zone, ZoneData& data) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    if (const auto known = checks.zones.find(zone); known != checks.zones.end()) {
        data = known->second ? ZoneData::Usable : ZoneData::Damaged;
        return known->second;
    }
    data = ZoneData::Unknown;
    if (zone.empty() || IsTextFile(zone)) {
        return nullptr;
    }
    if (!FolderSound(checks)) {
        data = ZoneData::Damaged;
        return nullptr;
    }
    const date::time_zone* tz = nullptr;
    try {
        tz = date::locate_zone(zone);
    } catch (...) {
        return nullptr; // not listed, or the folder could not be listed
    }
    if (!tz) {
        return nullptr;
    }
    // Listed: a file that went missing since counts as unreadable.
    const bool sound = CheckZoneFile(checks.folder + '/' + tz->name()) == ZoneFileState::Sound;
    checks.zones.emplace(std::string(zone), sound ? tz : nullptr);
    data = sound ? ZoneData::Usable : ZoneData::Damaged;
    return sound ? tz : nullptr;
}

// After the library failed on data the checks let through.
void MarkDamaged(std::string_view zone) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    checks.zones.insert_or_assign(std::string(zone), nullptr);
}

ZoneOffset ToOffset(const date::sys_info& info) {
    ZoneOffset z;
    z.utcOffsetSeconds = static_cast<int>(info.offset.count());
    z.abbreviation = info.abbrev;
    z.dst = info.save != std::chrono::minutes{0};
    return z;
}

LocalTimeOffsets FromLocalInfo(const date::local_info& info) {
    LocalTimeOffsets r;
    r.first = ToOffset(info.first);
    switch (info.result) {
    case date::local_info::unique:
        r.kind = LocalTimeKind::Unique;
        r.second = r.first;
        break;
    case date::local_info::nonexistent:
        r.kind = LocalTimeKind::Nonexistent;
        r.second = ToOffset(info.second);
        break;
    case date::local_info::ambiguous:
        r.kind = LocalTimeKind::Ambiguous;
        r.second = ToOffset(info.second);
        break;
    }
    return r;
}

// The database's period of a zone's local mean time (that of the city the zone is named after).
bool IsLocalMeanTime(const date::sys_info& info) {
    return info.abbrev == "LMT";
}

// No offset reaches beyond a day and two hours, so a local time can only fall into a period
// that overlaps that much either side of it in Universal Time.
constexpr std::chrono::hours kOffsetReach{26};
constexpr std::size_t kMaxPeriods = 8;

std::vector<date::sys_info> PeriodsAround(const date::time_zone& tz, date::local_seconds when) {
    const date::sys_seconds centre{when.time_since_epoch()};
    std::vector<date::sys_info> periods{tz.get_info(centre - kOffsetReach)};
    while (periods.back().end <= centre + kOffsetReach && periods.size() < kMaxPeriods) {
        periods.push_back(tz.get_info(periods.back().end));
    }
    return periods;
}

ZoneOffset PlacePeriodOffset(const date::sys_info& info, double longitude) {
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
std::optional<LocalTimeOffsets> PlaceOffsets(const date::time_zone& tz, date::local_seconds when,
                                             double longitude) {
    const std::vector<date::sys_info> periods = PeriodsAround(tz, when);
    if (std::none_of(periods.begin(), periods.end(), IsLocalMeanTime)) {
        return std::nullopt;
    }
    std::vector<ZoneOffset> offsets;
    std::vector<date::sys_seconds> utc;
    std::vector<std::size_t> holding;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        offsets.push_back(PlacePeriodOffset(periods[i], longitude));
        utc.emplace_back(when.time_since_epoch() -
                         std::chrono::seconds{offsets[i].utcOffsetSeconds});
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
// evaluation does.
date::local_seconds LocalSeconds(const LocalMoment& local) {
    using namespace std::chrono;
    const date::year_month month =
        date::year{local.year} / date::January + date::months{local.month - 1};
    const date::local_days monthStart{month / date::day{1}};
    return date::local_seconds{monthStart} + days{local.day - 1} + hours{local.hour} +
           minutes{local.minute};
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
    const date::time_zone* tz = UsableZone(zone, data);
    if (!tz) {
        return std::nullopt;
    }
    const date::local_seconds when = LocalSeconds(local);
    try {
        if (longitude) {
            if (std::optional<LocalTimeOffsets> atPlace = PlaceOffsets(*tz, when, *longitude)) {
                return atPlace;
            }
        }
        return FromLocalInfo(tz->get_info(when));
    } catch (...) {
        MarkDamaged(zone);
        return std::nullopt;
    }
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

void UseZoneFolderForTests(std::string folder) {
    ZoneChecks& checks = Checks();
    const std::lock_guard lock(checks.mutex);
    checks.folder = folder.empty() ? SystemZoneFolder() : std::move(folder);
    checks.folderSound.reset();
    checks.zones.clear();
}

std::optional<LocalTimeOffsets> LookUpOffsets(std::string_view zone, const LocalMoment& local) {
    return LookUp(zone, local, std::nullopt);
}

std::optional<LocalTimeOffsets> LookUpPlaceOffsets(std::string_view zone, const LocalMoment& local,
                                                   double longitude) {
    return LookUp(zone, local, longitude);
}

} // namespace places
