#include "app/input_check.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using P = InputProblem;

BirthInput Valid() {
    BirthInput in;
    in.day = 20;
    in.month = 3;
    in.year = 2000;
    in.hour = 8;
    in.minute = 0;
    in.timeZone = -1;
    return in;
}

const auto kYes = [] { return true; };
const auto kNo = [] { return false; };

TEST(CheckBirthInput, AcceptsTheFormsRanges) {
    BirthInput in = Valid();
    EXPECT_TRUE(CheckBirthInput(in).empty());
    in.day = 31;
    in.month = 12;
    in.hour = 24;
    in.minute = 59;
    in.timeZone = 12;
    in.year = 1900;
    EXPECT_TRUE(CheckBirthInput(in).empty());
    in.timeZone = -12;
    in.year = 99999;
    EXPECT_TRUE(CheckBirthInput(in).empty());
}

TEST(CheckBirthInput, EveryFailingCheckInTheFormsOrder) {
    BirthInput in;
    in.day = 32;
    in.month = 0;
    in.year = -100000;
    in.hour = -1;
    in.minute = 60;
    in.timeZone = 13;
    EXPECT_EQ(CheckBirthInput(in),
              (std::vector<P>{P::UnsupportedYear, P::EarlierCentury, P::MonthRange, P::DayRange,
                              P::HourRange, P::MinuteRange, P::TimeZoneRange}));
    in = Valid();
    in.year = 100000; // too late is unsupported, but no earlier century
    in.hour = 25;
    EXPECT_EQ(CheckBirthInput(in), (std::vector<P>{P::UnsupportedYear, P::HourRange}));
}

TEST(InputRefusal, UnsupportedYearComesBeforeTheQuestion) {
    BirthInput in = Valid();
    in.year = -100000;
    in.month = 13;
    int asked = 0;
    EXPECT_EQ(InputRefusal(in, [&] { return ++asked, true; }), P::UnsupportedYear);
    EXPECT_EQ(asked, 0);
}

TEST(InputRefusal, QuestionAskedOnlyBefore1900AndItsAnswerDecides) {
    BirthInput in = Valid();
    int asked = 0;
    const auto count = [&] { return ++asked, true; };
    EXPECT_EQ(InputRefusal(in, count), std::nullopt);
    in.year = 1900;
    EXPECT_EQ(InputRefusal(in, count), std::nullopt);
    EXPECT_EQ(asked, 0);
    in.year = 1899;
    in.day = 0;
    EXPECT_EQ(InputRefusal(in, kNo), P::EarlierCentury); // no: nothing further is checked
    EXPECT_EQ(InputRefusal(in, kYes), P::DayRange);
    EXPECT_EQ(InputRefusal(in, count), P::DayRange);
    EXPECT_EQ(asked, 1);
}

TEST(InputRefusal, TheLastFailingRangeCheckIsShown) {
    BirthInput in = Valid();
    in.month = 0;
    in.day = 32;
    EXPECT_EQ(InputRefusal(in, kYes), P::DayRange);
    in.minute = 60;
    EXPECT_EQ(InputRefusal(in, kYes), P::MinuteRange);
    in.timeZone = -13;
    EXPECT_EQ(InputRefusal(in, kYes), P::TimeZoneRange);
    in = Valid();
    in.hour = 25;
    EXPECT_EQ(InputRefusal(in, kYes), P::HourRange);
    in.hour = -1;
    in.month = 13;
    EXPECT_EQ(InputRefusal(in, kYes), P::HourRange);
}

TEST(InputRefusal, MessagesAreTheStringTables) {
    EXPECT_STREQ(UserText(ProblemText(P::UnsupportedYear)),
                 "Veuillez entrer une année entre -99999 et 99999.");
    EXPECT_STREQ(UserText(ProblemText(P::EarlierCentury)),
                 "Calcul pour une date d'un siècle précédent ?");
    EXPECT_STREQ(UserText(ProblemText(P::MonthRange)), "Veuillez entrer un mois entre 1 et 12.");
    EXPECT_STREQ(UserText(ProblemText(P::DayRange)), "Veuillez entrer un jour entre 1 et %1.");
    EXPECT_STREQ(UserText(ProblemText(P::HourRange)), "Veuillez entrer une heure entre 0 et 24");
    EXPECT_STREQ(UserText(ProblemText(P::MinuteRange)),
                 "Veuillez entrer les minutes entre 0 et 59");
    EXPECT_STREQ(UserText(ProblemText(P::TimeZoneRange)),
                 "Le fuseau horaire doit être compris entre -12 et 12.");
}

TEST(CheckBirthInput, DaysBeyondTheMonthsLength) {
    // Days of each month, in a common and a leap year, including the century years.
    constexpr int32_t kCommon[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const struct {
        int32_t year;
        int32_t february;
    } years[] = {{2001, 28}, {2004, 29}, {1900, 28}, {2000, 29},  {2100, 28}, {1600, 29},
                 {1582, 28}, {1500, 28}, {4, 29},    {99996, 29}, {99999, 28}};
    for (const auto& [year, february] : years) {
        for (int32_t month = 1; month <= 12; ++month) {
            SCOPED_TRACE(testing::Message() << month << "/" << year);
            const int32_t days = month == 2 ? february : kCommon[month - 1];
            EXPECT_EQ(DaysInMonth(year, month), days);
            BirthInput in = Valid();
            in.year = year;
            in.month = month;
            in.day = days;
            EXPECT_EQ(InputRefusal(in, kYes), std::nullopt);
            in.day = days + 1;
            ASSERT_EQ(InputRefusal(in, kYes), P::DayRange);
            EXPECT_EQ(ProblemMessage(P::DayRange, in),
                      std::string("Veuillez entrer un jour entre 1 et ")
                          .append(std::to_string(days))
                          .append("."));
        }
    }
}

TEST(CheckBirthInput, YearsBeforeOneFollowTheDayCount) {
    // Before year 1 the day count has leap years of its own (-3, -7, ...); the check follows
    // the count, so that no two accepted dates fall on one day.
    EXPECT_EQ(DaysInMonth(-3, 2), 29);
    EXPECT_EQ(DaysInMonth(-4, 2), 28);
    for (const int32_t year : {0, -1, -3, -4, -100, -401, -99999}) {
        int32_t total = 0;
        for (int32_t month = 1; month <= 12; ++month) {
            const int32_t days = DaysInMonth(year, month);
            EXPECT_GE(days, month == 2 ? 28 : 30) << month << "/" << year;
            EXPECT_LE(days, month == 2 ? 29 : 31) << month << "/" << year;
            total += days;
        }
        EXPECT_GE(total, 365) << year;
        EXPECT_LE(total, 366) << year;
    }
}

TEST(CheckBirthInput, DayMessageKeepsItsPlaceInTheOrder) {
    BirthInput in = Valid();
    in.month = 13; // no month: the longest one is the limit
    in.day = 32;
    EXPECT_EQ(CheckBirthInput(in), (std::vector<P>{P::MonthRange, P::DayRange}));
    EXPECT_EQ(ProblemMessage(P::DayRange, in), "Veuillez entrer un jour entre 1 et 31.");
    in.day = 31;
    EXPECT_EQ(CheckBirthInput(in), (std::vector<P>{P::MonthRange}));

    in = Valid();
    in.month = 4;
    in.day = 31;
    in.minute = 60;
    EXPECT_EQ(CheckBirthInput(in), (std::vector<P>{P::DayRange, P::MinuteRange}));
    EXPECT_EQ(InputRefusal(in, kYes), P::MinuteRange); // the last failing check is shown
    in.minute = 0;
    in.hour = 24; // still accepted, also on the last day
    in.day = 30;
    EXPECT_EQ(InputRefusal(in, kYes), std::nullopt);
    EXPECT_EQ(ProblemMessage(P::MonthRange, in), "Veuillez entrer un mois entre 1 et 12.");

    in.year = 100000; // unsupported: the month's length is not looked up
    in.month = 2;
    in.day = 31;
    EXPECT_EQ(CheckBirthInput(in), (std::vector<P>{P::UnsupportedYear}));
}

} // namespace
