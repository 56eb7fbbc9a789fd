#include "app/birthplace_choice.h"

#include "app/text_catalogue.h"
#include "app/zone_text.h"

#include <utility>

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

BirthplaceChoice::BirthplaceChoice(const LocalMoment& moment, const PlaceCatalogue& catalogue,
                                   std::string placeListProblem)
    : m_catalogue(catalogue), m_moment(moment), m_placeListProblem(std::move(placeListProblem)) {
    SearchZones({});
}

void BirthplaceChoice::SearchPlaces(std::string_view text) {
    m_placeText = text;
    m_places = ::SearchPlaces(m_catalogue, text);
    m_placeRow = m_places.empty() ? -1 : 0;
    m_source = Source::Place;
    m_zoneRow = -1;
    ResetChoices();
    Update();
}

void BirthplaceChoice::SearchZones(std::string_view text) {
    const std::string_view wanted = Trimmed(text);
    m_zones = ::SearchZones(wanted);
    m_zoneRow = -1;
    if (wanted.empty()) {
        m_source = Source::Place;
    } else {
        m_source = Source::Zone;
        m_placeRow = -1;
        m_zoneRow = m_zones.empty() ? -1 : 0;
    }
    ResetChoices();
    Update();
}

void BirthplaceChoice::SelectPlace(int row) {
    m_placeRow = row >= 0 && static_cast<std::size_t>(row) < m_places.size() ? row : -1;
    if (m_placeRow >= 0) {
        m_source = Source::Place;
        m_zoneRow = -1;
    }
    ResetChoices();
    Update();
}

void BirthplaceChoice::SelectZone(int row) {
    m_zoneRow = row >= 0 && static_cast<std::size_t>(row) < m_zones.size() ? row : -1;
    if (m_zoneRow >= 0) {
        m_source = Source::Zone;
        m_placeRow = -1;
    }
    ResetChoices();
    Update();
}

void BirthplaceChoice::SetDst(DstChoice dst) {
    m_choice.dst = dst;
    Update();
}

void BirthplaceChoice::SetRound(bool round) {
    m_choice.round = round;
    Update();
}

std::optional<Place> BirthplaceChoice::SelectedPlace() const {
    if (m_source != Source::Place || m_placeRow < 0) {
        return std::nullopt;
    }
    return m_places[static_cast<std::size_t>(m_placeRow)];
}

std::optional<std::string> BirthplaceChoice::SelectedZone() const {
    if (m_source != Source::Zone || m_zoneRow < 0) {
        return std::nullopt;
    }
    return m_zones[static_cast<std::size_t>(m_zoneRow)];
}

void BirthplaceChoice::Update() {
    const std::optional<Place> place = SelectedPlace();
    const std::optional<std::string> zone = SelectedZone();
    if (place) {
        m_result = ResolvePlaceZone(*place, m_moment, m_choice);
    } else if (zone) {
        // A zone chosen by name is resolved exactly as a place's zone is.
        m_result = ResolveZone({ZoneSource::Kind::Zone, *zone}, m_moment, m_choice);
    } else {
        m_result = ZoneResolution{};
    }
}

std::string BirthplaceChoice::Explanation() const {
    if (SelectedPlace() || SelectedZone()) {
        return ZoneExplanationText(m_result, m_moment);
    }
    if (m_source == Source::Zone) {
        return UserText(m_zones.empty() ? TextId::PlaceNoZoneFound : TextId::PlaceChoose);
    }
    if (!PlacesUsable()) {
        // Nothing to type or choose among places: the notice above them says what to do.
        return {};
    }
    const bool nothingTyped = Trimmed(m_placeText).empty();
    if (nothingTyped) {
        return UserText(TextId::PlaceTypeToSearch);
    }
    return UserText(m_places.empty() ? TextId::PlaceNoneFound : TextId::PlaceChoose);
}

std::string BirthplaceChoice::SummerText() const {
    return SelectedPlace() || SelectedZone() ? DstChoiceText(m_result, true) : std::string();
}

std::string BirthplaceChoice::WinterText() const {
    return SelectedPlace() || SelectedZone() ? DstChoiceText(m_result, false) : std::string();
}

std::string BirthplaceChoice::RoundText() const {
    return SelectedPlace() || SelectedZone() ? RoundChoiceText(m_result) : std::string();
}

TakenBirthplace TakeBirthplace(const BirthplaceChoice& choice, const BirthInput& input) {
    ZoneResolution zone;
    zone.status = ZoneStatus::Ok;
    zone.place = choice.SelectedPlace();
    zone.zone = zone.place ? zone.place->zone : choice.SelectedZone().value_or(std::string());
    zone.offset = choice.Result().offset;
    zone.timeDifference = input.timeZone;
    return {zone, input};
}

std::optional<ZoneResolution> BirthplaceStillShown(const std::optional<TakenBirthplace>& taken,
                                                   const BirthInput& now) {
    if (!taken) {
        return std::nullopt;
    }
    const BirthInput& then = taken->input;
    if (then.day == now.day && then.month == now.month && then.year == now.year &&
        then.hour == now.hour && then.minute == now.minute && then.timeZone == now.timeZone) {
        return taken->zone;
    }
    return std::nullopt;
}
