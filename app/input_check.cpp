#include "app/input_check.h"

#include <string>

#include "astro/calendar.h"
#include "astro/year_range.h"

namespace {

// The longest month; also the limit while the month itself is wrong.
constexpr int32_t kLongestMonth = 31;

bool MonthInRange(int32_t month) {
    return month >= 1 && month <= 12;
}

int32_t DayLimit(const BirthInput& in) {
    return MonthInRange(in.month) && IsSupportedYear(in.year) ? DaysInMonth(in.year, in.month)
                                                              : kLongestMonth;
}

} // namespace

int32_t DaysInMonth(int32_t year, int32_t month) {
    // The distance between the first days of this month and the next, as the evaluation
    // numbers them: whatever it counts as a day is one here.
    TmFields first;
    first.day = 1;
    first.month = month - 1;
    first.year = year - 1900;
    TmFields next = first;
    if (month == 12) {
        next.month = 0;
        next.year = first.year + 1;
    } else {
        next.month = month;
    }
    return JulianDayNumber(next) - JulianDayNumber(first);
}

std::vector<InputProblem> CheckBirthInput(const BirthInput& in) {
    std::vector<InputProblem> problems;
    if (!IsSupportedYear(in.year)) {
        problems.push_back(InputProblem::UnsupportedYear);
    }
    if (in.year < 1900) {
        problems.push_back(InputProblem::EarlierCentury);
    }
    if (!MonthInRange(in.month)) {
        problems.push_back(InputProblem::MonthRange);
    }
    if (in.day < 1 || in.day > DayLimit(in)) {
        problems.push_back(InputProblem::DayRange);
    }
    if (in.hour < 0 || in.hour > 24) {
        problems.push_back(InputProblem::HourRange);
    }
    if (in.minute < 0 || in.minute > 59) {
        problems.push_back(InputProblem::MinuteRange);
    }
    if (in.timeZone > 12 || in.timeZone < -12) {
        problems.push_back(InputProblem::TimeZoneRange);
    }
    return problems;
}

std::optional<InputProblem> InputRefusal(const BirthInput& in,
                                         const std::function<bool()>& confirmEarlierCentury) {
    const std::vector<InputProblem> problems = CheckBirthInput(in);
    std::optional<InputProblem> refusal;
    for (const InputProblem problem : problems) {
        if (problem == InputProblem::UnsupportedYear) {
            return problem;
        }
        if (problem == InputProblem::EarlierCentury) {
            if (!confirmEarlierCentury()) {
                return problem;
            }
            continue;
        }
        refusal = problem; // the form shows the last failing range check only
    }
    return refusal;
}

TextId ProblemText(InputProblem problem) {
    switch (problem) {
    case InputProblem::UnsupportedYear:
        return TextId::YearRange;
    case InputProblem::EarlierCentury:
        return TextId::EarlierCentury;
    case InputProblem::MonthRange:
        return TextId::MonthRange;
    case InputProblem::DayRange:
        return TextId::DayRange;
    case InputProblem::HourRange:
        return TextId::HourRange;
    case InputProblem::MinuteRange:
        return TextId::MinuteRange;
    case InputProblem::TimeZoneRange:
        return TextId::TimeZoneRange;
    }
    return TextId::YearRange;
}

std::string ProblemMessage(InputProblem problem, const BirthInput& in) {
    if (problem == InputProblem::DayRange) {
        return UserText(TextId::DayRange, {std::to_string(DayLimit(in))});
    }
    return UserText(ProblemText(problem));
}
