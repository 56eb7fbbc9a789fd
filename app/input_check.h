#pragma once
// The checks of an entered birth moment, in the order of the form.
#include <functional>
#include <optional>
#include <vector>

#include "app/birth_input.h"
#include "app/text_catalogue.h"

enum class InputProblem {
    UnsupportedYear, // outside -99999..99999: refused before anything else
    EarlierCentury,  // before 1900: the user is asked whether to go on
    MonthRange,
    DayRange,
    HourRange,
    MinuteRange,
    TimeZoneRange,
};

// Every failing check, in the order above.
std::vector<InputProblem> CheckBirthInput(const BirthInput& in);

// What refuses the input, as the form decides it: an unsupported year first; then, for a year
// before 1900, EarlierCentury unless confirmEarlierCentury() (asked only then) says yes; then
// the last failing range check. Empty when the input is accepted.
std::optional<InputProblem> InputRefusal(const BirthInput& in,
                                         const std::function<bool()>& confirmEarlierCentury);

// The message (or, for EarlierCentury, the question) of a problem.
TextId ProblemText(InputProblem problem);
