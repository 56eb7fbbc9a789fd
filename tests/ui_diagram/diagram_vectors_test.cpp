// The diagram's lines as anti-aliased vectors by the platform-free rules: where strokes light
// their pixels fully, partly or not at all, the dotted grid, and the pictures' sizes.
#include "sheet/diagram_vectors.h"

#include <gtest/gtest.h>

#include <vector>

#include "sheet/diagram_bitmap.h"

namespace vector_test {

constexpr uint32_t kWhite = 0xffffffffu;
constexpr uint32_t kBlack = 0xff000000u;
constexpr uint32_t kBlue = 0xff0000ffu;

struct PixelGrid {
    PixelGrid(int32_t w, int32_t h)
        : width(w), height(h), pixels(size_t(w) * size_t(h), 0xff808080u) {}
    DiagramPixelBuffer Buffer() { return {pixels.data(), width, height, width}; }
    uint32_t At(int32_t x, int32_t y) const {
        return pixels[size_t(y) * size_t(width) + size_t(x)];
    }
    int32_t width, height;
    std::vector<uint32_t> pixels;
};

DiagramGeometry OneStroke(DiagramStroke::Kind kind, std::vector<PagePoint> points) {
    DiagramGeometry g;
    g.size = {20, 10};
    g.strokes.push_back({kind, std::move(points)});
    return g;
}

TEST(DiagramVectors, AStrokeLightsWhatItCoversAndBlendsItsEdges) {
    // A horizontal Moon line through the middles of row 5, at ratio 1 and 2.
    struct Case {
        double ratio;
        int32_t fullRow;  // wholly blue
        int32_t whiteRow; // untouched
    };
    for (const Case c : {Case{1.0, 5, 7}, Case{2.0, 10, 13}}) {
        PixelGrid p(int32_t(20 * c.ratio), int32_t(10 * c.ratio));
        DrawDiagramVectors(p.Buffer(), OneStroke(DiagramStroke::Kind::Moon, {{2, 5.5}, {18, 5.5}}),
                           c.ratio);
        const int32_t middle = int32_t(10 * c.ratio);
        EXPECT_EQ(p.At(middle, c.fullRow), kBlue) << c.ratio;
        EXPECT_EQ(p.At(middle, c.whiteRow), kWhite) << c.ratio;
        EXPECT_EQ(p.At(0, 0), kWhite) << "the ground is white";
    }
    // Half a pixel off the middles: two rows half blue each.
    PixelGrid p(20, 10);
    DrawDiagramVectors(p.Buffer(), OneStroke(DiagramStroke::Kind::Moon, {{2, 5}, {18, 5}}), 1.0);
    EXPECT_EQ(p.At(10, 4), 0xff7f7fffu);
    EXPECT_EQ(p.At(10, 5), 0xff7f7fffu);
}

TEST(DiagramVectors, PartsOfAStrokeOverEachOtherAreNotDarker) {
    // Where segments of one stroke meet or overlap, a pixel takes the most any of them covers,
    // not their sum: a line drawn there and back is the line drawn once.
    PixelGrid once(20, 10);
    PixelGrid twice(20, 10);
    DrawDiagramVectors(once.Buffer(), OneStroke(DiagramStroke::Kind::Moon, {{2, 5}, {18, 5}}), 1.0);
    DrawDiagramVectors(twice.Buffer(),
                       OneStroke(DiagramStroke::Kind::Moon, {{2, 5}, {18, 5}, {2, 5}}), 1.0);
    EXPECT_TRUE(once.pixels == twice.pixels);
}

TEST(DiagramVectors, TheGridIsDottedFromItsFirstPointWithFlatEnds) {
    for (const double ratio : {1.0, 3.0}) {
        PixelGrid p(int32_t(20 * ratio), int32_t(10 * ratio));
        DrawDiagramVectors(p.Buffer(), OneStroke(DiagramStroke::Kind::Grid, {{4.5, 0}, {4.5, 9}}),
                           ratio);
        const auto x = int32_t(4.5 * ratio);
        for (int32_t unit = 0; unit < 9; ++unit) {
            const int32_t y = int32_t((unit + 0.5) * ratio);
            EXPECT_EQ(p.At(x, y), unit % 2 == 0 ? kBlack : kWhite) << ratio << " " << unit;
        }
        // Nothing beyond its end.
        EXPECT_EQ(p.At(x, int32_t(9.5 * ratio)), kWhite) << ratio;
    }
}

TEST(DiagramBitmap, SizesRoundUpAndScaleOneIsTheControlsRaster) {
    const double centre = 2446138.770833;
    const DiagramBitmap one = DiagramBitmapAt(centre, 0, 261, 128, 1.0);
    ASSERT_EQ(one.width, 261);
    ASSERT_EQ(one.height, 128);
    std::vector<uint32_t> control(261 * 128, kDiagramBackground);
    DiagramPixels dc({control.data(), 261, 128, 261});
    DiagramSampleCache samples;
    DrawDiagramControl(dc, centre, 0, 261, 128, samples);
    EXPECT_TRUE(one.pixels == control);

    const DiagramBitmap larger = DiagramBitmapAt(centre, 1, 261, 128, 1.25);
    EXPECT_EQ(larger.width, 327);
    EXPECT_EQ(larger.height, 160);
    bool red = false;
    for (const uint32_t p : larger.pixels) {
        red = red || p == 0xffff0000u;
    }
    EXPECT_TRUE(red);
    // Nothing absurd is attempted.
    EXPECT_TRUE(DiagramBitmapAt(centre, 0, 261, 128, 1e6).Empty());
    EXPECT_TRUE(DiagramBitmapAt(centre, 0, 0, 128, 2).Empty());
    EXPECT_TRUE(DiagramBitmapAt(centre, 0, 261, 128, 0).Empty());
}

} // namespace vector_test
