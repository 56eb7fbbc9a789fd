#include "app/count_text.h"

#include <gtest/gtest.h>

// The window's own grouping (its record messages are German); vexamo-cli's follow the user's
// language (tests/cli/messages_test.cpp).
TEST(CountText, DigitsInGroupsOfThree) {
    const struct {
        unsigned long long count;
        const char* text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1.000"},
        {1234, "1.234"},
        {100000, "100.000"},
        {1234567, "1.234.567"},
        {18446744073709551615ull, "18.446.744.073.709.551.615"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountText(c.count), c.text) << c.count;
    }
}
