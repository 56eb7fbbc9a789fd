#pragma once
// The checks of an entered birth moment, in the order of the form.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/text_catalogue.h"

enum class InputProblem {
    UnsupportedYear, // outside -99999..99999: refused before anything else
    EarlierCentury,  // before 1900: the user is asked whether to go on
    MonthRange,
    DayRange, // beyond the month's length (31 when the month itself is wrong)
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

// The words of a problem of the input, its numbers filled in ("... entre 1 et 28.").
std::string ProblemMessage(InputProblem problem, const BirthInput& in);

// The number of days of a month (1..12) in the calendar the evaluation counts days by: the
// Gregorian one, also before its introduction (1900 has 28 in February, 2000 has 29).
int32_t DaysInMonth(int32_t year, int32_t month);
