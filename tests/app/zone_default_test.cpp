// The form's value while it follows the computer's zone: plain whole hours only.
#include <gtest/gtest.h>
#include <optional>

#include "app/zone_default.h"

TEST(ZoneDefaultTest, PlainWholeHoursOnly) {
    const struct {
        const char* zone;
        places::LocalMoment moment;
        std::optional<int> value;
    } cases[] = {
        {"Europe/Berlin", {2024, 1, 15, 12, 0}, -1},
        {"Europe/Berlin", {2024, 7, 15, 12, 0}, -2},
        {"UTC", {2024, 7, 15, 12, 0}, 0},
        {"America/New_York", {2024, 1, 15, 12, 0}, 5},
        {"Pacific/Auckland", {2024, 6, 15, 12, 0}, -12},
        // The form then keeps its value: not whole hours, beyond -12..12, a time that occurs
        // twice or never, no zone or an unknown one.
        {"Asia/Kolkata", {2024, 1, 15, 12, 0}, std::nullopt},
        {"Pacific/Kiritimati", {2024, 1, 15, 12, 0}, std::nullopt},
        {"Pacific/Auckland", {2024, 1, 15, 12, 0}, std::nullopt}, // summer time: UTC+13
        {"Europe/Berlin", {2023, 10, 29, 2, 30}, std::nullopt},
        {"Europe/Berlin", {2024, 3, 31, 2, 30}, std::nullopt},
        {"", {2024, 1, 15, 12, 0}, std::nullopt},
        {"Mars/Base", {2024, 1, 15, 12, 0}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultTimeDifference(c.zone, c.moment), c.value)
            << c.zone << " " << c.moment.day << "." << c.moment.month << "." << c.moment.year;
    }
}
