#include "app/zone_text.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/place_list_state.h"
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
    std::string text = " ";
    text += UserText(TextId::ZoneSuggestions, {names});
    return text;
}

// The texts an offset is described with, in the window's words or in vexamo-cli's.
struct OffsetWordIds {
    TextId summer;
    TextId standard;
    TextId localMeanTime;
    TextId placeMeanTime;
    TextId placeMeanTimeVowel; // before a place name that begins with a vowel
};

const OffsetWordIds& WordIds(OffsetWords words) {
    static constexpr OffsetWordIds kWindow{TextId::ZoneSummerTime, TextId::ZoneStandardTime,
                                           TextId::ZoneLocalMeanTime, TextId::PlaceMeanTime,
                                           TextId::PlaceMeanTimeVowel};
    static constexpr OffsetWordIds kCli{TextId::CliZoneSummerTime, TextId::CliZoneStandardTime,
                                        TextId::CliZoneLocalMeanTime, TextId::CliZonePlaceMeanTime,
                                        TextId::CliZonePlaceMeanTimeVowel};
    return words == OffsetWords::Window ? kWindow : kCli;
}

// Whether a name begins with a vowel of the Latin script, accented or not ("Avignon", "Évry",
// "Œdenburg"); a language whose words change before one has a text of its own for it.
bool BeginsWithVowel(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(name[0]);
    if (first < 0x80) {
        return std::string_view("AEIOUaeiou").find(static_cast<char>(first)) !=
               std::string_view::npos;
    }
    if (name.size() < 2 || (first != 0xC3 && first != 0xC5)) {
        return false;
    }
    const auto second = static_cast<unsigned char>(name[1]);
    if (first == 0xC5) {
        return second == 0x92 || second == 0x93; // Œ, œ
    }
    // U+00C0..U+00FF: À..Æ, È..Ï, Ò..Ö, Ø..Ü and their small letters.
    const unsigned letter = (second & 0x3Fu) | 0xC0u;
    const unsigned upper = letter >= 0xE0 ? letter - 0x20 : letter;
    return (upper >= 0xC0 && upper <= 0xC6) || (upper >= 0xC8 && upper <= 0xCF) ||
           (upper >= 0xD2 && upper <= 0xD6) || (upper >= 0xD8 && upper <= 0xDC);
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

std::string ZoneOffsetText(const places::ZoneOffset& offset, OffsetWords words) {
    const OffsetWordIds& ids = WordIds(words);
    const TextId kind = offset.dst                     ? ids.summer
                        : offset.abbreviation == "LMT" ? ids.localMeanTime
                                                       : ids.standard;
    return UserText(TextId::ZoneOffsetDescription,
                    {OffsetAbbreviationText(offset), UserText(kind)});
}

std::string ZoneOffsetText(const ZoneResolution& r, const places::ZoneOffset& offset,
                           OffsetWords words) {
    if (!offset.placeMeanTime || !r.place) {
        return ZoneOffsetText(offset, words);
    }
    const OffsetWordIds& ids = WordIds(words);
    const std::string& name = r.place->name;
    return UserText(
        TextId::ZoneOffsetDescription,
        {OffsetAbbreviationText(offset),
         UserText(BeginsWithVowel(name) ? ids.placeMeanTimeVowel : ids.placeMeanTime, {name})});
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
    const auto offsetText = [&r](const places::ZoneOffset& offset) {
        return ZoneOffsetText(r, offset, OffsetWords::Cli);
    };
    switch (r.status) {
    case ZoneStatus::Ok:
        break;
    case ZoneStatus::NotWholeHours:
        return UserText(TextId::ZoneNotWholeHours,
                        {r.offset ? offsetText(*r.offset) : std::string(), Signed(r.roundedHours),
                         RoundingShiftText(r.roundingShiftSeconds)});
    case ZoneStatus::OutOfRange:
        return UserText(TextId::ZoneOutOfRange,
                        {r.offset ? offsetText(*r.offset) : std::string(), Signed(NeededHours(r))});
    case ZoneStatus::Nonexistent:
        return UserText(TextId::ZoneNonexistent,
                        {r.gapBefore ? offsetText(*r.gapBefore) : std::string(),
                         r.gapAfter ? offsetText(*r.gapAfter) : std::string()});
    case ZoneStatus::Ambiguous:
        return UserText(TextId::ZoneAmbiguous,
                        {r.candidates.size() == 2 ? offsetText(r.candidates[0]) : std::string(),
                         r.candidates.size() == 2 ? offsetText(r.candidates[1]) : std::string()});
    case ZoneStatus::UnknownPlace:
        // Not found since the program has no place list: that is what the user must know.
        if (std::string problem = PlaceListProblem(); !problem.empty()) {
            return problem;
        }
        return UserText(TextId::ZoneUnknownPlace, {name});
    case ZoneStatus::UnknownZone:
        return UserText(TextId::ZoneUnknownZone, {name}) + SuggestionsText(r.suggestions);
    case ZoneStatus::DateNotCovered:
        return UserText(TextId::ZoneDateNotCovered, {r.zone});
    case ZoneStatus::DamagedZone:
        return UserText(kZoneDamagedText, {r.zone});
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
            lines.push_back(UserText(TextId::PlaceOffsetInForce,
                                     {ZoneOffsetText(r, *r.offset, OffsetWords::Window)}));
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
            lines.push_back(UserText(TextId::PlaceNotWholeHours,
                                     {ZoneOffsetText(r, *r.offset, OffsetWords::Window)}));
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
        lines.push_back(UserText(kZoneDamagedText, {r.zone}));
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
