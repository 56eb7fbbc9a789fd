#include "ui/phase_diagram.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "tests/ui_diagram/diagram_colours.h"

#include <cmath>
#include <set>

namespace {

using namespace diagram_test;

constexpr int kW = 261;
constexpr int kH = 128;

constexpr double kNewMoonJD = 2451550.2603862234; // fraction about 0.0000009

QImage Render(CPhaseDiagram& diagram, int w = kW, int h = kH) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xff808080u);
    QPainter painter(&image);
    diagram.DrawDiagram(painter, QSize(w, h));
    return image;
}

QImage Render(double centre, int southern = 0) {
    CPhaseDiagram diagram;
    diagram.m_dCentreJD = centre;
    diagram.m_bSouthern = southern;
    return Render(diagram);
}

std::set<std::pair<int, int>> PixelsOf(const QImage& image, QRgb colour) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

// Rows of the given colour in columns x0..x1.
std::set<int> RowsIn(const QImage& image, QRgb colour, int x0, int x1) {
    std::set<int> rows;
    for (int x = x0; x <= x1; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == colour) {
                rows.insert(y);
            }
        }
    }
    return rows;
}

} // namespace

TEST(PhaseDiagram, StartsAtJulianDateZeroInTheNorth) {
    CPhaseDiagram diagram;
    EXPECT_EQ(diagram.m_dCentreJD, 0.0);
    EXPECT_EQ(diagram.m_bSouthern, 0);
}

// Without curves (a centre that is not a number) only frame, centre line and value ticks remain.
TEST(PhaseDiagram, FrameCentreLineAndValueTicksPixelByPixel) {
    const QImage image = Render(std::nan(""));
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const bool frame = x == 0 || x == kW - 1 || y == 0;
            const bool centreLine = x == 130 && y % 2 == 0;
            const bool valueTick = (y == 32 || y == 64 || y == 96) && x < 5 && x % 2 == 0;
            const QRgb expected = frame || centreLine || valueTick ? kBlack : kWhite;
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(PhaseDiagram, OnlyTheFourPenColoursWithoutSmoothing) {
    const QImage image = Render(kBirthJD);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const QRgb c = image.pixel(x, y);
            ASSERT_TRUE(c == kWhite || c == kBlack || c == kBlue || c == kRed) << x << "," << y;
        }
    }
}

TEST(PhaseDiagram, DayTicksOnTheLowestRows) {
    const QImage image = Render(kBirthJD);
    for (const int x : {65, 195}) {
        EXPECT_EQ(image.pixel(x, 126), kBlack) << x;
        EXPECT_EQ(image.pixel(x, 124), kBlack) << x;
        EXPECT_EQ(image.pixel(x, 127), kWhite) << x;
        EXPECT_EQ(image.pixel(x, 125), kWhite) << x;
        EXPECT_EQ(image.pixel(x, 123), kWhite) << x;
        EXPECT_EQ(image.pixel(x, 122), kWhite) << x;
    }
    // The lower frame edge is clipped away.
    for (int x = 1; x < kW - 1; ++x) {
        if (x != 65 && x != 130 && x != 195) {
            EXPECT_EQ(image.pixel(x, kH - 1), kWhite) << x;
        }
    }
}

TEST(PhaseDiagram, MoonNearFullAndSunNearHalfAroundTheBirth) {
    const QImage image = Render(kBirthJD);
    // Moon 99.99 %: row 128 - 127 = 1 at the centre.
    EXPECT_EQ(RowsIn(image, kBlue, 129, 131), std::set<int>{1});
    // Sun 49.98 %: row 128 - 63 = 65; spring, so it rises slowly to the right.
    const std::set<int> sunRows = RowsIn(image, kRed, 129, 131);
    ASSERT_FALSE(sunRows.empty());
    EXPECT_GE(*sunRows.begin(), 64);
    EXPECT_LE(*sunRows.rbegin(), 66);
    EXPECT_GT(*RowsIn(image, kRed, 1, 10).begin(), *RowsIn(image, kRed, 250, 259).begin());
    // Both curves run from the left to the right edge.
    EXPECT_FALSE(RowsIn(image, kBlue, 0, 1).empty());
    EXPECT_FALSE(RowsIn(image, kBlue, kW - 2, kW - 1).empty());
    EXPECT_FALSE(RowsIn(image, kRed, kW - 2, kW - 1).empty());
}

TEST(PhaseDiagram, NewMoonLiesOnTheInvisibleRow) {
    const QImage image = Render(kNewMoonJD);
    EXPECT_TRUE(RowsIn(image, kBlue, 110, 150).empty());
    // A day away the Moon is about 1 % lit: just inside the plot.
    EXPECT_FALSE(RowsIn(image, kBlue, 0, 10).empty());
}

TEST(PhaseDiagram, SouthernHemisphereMirrorsOnlyTheSunCurve) {
    const QImage north = Render(kBirthJD, 0);
    const QImage south = Render(kBirthJD, 1);
    const auto blueNorth = PixelsOf(north, kBlue);
    const auto blueSouth = PixelsOf(south, kBlue);
    const auto redNorth = PixelsOf(north, kRed);
    const auto redSouth = PixelsOf(south, kRed);
    // Blue is the same except where the red curve, drawn later, covers it.
    for (const auto& p : blueNorth) {
        EXPECT_TRUE(blueSouth.count(p) == 1 || redSouth.count(p) == 1)
            << p.first << "," << p.second;
    }
    for (const auto& p : blueSouth) {
        EXPECT_TRUE(blueNorth.count(p) == 1 || redNorth.count(p) == 1)
            << p.first << "," << p.second;
    }
    // Red is mirrored about the middle row, up to truncation.
    EXPECT_NE(redNorth, redSouth);
    for (const auto& [x, y] : redNorth) {
        bool mirrored = false;
        for (int d = -2; d <= 2; ++d) {
            mirrored = mirrored || redSouth.count({x, kH - y + d}) == 1;
        }
        EXPECT_TRUE(mirrored) << x << "," << y;
    }
}

TEST(PhaseDiagram, RedrawReusesTheSamplesAndPaintsTheSame) {
    CPhaseDiagram diagram;
    diagram.m_dCentreJD = kBirthJD;
    const QImage first = Render(diagram);
    const QImage second = Render(diagram);
    EXPECT_EQ(first, second);
    EXPECT_EQ(diagram.SampleCache().MoonComputations(), 1);
    EXPECT_EQ(diagram.SampleCache().SunComputations(), 1);

    diagram.m_bSouthern = 1;
    Render(diagram);
    diagram.m_bSouthern = 0;
    EXPECT_EQ(Render(diagram), first);
    EXPECT_EQ(diagram.SampleCache().MoonComputations(), 1);
}

TEST(PhaseDiagram, WidgetPaintsWhatDrawDiagramDraws) {
    CPhaseDiagram diagram;
    diagram.m_dCentreJD = kBirthJD;
    diagram.resize(kW, kH);
    const QImage painted = diagram.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, Render(diagram));
}

TEST(PhaseDiagram, CentreZeroAndTinySizesDraw) {
    const QImage zero = Render(0.0);
    EXPECT_FALSE(PixelsOf(zero, kBlue).empty());
    EXPECT_FALSE(PixelsOf(zero, kRed).empty());

    CPhaseDiagram diagram;
    diagram.m_dCentreJD = std::nan("");
    const QImage tiny = Render(diagram, 7, 3); // no value ticks: a quarter of 3 rows is 0
    for (int y = 1; y < 3; ++y) {
        for (int x = 1; x < 6; ++x) {
            EXPECT_EQ(tiny.pixel(x, y), x == 3 && y == 2 ? kBlack : kWhite) << x << "," << y;
        }
    }
    diagram.m_dCentreJD = kBirthJD;
    Render(diagram, 0, 0);
    Render(diagram, 1, 1);
    Render(diagram, 2, 1000);
}
