#include "app/birth_input.h"

#include <gtest/gtest.h>

namespace {

TEST(BirthInput, StartsAsTheFormDoes) {
    const BirthInput in;
    EXPECT_EQ(in.timeZone, 1);
    EXPECT_FALSE(in.southern);
    EXPECT_FALSE(in.constZone);
}

TEST(BirthInput, RecordKeepsEveryFieldInItsPlace) {
    const BirthInput in{-5, 13, 1850, 25, -1, -3, true, false};
    const VXDateStore record = ToRecord(in);
    EXPECT_EQ(record, VXDateStore(1850, 13, -5, 25, -1, 1, 0, -3));
    EXPECT_EQ(FromRecord(record), in);
    // A file may hold any number as a flag; every non-zero value is set.
    EXPECT_TRUE(FromRecord(VXDateStore(2000, 1, 1, 0, 0, 7, -1, 0)).southern);
    EXPECT_TRUE(FromRecord(VXDateStore(2000, 1, 1, 0, 0, 7, -1, 0)).constZone);
}

TEST(BirthInput, EvaluateTakesEveryField) {
    const BirthInput in{20, 3, 2000, 8, 0, -1, true, true};
    const BirthEvaluation e = Evaluate(in);
    const BirthEvaluation expected = EvaluateBirth(20, 3, 2000, 8, 0, -1, 1, 1);
    EXPECT_EQ(e.m_dJulianDate, expected.m_dJulianDate);
    EXPECT_EQ(e.m_dSunPercent, expected.m_dSunPercent);
    EXPECT_EQ(e.m_nType, expected.m_nType);
    EXPECT_NE(Evaluate(BirthInput{20, 3, 2000, 8, 0, -1, false, true}).m_dSunPercent,
              e.m_dSunPercent);
}

TEST(BirthInput, TypeNames) {
    EXPECT_STREQ(BirthTypeName(Solar), "Solar");
    EXPECT_STREQ(BirthTypeName(Lunar), "Lunar");
    EXPECT_STREQ(BirthTypeName(Fragezeichen), "Fragezeichen");
    EXPECT_STREQ(BirthTypeName(3), "");
    EXPECT_STREQ(BirthTypeName(-1), "");
}

} // namespace
