#include "app/zone_resolution.h"

#include "places/zone_names.h"
#include "places/zone_offset.h"

namespace {

ZoneStatus FromTimeDifference(places::TimeDifferenceStatus status) {
    using S = places::TimeDifferenceStatus;
    switch (status) {
    case S::Ok:
        return ZoneStatus::Ok;
    case S::NotWholeHours:
        return ZoneStatus::NotWholeHours;
    case S::OutOfRange:
        return ZoneStatus::OutOfRange;
    case S::Nonexistent:
        return ZoneStatus::Nonexistent;
    case S::Ambiguous:
        return ZoneStatus::Ambiguous;
    case S::UnknownZone:
        break;
    }
    return ZoneStatus::UnknownZone;
}

// Looks up the zone at the local moment; at a place (r.place set), before the zone's first
// standard time the place's own mean time stands for the zone's.
void LookUp(ZoneResolution& r, const places::LocalMoment& local, const ZoneChoice& choice) {
    const std::optional<places::LocalTimeOffsets> offsets =
        r.place ? places::LookUpPlaceOffsets(r.zone, local, r.place->longitude)
                : places::LookUpOffsets(r.zone, local);
    if (!offsets) {
        switch (places::CheckZone(r.zone)) {
        case places::ZoneData::Usable:
            r.status = ZoneStatus::DateNotCovered;
            break;
        case places::ZoneData::Unknown:
            r.status = ZoneStatus::UnknownZone;
            break;
        case places::ZoneData::Damaged:
            r.status = ZoneStatus::DamagedZone;
            break;
        }
        return;
    }
    const places::TimeDifference d =
        places::ResolveTimeDifference(*offsets, {choice.dst, choice.round});
    r.status = FromTimeDifference(d.status);
    r.offset = d.offset;
    r.timeDifference = d.hours;
    r.roundedHours = d.roundedHours;
    r.roundingShiftSeconds = d.roundingShiftSeconds;
    if (offsets->kind == places::LocalTimeKind::Ambiguous) {
        r.candidates = {offsets->first, offsets->second};
    } else if (offsets->kind == places::LocalTimeKind::Nonexistent) {
        r.gapBefore = offsets->first;
        r.gapAfter = offsets->second;
    }
}

} // namespace

bool ZoneResolution::LookedUp() const {
    return status != ZoneStatus::UnknownPlace && status != ZoneStatus::UnknownZone &&
           status != ZoneStatus::DateNotCovered && status != ZoneStatus::DamagedZone;
}

places::LocalMoment LocalMomentOf(const BirthInput& in) {
    return {in.year, in.month, in.day, in.hour, in.minute};
}

void SetLocalMoment(BirthInput& in, const places::LocalMoment& local) {
    in.year = local.year;
    in.month = local.month;
    in.day = local.day;
    in.hour = local.hour;
    in.minute = local.minute;
}

ZoneResolution ResolveZone(const ZoneSource& source, const places::LocalMoment& local,
                           const ZoneChoice& choice, const places::PlaceCatalogue& catalogue) {
    if (source.kind == ZoneSource::Kind::Place) {
        std::vector<places::Place> matches = catalogue.Search(source.name, 2);
        if (matches.empty()) {
            ZoneResolution r;
            r.status = ZoneStatus::UnknownPlace;
            return r;
        }
        ZoneResolution r = ResolvePlaceZone(matches.front(), local, choice);
        r.severalPlaces = matches.size() > 1;
        return r;
    }
    ZoneResolution r;
    r.zone = source.name;
    if (!places::IsKnownZone(source.name)) {
        if (std::optional<std::string> matched = places::SystemZones().Match(source.name)) {
            r.zone = std::move(*matched);
        }
    }
    LookUp(r, local, choice);
    if (r.status == ZoneStatus::UnknownZone) {
        r.suggestions = places::SystemZones().Nearest(source.name);
    }
    return r;
}

ZoneResolution ResolvePlaceZone(const places::Place& place, const places::LocalMoment& local,
                                const ZoneChoice& choice) {
    ZoneResolution r;
    r.place = place;
    r.zone = place.zone;
    LookUp(r, local, choice);
    return r;
}

ZoneResolution ResolveZone(const ZoneSource& source, const places::LocalMoment& local,
                           const ZoneChoice& choice) {
    if (source.kind == ZoneSource::Kind::Zone) {
        // No place list needed: an empty catalogue spares reading it.
        static const places::PlaceCatalogue kNone{std::vector<places::Place>{}};
        return ResolveZone(source, local, choice, kNone);
    }
    return ResolveZone(source, local, choice, places::SharedPlaceCatalogue());
}

const char* ZoneStatusKey(ZoneStatus status) {
    switch (status) {
    case ZoneStatus::Ok:
        return "ok";
    case ZoneStatus::NotWholeHours:
        return "not-whole-hours";
    case ZoneStatus::OutOfRange:
        return "out-of-range";
    case ZoneStatus::Nonexistent:
        return "nonexistent";
    case ZoneStatus::Ambiguous:
        return "ambiguous";
    case ZoneStatus::UnknownPlace:
        return "unknown-place";
    case ZoneStatus::UnknownZone:
        return "unknown-zone";
    case ZoneStatus::DateNotCovered:
        return "date-not-covered";
    case ZoneStatus::DamagedZone:
        return "damaged-zone";
    }
    return "unknown-zone";
}
