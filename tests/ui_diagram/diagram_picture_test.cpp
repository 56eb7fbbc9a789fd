// The diagram picture of sheets and vexamo-cli at scale 1 is what the window's control shows.
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "sheet/diagram_drawing.h"
#include "ui/phase_diagram.h"

namespace {

TEST(DiagramPicture, ScaleOneIsTheControlPixelForPixel) {
    struct Case {
        double centre;
        int32_t southern;
    };
    const Case cases[] = {{2446138.770833, 0}, {2452216.5, 1}, {2451545.0, 0}, {0.0, 0}};
    for (const Case& c : cases) {
        CPhaseDiagram control;
        control.resize(261, 128);
        control.m_dCentreJD = c.centre;
        control.m_bSouthern = c.southern;
        const QImage shown = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = DiagramPicture(c.centre, c.southern, 1);
        EXPECT_EQ(picture.size(), QSize(261, 128));
        EXPECT_TRUE(shown == picture) << c.centre;
    }
}

} // namespace
