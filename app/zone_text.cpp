#include "app/zone_text.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

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

// " Did you mean Europe/Berlin, Europe/Bern?", or nothing without suggestions.
std::string SuggestionsText(const std::vector<std::string>& zones) {
    if (zones.empty()) {
        return {};
    }
    std::string names;
    for (const std::string& zone : zones) {
        names.append(names.empty() ? "" : ", ").append(zone);
    }
    return " " + UserText(TextId::ZoneSuggestions, {names});
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

std::string OffsetAbbreviationText(const places::ZoneOffset& offset) {
    return UserText(TextId::ZoneOffsetShort,
                    {UtcOffsetText(offset.utcOffsetSeconds), offset.abbreviation});
}

std::string ZoneOffsetText(const places::ZoneOffset& offset) {
    const TextId kind = offset.dst                     ? TextId::ZoneSummerTime
                        : offset.abbreviation == "LMT" ? TextId::ZoneLocalMeanTime
                                                       : TextId::ZoneStandardTime;
    return UserText(TextId::ZoneOffsetDescription,
                    {OffsetAbbreviationText(offset), UserText(kind)});
}

std::string ZoneOffsetText(const ZoneResolution& r, const places::ZoneOffset& offset) {
    if (!offset.placeMeanTime || !r.place) {
        return ZoneOffsetText(offset);
    }
    return UserText(
        TextId::ZoneOffsetDescription,
        {OffsetAbbreviationText(offset), UserText(TextId::PlaceMeanTime, {r.place->name})});
}

std::string NeededValueText(int utcOffsetSeconds) {
    const int difference = -utcOffsetSeconds;
    if (difference % kHour == 0) {
        return std::to_string(difference / kHour);
    }
    const int magnitude = std::abs(difference);
    std::string text = difference < 0 ? "-" : "";
    text.append(std::to_string(magnitude / kHour)).append(":").append(Two(magnitude / 60 % 60));
    if (magnitude % 60 != 0) {
        text.append(":").append(Two(magnitude % 60));
    }
    return text;
}

std::string TimeDifferenceMeaningText(int timeDifference) {
    return UserText(TextId::TimeDifferenceMeaning,
                    {std::to_string(timeDifference), UtcOffsetText(-timeDifference * kHour)});
}

std::string PlaceText(const places::Place& place) {
    std::string text = place.name;
    if (!place.matchedName.empty()) {
        text.append(" (").append(place.matchedName).append(")");
    }
    if (!place.region.empty() && place.region != place.name) {
        text.append(", ").append(place.region);
    }
    if (!place.country.empty()) {
        text.append(", ").append(place.country);
    }
    return text;
}

std::string PlaceLineText(const places::Place& place) {
    return UserText(TextId::PlaceLine, {PlaceText(place), place.zone});
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
                        {r.offset ? ZoneOffsetText(r, *r.offset) : std::string(),
                         Signed(r.roundedHours), RoundingShiftText(r.roundingShiftSeconds)});
    case ZoneStatus::OutOfRange:
        return UserText(
            TextId::ZoneOutOfRange,
            {r.offset ? ZoneOffsetText(r, *r.offset) : std::string(), Signed(NeededHours(r))});
    case ZoneStatus::Nonexistent:
        return UserText(TextId::ZoneNonexistent,
                        {r.gapBefore ? ZoneOffsetText(r, *r.gapBefore) : std::string(),
                         r.gapAfter ? ZoneOffsetText(r, *r.gapAfter) : std::string()});
    case ZoneStatus::Ambiguous:
        return UserText(
            TextId::ZoneAmbiguous,
            {r.candidates.size() == 2 ? ZoneOffsetText(r, r.candidates[0]) : std::string(),
             r.candidates.size() == 2 ? ZoneOffsetText(r, r.candidates[1]) : std::string()});
    case ZoneStatus::UnknownPlace:
        return UserText(TextId::ZoneUnknownPlace, {name});
    case ZoneStatus::UnknownZone:
        return UserText(TextId::ZoneUnknownZone, {name}) + SuggestionsText(r.suggestions);
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

std::string ZoneExplanationText(const ZoneResolution& r, const places::LocalMoment& local) {
    const std::string date = std::to_string(local.day) + "." + std::to_string(local.month) + "." +
                             std::to_string(local.year);
    const std::string time = std::to_string(local.hour) + ":" + Two(local.minute);
    std::vector<std::string> lines{
        r.place ? UserText(TextId::PlaceMomentAt, {date, time, r.place->name})
                : UserText(TextId::PlaceMomentInZone, {date, time, r.zone})};
    if (r.candidates.size() == 2) {
        lines.push_back(UserText(TextId::PlaceAmbiguous));
    }
    switch (r.status) {
    case ZoneStatus::Ok:
        if (r.offset) {
            lines.push_back(UserText(TextId::PlaceOffsetInForce, {ZoneOffsetText(r, *r.offset)}));
        }
        break;
    case ZoneStatus::Ambiguous:
    case ZoneStatus::UnknownPlace:
        break;
    case ZoneStatus::Nonexistent:
        if (r.gapBefore && r.gapAfter) {
            lines.push_back(
                UserText(TextId::PlaceNonexistent, {OffsetAbbreviationText(*r.gapBefore),
                                                    OffsetAbbreviationText(*r.gapAfter)}));
        }
        break;
    case ZoneStatus::NotWholeHours:
        if (r.offset) {
            lines.push_back(UserText(TextId::PlaceNotWholeHours, {ZoneOffsetText(r, *r.offset)}));
        }
        break;
    case ZoneStatus::OutOfRange:
        if (r.offset) {
            lines.push_back(
                UserText(TextId::PlaceOutOfRange, {OffsetAbbreviationText(*r.offset),
                                                   NeededValueText(r.offset->utcOffsetSeconds)}));
        }
        break;
    case ZoneStatus::UnknownZone:
        lines.push_back(UserText(
            r.place ? TextId::PlaceUnknownZone : TextId::PlaceUnknownChosenZone, {r.zone}));
        break;
    case ZoneStatus::DateNotCovered:
        lines.push_back(UserText(TextId::PlaceNoZoneData));
        break;
    case ZoneStatus::DamagedZone:
        lines.push_back(UserText(TextId::ZoneDataDamaged, {r.zone}));
        break;
    }
    if (r.timeDifference) {
        lines.push_back(UserText(TextId::PlaceResult, {std::to_string(*r.timeDifference)}));
    }
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        text.append("\n").append(lines[i]);
    }
    return text;
}

std::string DstChoiceText(const ZoneResolution& r, bool summer) {
    if (r.candidates.size() != 2) {
        return {};
    }
    // Summer time is the larger offset, whichever came first.
    const places::ZoneOffset& first = r.candidates[0];
    const places::ZoneOffset& second = r.candidates[1];
    const bool firstLarger = first.utcOffsetSeconds >= second.utcOffsetSeconds;
    const places::ZoneOffset& offset = (summer == firstLarger) ? first : second;
    return UserText(summer ? TextId::PlaceChooseSummer : TextId::PlaceChooseWinter,
                    {OffsetAbbreviationText(offset), NeededValueText(offset.utcOffsetSeconds)});
}

std::string RoundChoiceText(const ZoneResolution& r) {
    if (r.status != ZoneStatus::NotWholeHours) {
        return {};
    }
    return UserText(TextId::PlaceRoundChoice,
                    {std::to_string(r.roundedHours), RoundingShiftText(r.roundingShiftSeconds)});
}
