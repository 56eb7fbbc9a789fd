#include "places/zone_offset.h"

#include <chrono>
#include <date/tz.h>
#include <stdexcept>

namespace places {

namespace {

constexpr int kMinYear = -9999;
constexpr int kMaxYear = 9999;

const date::time_zone* FindZone(std::string_view zone) {
    if (zone.empty()) {
        return nullptr;
    }
    try {
        return date::locate_zone(zone);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}

ZoneOffset ToOffset(const date::sys_info& info) {
    ZoneOffset z;
    z.utcOffsetSeconds = static_cast<int>(info.offset.count());
    z.abbreviation = info.abbrev;
    z.dst = info.save != std::chrono::minutes{0};
    return z;
}

} // namespace

bool IsKnownZone(std::string_view zone) {
    return FindZone(zone) != nullptr;
}

std::optional<LocalTimeOffsets> LookUpOffsets(std::string_view zone, const LocalMoment& local) {
    if (local.year < kMinYear || local.year > kMaxYear || local.month < 1 || local.month > 12 ||
        local.day < 1 || local.day > 31 || local.hour < 0 || local.hour > 24 || local.minute < 0 ||
        local.minute > 59) {
        return std::nullopt;
    }
    const date::time_zone* tz = FindZone(zone);
    if (!tz) {
        return std::nullopt;
    }
    // Days beyond the month's length and hour 24 run on from the first of the month, as the
    // evaluation does.
    using namespace std::chrono;
    const date::year_month month =
        date::year{local.year} / date::January + date::months{local.month - 1};
    const date::local_days monthStart{month / date::day{1}};
    const date::local_seconds when = date::local_seconds{monthStart} + days{local.day - 1} +
                                     hours{local.hour} + minutes{local.minute};
    const date::local_info info = tz->get_info(when);
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

} // namespace places
