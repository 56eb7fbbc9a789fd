#pragma once
// The birthplace dialog's state, whichever window shows it: the places found for the text
// typed, the zones found by name for a town not in the place list, which of the two lists gives
// the time difference (the last one the user worked), the user's answers to the special cases
// (summer or winter time for a time that occurs twice, rounding a non-whole-hour offset), and
// the words the dialog shows for all of it. Nothing is decided silently: a value follows only
// from a place or zone chosen and, where needed, the user's answer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_input.h"
#include "app/place_search.h"
#include "app/zone_resolution.h"

class BirthplaceChoice {
  public:
    // The local moment of the form (already range-checked) and the places to search.
    // placeListProblem: why the list holds no places (app/place_list_state.h), said where
    // places are looked for; empty for a sound list.
    BirthplaceChoice(const LocalMoment& moment, const PlaceCatalogue& catalogue,
                     std::string placeListProblem = {});

    // The place text changed: the places found, the first of them selected. Typing a place
    // name takes over from a zone chosen before.
    void SearchPlaces(std::string_view text);
    // The zone text changed: the zones whose names hold it. A text (blanks aside) selects the
    // first zone found and makes the zone list speak; an empty one lists every zone to browse
    // and leaves the place list speaking.
    void SearchZones(std::string_view text);
    // The user made a row of a list current (-1: none); the other list's row is let go.
    void SelectPlace(int row);
    void SelectZone(int row);
    // The answers; a new place or zone resets both.
    void SetDst(DstChoice dst);
    void SetRound(bool round);

    const std::vector<Place>& Places() const { return m_places; }
    const std::vector<std::string>& Zones() const { return m_zones; }
    int PlaceRow() const { return m_placeRow; }
    int ZoneRow() const { return m_zoneRow; }
    DstChoice Dst() const { return m_choice.dst; }
    bool Round() const { return m_choice.round; }
    // The place selected while the place list speaks, the zone while the zone list does.
    std::optional<Place> SelectedPlace() const;
    std::optional<std::string> SelectedZone() const;

    // The time difference for the place or zone and the answers (empty when none is chosen).
    const ZoneResolution& Result() const { return m_result; }
    bool CanAccept() const { return m_result.Determined(); }
    // What the dialog explains: what to do while nothing is chosen, else what is in force at
    // the moment and the value when one is determined.
    std::string Explanation() const;
    // The labels of the choices the case needs; empty for a choice not offered.
    std::string SummerText() const;
    std::string WinterText() const;
    std::string RoundText() const;
    // Whether places can be looked for at all; when not, the dialog greys the place search and
    // its list, says PlaceListNotice() above them and offers the zones.
    bool PlacesUsable() const { return m_placeListProblem.empty(); }
    // Why the place list cannot be used; empty while it is sound.
    const std::string& PlaceListNotice() const { return m_placeListProblem; }

  private:
    void ResetChoices() { m_choice = ZoneChoice{}; }
    void Update();

    enum class Source { Place, Zone };

    const PlaceCatalogue& m_catalogue;
    LocalMoment m_moment;
    std::string m_placeListProblem;
    std::string m_placeText;
    std::vector<Place> m_places;
    std::vector<std::string> m_zones;
    int m_placeRow = -1;
    int m_zoneRow = -1;
    Source m_source = Source::Place;
    ZoneChoice m_choice;
    ZoneResolution m_result;
};

// The birthplace or zone a time difference was taken from, and the birth it was taken for.
struct TakenBirthplace {
    ZoneResolution zone;
    BirthInput input;
};

// What an accepted choice leaves behind once its value is in input.
TakenBirthplace TakeBirthplace(const BirthplaceChoice& choice, const BirthInput& input);

// The birthplace to name with the birth: only while it still holds the moment and the value
// taken for it (the options play no part in the zone).
std::optional<ZoneResolution> BirthplaceStillShown(const std::optional<TakenBirthplace>& taken,
                                                   const BirthInput& now);
