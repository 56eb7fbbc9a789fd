#include "ui/diagram_raster.h"

#include <gtest/gtest.h>

#include "tests/ui_diagram/diagram_colours.h"

namespace {

using namespace diagram_test;

const DiagramPen kSolidBlue{DiagramPen::Style::Solid, kBlue};
const DiagramPen kDotBlack{DiagramPen::Style::Dot, kBlack};

QImage Blank(int w, int h, QRgb fill = kGrey) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

} // namespace

TEST(DiagramRaster, LineLeavesOutItsEndPointInEveryDirection) {
    const QPoint ends[] = {{9, 5}, {1, 5}, {5, 9}, {5, 1}, {9, 9}, {1, 1}, {8, 2}};
    for (const QPoint& end : ends) {
        QImage image = Blank(11, 11);
        DiagramRaster dc(image);
        dc.SelectPen(kSolidBlue);
        dc.MoveTo(5, 5);
        dc.LineTo(end.x(), end.y());
        EXPECT_EQ(image.pixel(5, 5), kBlue) << end.x() << "," << end.y();
        EXPECT_EQ(image.pixel(end), kGrey) << end.x() << "," << end.y();
        const int steps = std::max(std::abs(end.x() - 5), std::abs(end.y() - 5));
        EXPECT_EQ(Count(image, kBlue), steps) << end.x() << "," << end.y();
    }
}

// A pixel exactly half-way between two rows (or columns) goes where the GDI puts it: towards
// the start in octants 1, 2, 4 and 7, away from it in 3, 5, 6 and 8 (clockwise from +x, y down).
TEST(DiagramRaster, HalfWayPixelsFollowTheOctant) {
    struct Tie {
        QPoint end;
        QPoint halfWay; // the line's third pixel
    };
    const Tie ties[] = {
        {{14, 11}, {12, 10}}, {{11, 14}, {10, 12}}, {{9, 14}, {9, 12}}, {{6, 11}, {8, 10}},
        {{6, 9}, {8, 9}},     {{9, 6}, {9, 8}},     {{11, 6}, {10, 8}}, {{14, 9}, {12, 9}},
    };
    for (const Tie& tie : ties) {
        QImage image = Blank(21, 21);
        DiagramRaster dc(image);
        dc.SelectPen(kSolidBlue);
        dc.MoveTo(10, 10);
        dc.LineTo(tie.end.x(), tie.end.y());
        EXPECT_EQ(image.pixel(tie.halfWay), kBlue) << tie.end.x() << "," << tie.end.y();
        EXPECT_EQ(Count(image, kBlue), 4) << tie.end.x() << "," << tie.end.y();
    }
}

TEST(DiagramRaster, ConsecutiveSegmentsJoinWithoutGapOrDoublePixel) {
    QImage image = Blank(20, 20);
    DiagramRaster dc(image);
    dc.SelectPen(kSolidBlue);
    dc.MoveTo(0, 0);
    dc.LineTo(0, 0); // a zero-length segment draws nothing
    EXPECT_EQ(Count(image, kBlue), 0);
    dc.LineTo(7, 3);
    dc.LineTo(7, 10);
    dc.LineTo(15, 10);
    EXPECT_EQ(Count(image, kBlue), 7 + 7 + 8);
    EXPECT_EQ(image.pixel(7, 3), kBlue);
    EXPECT_EQ(image.pixel(7, 10), kBlue);
    EXPECT_EQ(image.pixel(15, 10), kGrey);
}

TEST(DiagramRaster, DottedPenAlternatesFromEachMoveTo) {
    QImage image = Blank(3, 9);
    DiagramRaster dc(image, kWhite);
    dc.SelectPen(kDotBlack);
    dc.MoveTo(1, 0);
    dc.LineTo(1, 9);
    for (int y = 0; y < 9; ++y) {
        EXPECT_EQ(image.pixel(1, y), y % 2 == 0 ? kBlack : kWhite) << y;
    }
    // Upwards from below the image: the pattern starts at the start point.
    image = Blank(3, 9);
    dc.MoveTo(0, 9);
    dc.LineTo(0, 4);
    EXPECT_EQ(image.pixel(0, 8), kWhite);
    EXPECT_EQ(image.pixel(0, 7), kBlack);
    EXPECT_EQ(image.pixel(0, 6), kWhite);
    EXPECT_EQ(image.pixel(0, 5), kBlack);
    EXPECT_EQ(image.pixel(0, 4), kGrey);
}

TEST(DiagramRaster, RectangleOutlinesRightMinusOneAndFillsInside) {
    QImage image = Blank(8, 6);
    DiagramRaster dc(image);
    dc.SelectPen(DiagramPen{DiagramPen::Style::Solid, kBlack});
    dc.Rectangle(1, 1, 6, 5, kWhite);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            QRgb expected = kGrey;
            if (x >= 1 && x <= 5 && y >= 1 && y <= 4) {
                expected = (x == 1 || x == 5 || y == 1 || y == 4) ? kBlack : kWhite;
            }
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DiagramRaster, FarAwayCoordinatesAreClippedQuickly) {
    QImage image = Blank(10, 10);
    DiagramRaster dc(image);
    dc.SelectPen(kSolidBlue);
    dc.MoveTo(INT32_MIN, 4);
    dc.LineTo(INT32_MAX, 4);
    dc.MoveTo(INT32_MIN, INT32_MIN);
    dc.LineTo(INT32_MIN, INT32_MAX);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x, 4), kBlue) << x;
    }
    EXPECT_EQ(Count(image, kBlue), 10);
}
