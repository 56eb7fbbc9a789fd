#include "astro/lunation_table.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "astro/birth.h"

namespace {

constexpr double kSynodicMonth = 29.53058868;
// Lunation numbers of the first and last evaluable years, and the spacing of lunations that
// share a table entry.
constexpr double kFirstLunation = -1249000.0;
constexpr double kLastLunation = 1249000.0;
constexpr double kSharingSpacing = 65536.0;

void ExpectSameLunation(const Lunation& got, const Lunation& expected, double where) {
    for (size_t i = 0; i < got.moments.size(); ++i) {
        EXPECT_EQ(std::bit_cast<uint64_t>(got.moments[i]),
                  std::bit_cast<uint64_t>(expected.moments[i]))
            << where << " moment " << i;
    }
    EXPECT_EQ(got.texts, expected.texts) << where;
}

Lunation Computed(double k) {
    Lunation l;
    ComputeLunation(k, l);
    return l;
}

// The lunation FindPhases(jd) settles on, searched and computed without the table.
Lunation Searched(double jd) {
    return Computed(SearchLunation(jd).k);
}

TEST(LunationTable, ComputedLunationIsTheTruePhases) {
    const Lunation l = Computed(1236);
    EXPECT_EQ(l.moments,
              (PhaseTimes{TruePhase(1236, 0), TruePhase(1236, 0.25), TruePhase(1236, 0.5),
                          TruePhase(1236, 0.75), TruePhase(1237, 0)}));
    EXPECT_EQ(l.texts[0], FormatPhaseMoment(l.moments[0]));
    EXPECT_EQ(l.texts[1], FormatPhaseMoment(l.moments[2]));
    EXPECT_EQ(l.texts[2], FormatPhaseMoment(l.moments[4]));
}

TEST(LunationTable, AnswersEqualDirectComputation) {
    std::vector<double> numbers = {0,
                                   -1,
                                   1236,
                                   kFirstLunation,
                                   kFirstLunation + 1,
                                   kLastLunation,
                                   kLastLunation - 1,
                                   1236 + kSharingSpacing, // shares 1236's entry
                                   1236 - kSharingSpacing,
                                   0.5,      // not a lunation number: never kept
                                   -2.25,    // idem
                                   4e12,     // beyond what is kept
                                   -7.5e13}; // idem
    std::mt19937_64 random(21);
    std::uniform_real_distribution<double> anywhere(kFirstLunation, kLastLunation);
    for (int i = 0; i < 2000; ++i) {
        numbers.push_back(std::floor(anywhere(random)));
    }
    // Cold, warm, and again after every entry was reused by another lunation.
    for (const double shift : {0.0, 0.0, kSharingSpacing, 0.0}) {
        for (const double k : numbers) {
            Lunation l;
            LookUpLunation(k + shift, l);
            ExpectSameLunation(l, Computed(k + shift), k + shift);
        }
    }
}

TEST(LunationTable, KeptLunationsAreNotComputedAgain) {
    Lunation l;
    for (double k = 30000; k < 30100; ++k) {
        LookUpLunation(k, l);
    }
    const uint64_t before = LunationComputeCount();
    for (double k = 30000; k < 30100; ++k) {
        LookUpLunation(k, l);
    }
    EXPECT_EQ(LunationComputeCount(), before);
}

TEST(LunationTable, SkippedSearchesSettleOnTheSearchedLunation) {
    std::mt19937_64 random(1234);
    std::uniform_real_distribution<double> anywhere(kFirstLunation * kSynodicMonth,
                                                    kLastLunation * kSynodicMonth);
    // Offsets from the bracketing mean new moons: on them, just beside them, around the margin
    // and well inside.
    const double offsets[] = {0, 1e-9, 1e-6, 0.002, 0.049, 0.05, 0.051, 0.2, 3, 14.7};
    const uint64_t searchesBefore = LunationSearchCount();
    int probes = 0;
    for (int i = 0; i < 3000; ++i) {
        const double first = 2415020.75933 + anywhere(random);
        Lunation l;
        FindLunation(first, l); // keeps the bracket of a search
        ExpectSameLunation(l, Searched(first), first);
        const LunationBracket b = SearchLunation(first);
        for (const double offset : offsets) {
            for (const double jd : {b.start + offset, b.start - offset, b.end - offset,
                                    b.end + offset, first + offset, first - offset}) {
                FindLunation(jd, l);
                ExpectSameLunation(l, Searched(jd), jd);
                ++probes;
            }
        }
    }
    // Most probes lie well inside a kept bracket and skip their search.
    EXPECT_LT(LunationSearchCount() - searchesBefore, 3000u + probes / 2u);
}

TEST(LunationTable, MomentsOutsideTheEvaluableYearsAreSearched) {
    for (const double jd : {-4.2e7, 4.5e7, 1e15, -3e300}) {
        Lunation l;
        FindLunation(jd, l);
        const uint64_t before = LunationSearchCount();
        FindLunation(jd, l);
        EXPECT_EQ(LunationSearchCount(), before + 1) << jd;
        ExpectSameLunation(l, Searched(jd), jd);
        PhaseTimes p{};
        FindPhases(jd, p);
        EXPECT_EQ(p, l.moments) << jd;
    }
}

struct Birth {
    int32_t day, month, year, hour, minute, timeZone, southern, constantZone;
};

BirthEvaluation Evaluate(const Birth& b) {
    return EvaluateBirth(b.day, b.month, b.year, b.hour, b.minute, b.timeZone, b.southern,
                         b.constantZone);
}

void ExpectSameEvaluation(const BirthEvaluation& a, const BirthEvaluation& b) {
    EXPECT_EQ(std::bit_cast<uint64_t>(a.m_dJulianDate), std::bit_cast<uint64_t>(b.m_dJulianDate));
    EXPECT_EQ(std::bit_cast<uint64_t>(a.m_dMoonPercent), std::bit_cast<uint64_t>(b.m_dMoonPercent));
    EXPECT_EQ(std::bit_cast<uint64_t>(a.m_dSunPercent), std::bit_cast<uint64_t>(b.m_dSunPercent));
    EXPECT_EQ(std::bit_cast<uint64_t>(a.m_dMoonDayPercent),
              std::bit_cast<uint64_t>(b.m_dMoonDayPercent));
    EXPECT_EQ(std::bit_cast<uint64_t>(a.m_dEcartPercent),
              std::bit_cast<uint64_t>(b.m_dEcartPercent));
    EXPECT_EQ(a.m_strJulianDate, b.m_strJulianDate);
    EXPECT_EQ(a.m_strMoonPercent, b.m_strMoonPercent);
    EXPECT_EQ(a.m_strSunPercent, b.m_strSunPercent);
    EXPECT_EQ(a.m_strMoonDayPercent, b.m_strMoonDayPercent);
    EXPECT_EQ(a.m_strEcartPercent, b.m_strEcartPercent);
    EXPECT_EQ(a.m_nType, b.m_nType);
    EXPECT_EQ(a.m_nTypeBitmap, b.m_nTypeBitmap);
    EXPECT_EQ(a.m_phases, b.m_phases);
    EXPECT_EQ(a.m_strLastNewMoon, b.m_strLastNewMoon);
    EXPECT_EQ(a.m_strFullMoon, b.m_strFullMoon);
    EXPECT_EQ(a.m_strNextNewMoon, b.m_strNextNewMoon);
    EXPECT_EQ(a.m_strBirthMoment, b.m_strBirthMoment);
}

// Random births of the given years; consecutive eras 5,300 years apart share table entries.
std::vector<Birth> Births(int count, int32_t firstYear, int32_t years, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Birth> births;
    for (int i = 0; i < count; ++i) {
        births.push_back({static_cast<int32_t>(1 + random() % 28),
                          static_cast<int32_t>(1 + random() % 12),
                          firstYear + static_cast<int32_t>(random() % years),
                          static_cast<int32_t>(random() % 24), static_cast<int32_t>(random() % 60),
                          static_cast<int32_t>(random() % 25) - 12,
                          static_cast<int32_t>(random() % 2), static_cast<int32_t>(random() % 2)});
    }
    return births;
}

TEST(LunationTable, EvaluationIsTheSameColdAndWarm) {
    for (const int32_t era : {-99999, -42000, 1900, 60000, 99800}) {
        const auto births = Births(300, era, 200, static_cast<unsigned>(era + 100000));
        std::vector<BirthEvaluation> cold;
        for (const Birth& b : births) {
            cold.push_back(Evaluate(b));
        }
        for (size_t i = 0; i < births.size(); ++i) {
            const BirthEvaluation warm = Evaluate(births[i]);
            ExpectSameEvaluation(warm, cold[i]);
            const Lunation direct = Searched(warm.m_dJulianDate);
            EXPECT_EQ(warm.m_phases, direct.moments);
            EXPECT_EQ(warm.m_strLastNewMoon, direct.texts[0]);
            EXPECT_EQ(warm.m_strFullMoon, direct.texts[1]);
            EXPECT_EQ(warm.m_strNextNewMoon, direct.texts[2]);
        }
    }
}

TEST(LunationTable, SeveralThreadsGiveTheResultsOfOne) {
    // Two eras whose lunations share entries, never evaluated before: the threads fill and
    // take over the same entries while the others read them.
    std::vector<Birth> births = Births(1500, 3000, 150, 7);
    const std::vector<Birth> sharing = Births(1500, 3000 + 5299, 150, 8);
    births.insert(births.end(), sharing.begin(), sharing.end());

    constexpr int kThreads = 4;
    std::vector<std::vector<BirthEvaluation>> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&births, &results, t] {
            std::vector<BirthEvaluation>& mine = results[t];
            mine.resize(births.size());
            // Each thread walks the births from its own starting point.
            for (size_t n = 0; n < births.size(); ++n) {
                const size_t i = (n + t * births.size() / kThreads) % births.size();
                mine[i] = Evaluate(births[i]);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (size_t i = 0; i < births.size(); ++i) {
        const BirthEvaluation one = Evaluate(births[i]);
        EXPECT_EQ(one.m_phases, Searched(one.m_dJulianDate).moments);
        for (int t = 0; t < kThreads; ++t) {
            ExpectSameEvaluation(results[t][i], one);
        }
    }
}

} // namespace
