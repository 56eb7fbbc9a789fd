// Runs "vexamo-cli eval" in-process and checks its output, messages and exit status.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/text_catalogue.h"
#include "astro/birth.h"
#include "tests/cli/cli_runner.h"

namespace {

CliResult Eval(std::vector<std::string> args) {
    args.insert(args.begin(), "eval");
    return RunCliCaptured(args);
}

// A refusal as eval prints it.
std::string Line(TextId id) {
    return "vexamo-cli: " + std::string(UserText(id)) + "\n";
}

TEST(CliEval, PrintsTheFormsTexts) {
    const CliResult r = Eval({"--tz", "-1", "20", "3", "2000", "8", "0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Calendrier Julien : 2451623.791667\n"
                     "Lune : 99.99 %\n"
                     "Soleil : 49.98 %\n"
                     "Mondtag : 0.23 %\n"
                     "Ecart : 50.00 %\n"
                     "Type : Lunar\n"
                     "Der. nouv. lune : 6.3.2000 5:19Uhr\n"
                     "Pleine lune : 20.3.2000 4:45Uhr\n"
                     "Proch. nouv. lune : 4.4.2000 18:14Uhr\n"
                     "Naissance : 20.3.2000 8:00Uhr\n");
}

TEST(CliEval, OptionsAnywhereAndDefaults) {
    // Options among the numbers give the same result as before them.
    const CliResult front = Eval({"--tz", "0", "--const-zone", "6", "1", "2000", "12", "0"});
    const CliResult mixed = Eval({"6", "1", "--const-zone", "2000", "--tz=0", "12", "0"});
    EXPECT_EQ(front.status, 0);
    EXPECT_EQ(front.out, mixed.out);
    EXPECT_NE(front.out.find("Type : Fragezeichen\n"), std::string::npos);
    EXPECT_NE(Eval({"--tz", "0", "6", "1", "2000", "12", "0"}).out.find("Type : Solar\n"),
              std::string::npos);
    // Without --tz the time difference is 1.
    const CliResult standard = Eval({"20", "3", "2000", "8", "0"});
    EXPECT_NE(standard.out.find("Calendrier Julien : " +
                                EvaluateBirth(20, 3, 2000, 8, 0, 1, 0, 0).m_strJulianDate),
              std::string::npos);
    const CliResult south = Eval({"--southern", "--tz", "-1", "20", "3", "2000", "8", "0"});
    EXPECT_NE(south.out.find("Soleil : 50.02 %\n"), std::string::npos);
}

TEST(CliEval, RefusalsInTheirOrder) {
    // An unsupported year comes first, even before the earlier-century question.
    CliResult r = Eval({"--tz", "13", "0", "13", "100000", "8", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, Line(TextId::YearRange));
    EXPECT_EQ(Eval({"1", "1", "-100000", "0", "0", "--before-1900"}).err, Line(TextId::YearRange));

    // The question cannot be answered here: the message says how to answer it.
    r = Eval({"0", "13", "1899", "8", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), Line(TextId::EarlierCentury));
    EXPECT_NE(r.err.find("--before-1900"), std::string::npos) << r.err;

    r = Eval({"--before-1900", "0", "13", "1899", "8", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vexamo-cli: " + UserText(TextId::DayRange, {"31"}) + "\n");
    // A day the month does not have.
    EXPECT_EQ(Eval({"31", "2", "2001", "8", "0"}).err,
              "vexamo-cli: " + UserText(TextId::DayRange, {"28"}) + "\n");

    r = Eval({"--tz", "13", "1", "1", "2000", "25", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, Line(TextId::TimeZoneRange));

    EXPECT_EQ(Eval({"1", "1", "2000", "8", "60"}).err, Line(TextId::MinuteRange));
}

TEST(CliEval, NegativeNumbersAreValues) {
    CliResult r = Eval({"--before-1900", "--tz", "-12", "1", "1", "-500", "0", "0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Naissance : 1.1.-500 0:00Uhr\n"), std::string::npos);
    r = Eval({"--before-1900", "1", "1", "-99999", "0", "-1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, Line(TextId::MinuteRange));
    EXPECT_EQ(Eval({"--before-1900", "31", "12", "-99999", "24", "59"}).status, 0);
    EXPECT_EQ(Eval({"31", "12", "99999", "24", "59", "--tz", "12"}).status, 0);
    EXPECT_EQ(Eval({"15", "6", "8399", "1", "0", "--tz", "0"}).status, 0);
}

TEST(CliEval, UsageErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"1", "1", "2000", "8"},
             {"1", "1", "2000", "8", "0", "9"},
             {"1", "1", "2000", "8", "x"},
             {"1", "1", "2000", "8", "0.5"},
             {"1", "1", "2147483648", "8", "0"},
             {"1", "1", "2000", "8", "0", "--tz"},
             {"--tz", "one", "1", "1", "2000", "8", "0"},
             {"--tz", "99999999999", "1", "1", "2000", "8", "0"},
             {"--bogus", "1", "1", "2000", "8", "0"},
             {"1", "1", "2000", "8", "-"},
         }) {
        const CliResult r = Eval(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
    const CliResult help = Eval({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("DAY MONTH YEAR HOUR MINUTE"), std::string::npos);
    EXPECT_EQ(Eval({"--version"}).status, 0);
}

TEST(CliEval, OutputThatCannotBeWrittenIsNoSuccess) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"20", "3", "2000", "8", "0"}, {"--json", "20", "3", "2000", "8", "0"}, {"--help"}}) {
        std::vector<std::string> all = args;
        all.insert(all.begin(), "eval");
        const CliResult r = RunCliIntoFullDevice(all);
        EXPECT_EQ(r.status, 1) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Ausgabe"), std::string::npos) << r.err;
    }
}

TEST(CliEval, JsonHasExactlyTheKeysAndRoundTrips) {
    const CliResult r = Eval({"--json", "--tz", "-1", "20", "3", "2000", "8", "0"});
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> keys = {
        "format",           "julian_date",        "julian_date_text",
        "moon_percent",     "moon_percent_text",  "sun_percent",
        "sun_percent_text", "mondtag_percent",    "mondtag_percent_text",
        "ecart_percent",    "ecart_percent_text", "type",
        "type_text",        "type_bitmap",        "phases",
        "phases_utc",       "last_new_moon",      "full_moon",
        "next_new_moon",    "birth_moment"};
    // One key per line, in this order, nothing else.
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "{");
    std::vector<std::string> seen;
    std::vector<std::string> values;
    while (std::getline(lines, line) && line != "}") {
        const size_t open = line.find('"');
        const size_t close = line.find('"', open + 1);
        ASSERT_NE(close, std::string::npos) << line;
        seen.push_back(line.substr(open + 1, close - open - 1));
        std::string value = line.substr(line.find(": ") + 2);
        if (!value.empty() && value.back() == ',') {
            value.pop_back();
        }
        values.push_back(value);
    }
    EXPECT_EQ(line, "}");
    ASSERT_EQ(seen, keys);
    // The version key and the phase moments in UTC; every other line is as before they came.
    EXPECT_EQ(values[0], "1");
    EXPECT_EQ(values[15], "[\"2000-03-06T05:19:13Z\", \"2000-03-13T06:59:35Z\", "
                          "\"2000-03-20T04:45:10Z\", \"2000-03-28T00:23:55Z\", "
                          "\"2000-04-04T18:14:33Z\"]");
    values.erase(values.begin() + 15);
    values.erase(values.begin());

    const BirthEvaluation e = EvaluateBirth(20, 3, 2000, 8, 0, -1, 0, 0);
    EXPECT_EQ(std::strtod(values[0].c_str(), nullptr), e.m_dJulianDate);
    EXPECT_EQ(values[1], "\"2451623.791667\"");
    EXPECT_EQ(std::strtod(values[2].c_str(), nullptr), e.m_dMoonPercent);
    EXPECT_EQ(values[3], "\"99.99 %\"");
    EXPECT_EQ(std::strtod(values[4].c_str(), nullptr), e.m_dSunPercent);
    EXPECT_EQ(std::strtod(values[6].c_str(), nullptr), e.m_dMoonDayPercent);
    EXPECT_EQ(std::strtod(values[8].c_str(), nullptr), e.m_dEcartPercent);
    EXPECT_EQ(values[10], "1");
    EXPECT_EQ(values[11], "\"Lunar\"");
    EXPECT_EQ(values[12], "131");
    ASSERT_EQ(values[13].front(), '[');
    std::istringstream phases(values[13].substr(1));
    for (size_t i = 0; i < 5; ++i) {
        std::string item;
        std::getline(phases, item, i < 4 ? ',' : ']');
        EXPECT_EQ(std::strtod(item.c_str(), nullptr), e.m_phases[i]) << i;
    }
    EXPECT_EQ(values[14], "\"6.3.2000 5:19Uhr\"");
    EXPECT_EQ(values[17], "\"20.3.2000 8:00Uhr\"");
}

} // namespace
