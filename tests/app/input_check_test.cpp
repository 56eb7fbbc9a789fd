#include "app/input_check.h"

#include <gtest/gtest.h>

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
    in.month = 2; // the day is not compared with the month's length
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
    EXPECT_STREQ(UserText(ProblemText(P::DayRange)), "Veuillez entrer un jour entre 1 et 31.");
    EXPECT_STREQ(UserText(ProblemText(P::HourRange)), "Veuillez entrer une heure entre 0 et 24");
    EXPECT_STREQ(UserText(ProblemText(P::MinuteRange)),
                 "Veuillez entrer les minutes entre 0 et 59");
    EXPECT_STREQ(UserText(ProblemText(P::TimeZoneRange)),
                 "Le fuseau horaire doit être compris entre -12 et 12.");
}

} // namespace
