// The diagram control above 96 dots an inch: drawn at the device's resolution with the lines as
// vectors (the pixels the Linux control shows at that device pixel ratio), not its own pixels
// stretched; at 96 the GDI's drawing of its own pixels.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource_ids.h"
#include "sheet/diagram_bitmap.h"
#include "tests/sheet_gdi/dib_bitmap.h"
#include "win/main_view.h"
#include "win/phase_diagram.h"
#include "win_fixture.h"

namespace {

class HiDpiDiagramTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
        EnterBirth(14, 3, 1985, 7, 30, 1);
        Click(IDC_CALCULATE);
    }

    // What the control renders on a client area of width x height at ratio.
    std::vector<uint32_t> Rendered(int32_t width, int32_t height, double ratio) {
        gdi_test::DibBitmap dib(width, height, 0xff808080u);
        EXPECT_TRUE(dib.Valid());
        app->View().Diagram()->Render(dib.Dc(), width, height, ratio);
        return dib.Pixels();
    }
};

// How many 2 x 2 blocks (at even places) hold more than one colour: none in a picture doubled.
int64_t MixedBlocks(const std::vector<uint32_t>& p, int32_t width, int32_t height) {
    int64_t mixed = 0;
    for (int32_t y = 0; y + 1 < height; y += 2) {
        for (int32_t x = 0; x + 1 < width; x += 2) {
            const uint32_t c = p[size_t(y) * width + x];
            mixed += p[size_t(y) * width + x + 1] != c || p[size_t(y + 1) * width + x] != c ||
                     p[size_t(y + 1) * width + x + 1] != c;
        }
    }
    return mixed;
}

TEST_F(HiDpiDiagramTest, AboveOneTheLinesAreDrawnAtTheDevicesResolution) {
    const CPhaseDiagram& diagram = *app->View().Diagram();
    struct Case {
        double ratio;
        int32_t width, height; // the client area in device pixels
    };
    for (const Case c : {Case{2.0, 522, 256}, Case{1.5, 392, 192}, Case{1.25, 326, 160}}) {
        SCOPED_TRACE(c.ratio);
        const std::vector<uint32_t> shown = Rendered(c.width, c.height, c.ratio);
        const DiagramBitmap vectors =
            DiagramBitmapAt(diagram.m_dCentreJD, diagram.m_bSouthern, 261, 128, c.ratio);
        ASSERT_GE(vectors.width, c.width);
        int64_t differing = 0;
        for (int32_t y = 0; y < c.height; ++y) {
            for (int32_t x = 0; x < c.width; ++x) {
                differing +=
                    shown[size_t(y) * c.width + x] != vectors.pixels[size_t(y) * vectors.width + x];
            }
        }
        EXPECT_EQ(differing, 0);
    }
    // Not the control's pixels doubled.
    EXPECT_GT(MixedBlocks(Rendered(522, 256, 2.0), 522, 256), 300);
}

TEST_F(HiDpiDiagramTest, AtOneTheControlsOwnPixels) {
    const CPhaseDiagram& diagram = *app->View().Diagram();
    const std::vector<uint32_t> shown = Rendered(261, 128, 1.0);
    const DiagramBitmap own =
        DiagramBitmapAt(diagram.m_dCentreJD, diagram.m_bSouthern, 261, 128, 1.0);
    EXPECT_TRUE(shown == own.pixels);
    // The ratio follows the window's resolution (96 dots an inch in the tests' prefix unless its
    // LogPixels says otherwise), never below one.
    EXPECT_GE(diagram.Ratio(), 1.0);
    EXPECT_EQ(diagram.Ratio(), GetDpiForWindow(diagram.Window()) > 96
                                   ? GetDpiForWindow(diagram.Window()) / 96.0
                                   : 1.0);
}

} // namespace
