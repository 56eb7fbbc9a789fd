// The one integer rule of the form, the command line and the CSV fields, and the one number
// form of the machine-readable outputs.
#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

TEST(NumberText, IntegerRule) {
    const std::pair<std::string, std::optional<int32_t>> cases[] = {
        {"0", 0},
        {"-0", 0},
        {"+7", 7},
        {"  12 ", 12}, // blanks around a number, as typed in a form field
        {"\t-3\r\n", -3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, // beyond 32 bits
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"--5", std::nullopt},
        {"1 2", std::nullopt}, // blanks only around it
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"0x10", std::nullopt},
        {"x", std::nullopt},
        {"\xC2\xA0"
         "5",
         std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseInteger(text), value) << "'" << text << "'";
    }
}

TEST(NumberText, ShortestFormReadsBackTheSameDouble) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},       {2451545.0, "2451545"},
        {-0.0, "-0"},       {1e-300, "1e-300"},
        {50.0, "50"},       {2451623.7916666665, "2451623.7916666665"},
        {5e-324, "5e-324"}, {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const auto& [value, text] : cases) {
        std::string out = "x";
        AppendShortestNumber(out, value);
        EXPECT_EQ(out, std::string("x") + text);
        double back = 0;
        std::from_chars(out.data() + 1, out.data() + out.size(), back);
        EXPECT_EQ(back, value);
    }
    for (const double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        std::string out;
        AppendShortestNumber(out, v);
        EXPECT_EQ(out, "");
    }
}

TEST(NumberText, IntegersAsToString) {
    for (const long long v :
         {0LL, 7LL, -7LL, 2147483647LL, -2147483648LL, std::numeric_limits<long long>::max(),
          std::numeric_limits<long long>::min()}) {
        std::string out;
        AppendInteger(out, v);
        EXPECT_EQ(out, std::to_string(v));
        AppendInteger(out, v); // appended after what is held
        EXPECT_EQ(out.size(), 2 * std::to_string(v).size());
    }
}
