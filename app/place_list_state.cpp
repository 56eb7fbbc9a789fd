#include "app/place_list_state.h"

#include "app/text_catalogue.h"

std::string PlaceListProblem(places::PlaceTableState state, const std::string& file) {
    switch (state) {
    case places::PlaceTableState::Missing:
        return UserText(TextId::PlaceListMissing, {file});
    case places::PlaceTableState::Damaged:
        return UserText(TextId::PlaceListDamaged, {file});
    case places::PlaceTableState::Sound:
        break;
    }
    return {};
}

std::string PlaceListProblem() {
    return PlaceListProblem(places::ProgramPlaceTableState(), places::PlaceTableFile());
}

std::string PlaceListProblemOf(const std::string& file) {
    return PlaceListProblem(places::PlaceTableStateOf(file), file);
}
