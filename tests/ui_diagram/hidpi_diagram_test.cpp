// The diagram control on a screen of device pixel ratio 2: drawn at the screen's resolution,
// with the lines of the vector picture at scale 2, not the control's pixels doubled.
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "sheet/diagram_drawing.h"
#include "ui/form_builder.h"
#include "ui/phase_diagram.h"

namespace {

struct Birth {
    double centre;
    int32_t southern;
};
constexpr Birth kBirths[] = {{2446138.770833, 0}, {2452216.5, 1}, {2451545.0, 0}};

QImage Shown(const Birth& b) {
    CPhaseDiagram control;
    control.resize(261, 128);
    control.m_dCentreJD = b.centre;
    control.m_bSouthern = b.southern;
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many of the image's 2 × 2 blocks (at even positions) hold more than one colour: none when
// every pixel of a picture half the size was doubled.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c) {
                ++mixed;
            }
        }
    }
    return mixed;
}

TEST(HiDpiDiagram, GrabHasTheDevicesPixelsAndTheVectorPictureAtScaleTwo) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.centre);
        const QImage shown = Shown(b);
        ASSERT_EQ(shown.size(), QSize(522, 256));
        EXPECT_EQ(shown.devicePixelRatio(), 2.0);
        QImage picture =
            DiagramPicture(b.centre, b.southern, 2).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), shown.size());
        // Same lines at the same places: the grab is the vector picture of vexamo-cli at scale 2.
        picture.setDevicePixelRatio(shown.devicePixelRatio());
        EXPECT_TRUE(shown == picture);
    }
}

TEST(HiDpiDiagram, CurvesAreNotTheControlsPixelsDoubled) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.centre);
        const QImage shown = Shown(b);
        // The anti-aliased curves cut through many 2 × 2 blocks.
        EXPECT_GT(MixedBlocks(shown), 300);
        // Both curves are there in their full colours.
        bool blue = false;
        bool red = false;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                blue = blue || shown.pixel(x, y) == qRgb(0, 0, 255);
                red = red || shown.pixel(x, y) == qRgb(255, 0, 0);
            }
        }
        EXPECT_TRUE(blue);
        EXPECT_TRUE(red);
        // The 1× picture doubled is something else.
        const QImage doubled = DiagramPicture(b.centre, b.southern, 1)
                                   .scaled(shown.size())
                                   .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(MixedBlocks(doubled), 0);
    }
}

TEST(HiDpiDiagram, ScaleNumbersTitlesAndLegendAreDrawnAtTheDevicesResolution) {
    for (int id = 138; id <= 148; ++id) {
        SCOPED_TRACE(id);
        const QPixmap plain = ResourcePixmap(id);
        const QPixmap sharp = ResourcePixmap(id, 2.0);
        ASSERT_FALSE(plain.isNull());
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        // The same place on the form, with twice the pixels each way.
        EXPECT_EQ(sharp.deviceIndependentSize().toSize(), plain.size());
        const QImage image = sharp.toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(MixedBlocks(image), 0) << "the 1x picture doubled";
    }
}

} // namespace
