#include "app/zone_text.h"

#include <cstdio>
#include <cstdlib>

#include "app/text_catalogue.h"

namespace {

constexpr int kHour = 3600;

std::string Two(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string Signed(int value) {
    std::string text = std::to_string(value);
    if (value > 0) {
        text.insert(text.begin(), '+');
    }
    return text;
}

// The value the form would need for an offset: minus the offset in hours, to the nearest hour.
int NeededHours(const ZoneResolution& r) {
    const int difference = r.offset ? -r.offset->utcOffsetSeconds : 0;
    return difference % kHour == 0 ? difference / kHour : r.roundedHours;
}

} // namespace

std::string UtcOffsetText(int utcOffsetSeconds) {
    const int magnitude = std::abs(utcOffsetSeconds);
    std::string text = utcOffsetSeconds < 0 ? "UTC-" : "UTC+";
    text.append(Two(magnitude / kHour)).append(":").append(Two(magnitude % kHour / 60));
    if (magnitude % 60 != 0) {
        text.append(":").append(Two(magnitude % 60));
    }
    return text;
}

std::string ZoneOffsetText(const places::ZoneOffset& offset) {
    const TextId kind = offset.dst                     ? TextId::ZoneSummerTime
                        : offset.abbreviation == "LMT" ? TextId::ZoneLocalMeanTime
                                                       : TextId::ZoneStandardTime;
    return UserText(TextId::ZoneOffsetDescription,
                    {UtcOffsetText(offset.utcOffsetSeconds), offset.abbreviation, UserText(kind)});
}

std::string PlaceText(const places::Place& place) {
    std::string text = place.name;
    for (const std::string* part : {&place.region, &place.country}) {
        if (!part->empty()) {
            text += ", " + *part;
        }
    }
    return text;
}

std::string PlaceLineText(const places::Place& place) {
    return PlaceText(place) + " — " + place.zone;
}

std::string RoundingShiftText(int shiftSeconds) {
    const int magnitude = std::abs(shiftSeconds);
    const std::string minutes = std::to_string(magnitude / 60);
    const std::string duration =
        magnitude % 60 == 0
            ? UserText(TextId::ZoneMinutes, {minutes})
            : UserText(TextId::ZoneMinutesSeconds, {minutes, std::to_string(magnitude % 60)});
    return UserText(shiftSeconds < 0 ? TextId::ZoneShiftEarlier : TextId::ZoneShiftLater,
                    {duration});
}

std::string ZoneRefusalText(const ZoneResolution& r, const std::string& name) {
    if (r.Determined()) {
        return {};
    }
    switch (r.status) {
    case ZoneStatus::Ok:
        break;
    case ZoneStatus::NotWholeHours:
        return UserText(TextId::ZoneNotWholeHours,
                        {r.offset ? ZoneOffsetText(*r.offset) : std::string(),
                         Signed(r.roundedHours), RoundingShiftText(r.roundingShiftSeconds)});
    case ZoneStatus::OutOfRange:
        return UserText(
            TextId::ZoneOutOfRange,
            {r.offset ? ZoneOffsetText(*r.offset) : std::string(), Signed(NeededHours(r))});
    case ZoneStatus::Nonexistent:
        return UserText(TextId::ZoneNonexistent,
                        {r.gapBefore ? ZoneOffsetText(*r.gapBefore) : std::string(),
                         r.gapAfter ? ZoneOffsetText(*r.gapAfter) : std::string()});
    case ZoneStatus::Ambiguous:
        return UserText(
            TextId::ZoneAmbiguous,
            {r.candidates.size() == 2 ? ZoneOffsetText(r.candidates[0]) : std::string(),
             r.candidates.size() == 2 ? ZoneOffsetText(r.candidates[1]) : std::string()});
    case ZoneStatus::UnknownPlace:
        return UserText(TextId::ZoneUnknownPlace, {name});
    case ZoneStatus::UnknownZone:
        return UserText(TextId::ZoneUnknownZone, {name});
    case ZoneStatus::DateNotCovered:
        return UserText(TextId::ZoneDateNotCovered, {r.zone});
    case ZoneStatus::DamagedZone:
        return UserText(TextId::ZoneDataDamaged, {r.zone});
    }
    return {};
}

std::string SeveralPlacesText(const ZoneResolution& r, const std::string& name) {
    if (!r.severalPlaces || !r.place) {
        return {};
    }
    return UserText(TextId::ZoneSeveralPlaces, {name, PlaceLineText(*r.place)});
}

std::string RoundingNoteText(const ZoneResolution& r) {
    if (r.status != ZoneStatus::NotWholeHours || !r.Determined()) {
        return {};
    }
    return UserText(TextId::ZoneRounded, {RoundingShiftText(r.roundingShiftSeconds)});
}
