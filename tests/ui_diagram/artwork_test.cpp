// The embedded pictures: present under their ids, at their sizes and in their colours.
#include <QImage>
#include <gtest/gtest.h>

#include "tests/ui_diagram/diagram_colours.h"

#include <set>

#include "res/resource_ids.h"

namespace {

using namespace diagram_test;

QImage Picture(int id) {
    return QImage(QStringLiteral(":/images/%1.png").arg(id));
}

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            colours.insert(argb.pixel(x, y));
        }
    }
    return colours;
}

bool Has(const std::set<QRgb>& colours, QRgb c) {
    return colours.count(c) == 1;
}

} // namespace

TEST(Artwork, EveryPictureIsEmbeddedAtItsSize) {
    const struct {
        int id;
        int w;
        int h;
    } sizes[] = {{IDR_MAINFRAME, 32, 32},  {IDB_LUNAR, 160, 32},     {IDB_FRAGEZEICHEN, 160, 32},
                 {IDB_SOLAR, 160, 32},     {IDB_CABINET, 33, 34},    {IDB_SCROLL, 30, 34},
                 {IDB_LEGEND, 75, 24},     {IDB_AXIS_DATE, 76, 14},  {IDB_AXIS_PHASE, 14, 55},
                 {IDB_TICK_50, 12, 13},    {IDB_TICK_0, 10, 10},     {IDB_TICK_100, 12, 19},
                 {IDB_DAY_MINUS1, 15, 11}, {IDB_DAY_MINUS2, 13, 11}, {IDB_DAY_0, 8, 11},
                 {IDB_DAY_PLUS1, 13, 12},  {IDB_DAY_PLUS2, 13, 11}};
    for (const auto& s : sizes) {
        const QImage image = Picture(s.id);
        ASSERT_FALSE(image.isNull()) << s.id;
        EXPECT_EQ(image.size(), QSize(s.w, s.h)) << s.id;
    }
}

TEST(Artwork, SixteenColourPicturesStayWithinSixteenColours) {
    for (const int id : {IDR_MAINFRAME, IDB_FRAGEZEICHEN, IDB_CABINET, IDB_SCROLL, IDB_LEGEND,
                         IDB_AXIS_DATE, IDB_AXIS_PHASE, IDB_TICK_50, IDB_TICK_0, IDB_TICK_100,
                         IDB_DAY_MINUS1, IDB_DAY_MINUS2, IDB_DAY_0, IDB_DAY_PLUS1, IDB_DAY_PLUS2}) {
        EXPECT_LE(Colours(Picture(id)).size(), 16u) << id;
    }
}

TEST(Artwork, DiagramLabelsAreBlackOnLightGrey) {
    for (int id = IDB_AXIS_DATE; id <= IDB_DAY_PLUS2; ++id) {
        const QImage image = Picture(id);
        const std::set<QRgb> colours = Colours(image);
        EXPECT_EQ(colours, (std::set<QRgb>{kSilver, kBlack})) << id;
        EXPECT_EQ(image.pixel(0, 0), kSilver) << id;
    }
    // The legend: framed, with a red and a blue line.
    const QImage legend = Picture(IDB_LEGEND);
    EXPECT_EQ(legend.pixel(0, 0), kBlack);
    EXPECT_EQ(legend.pixel(74, 23), kBlack);
    EXPECT_EQ(legend.pixel(1, 1), kSilver);
    const std::set<QRgb> colours = Colours(legend);
    EXPECT_TRUE(Has(colours, 0xffff0000u));
    EXPECT_TRUE(Has(colours, 0xff0000ffu));
}

TEST(Artwork, TurnedLabelsReadUpwards) {
    // A turned label is taller than wide; its text lies in a band across the width.
    for (const int id : {IDB_AXIS_PHASE, IDB_TICK_50, IDB_TICK_100}) {
        const QImage image = Picture(id);
        EXPECT_GT(image.height(), image.width()) << id;
    }
    // "Phase [%]" read from bottom to top starts with the stem of the P at the bottom: the
    // lowest black row is wider (the P's stem, on its side) than the topmost (the bracket).
    const QImage title = Picture(IDB_AXIS_PHASE);
    int lowest = -1;
    for (int y = title.height() - 1; y >= 0 && lowest < 0; --y) {
        for (int x = 0; x < title.width(); ++x) {
            if (title.pixel(x, y) == kBlack) {
                lowest = y;
            }
        }
    }
    int stem = 0;
    for (int x = 0; x < title.width(); ++x) {
        stem += title.pixel(x, lowest) == kBlack ? 1 : 0;
    }
    EXPECT_GE(stem, 6);
}

TEST(Artwork, IconHasATransparentCornerAndAYellowCrescentOnTheRight) {
    const QImage icon = Picture(IDR_MAINFRAME).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0);
    int yellowLeft = 0;
    int yellowRight = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (icon.pixel(x, y) == 0xffffff00u) {
                (x < 16 ? yellowLeft : yellowRight) += 1;
            }
        }
    }
    EXPECT_GT(yellowRight, 20);
    EXPECT_LT(yellowLeft, yellowRight / 4);
}

TEST(Artwork, TypePicturesHaveTheirBackgrounds) {
    const QImage solar = Picture(IDB_SOLAR);
    const QImage lunar = Picture(IDB_LUNAR);
    const QImage question = Picture(IDB_FRAGEZEICHEN);
    // Light blue, night blue, bright yellow (a corner away from the drawings).
    const QColor sky = solar.pixelColor(159, 31);
    EXPECT_GT(sky.blue(), 200);
    EXPECT_GT(sky.blue(), sky.red());
    const QColor night = lunar.pixelColor(159, 31);
    EXPECT_LT(night.value(), 100);
    EXPECT_GT(night.blue(), night.red());
    EXPECT_EQ(question.pixel(159, 31), 0xffffff00u);
    EXPECT_TRUE(Has(Colours(question), 0xff0000ffu));
}
