#include "app/input_check.h"

#include "astro/year_range.h"

std::vector<InputProblem> CheckBirthInput(const BirthInput& in) {
    std::vector<InputProblem> problems;
    if (!IsSupportedYear(in.year)) {
        problems.push_back(InputProblem::UnsupportedYear);
    }
    if (in.year < 1900) {
        problems.push_back(InputProblem::EarlierCentury);
    }
    if (in.month < 1 || in.month > 12) {
        problems.push_back(InputProblem::MonthRange);
    }
    if (in.day < 1 || in.day > 31) {
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
