// The classic look: greyed items must look greyed.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"

using ClassicLookTest = AppFixture;

namespace {

// The darkest grey level inside rect of image.
int DarkestLevel(const QImage& image, const QRect& rect) {
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
    }
    return darkest;
}

} // namespace

TEST_F(ClassicLookTest, EmptyRecentFileEntryIsDrawnGreyed) {
    ASSERT_TRUE(Start());
    QMenu* file = Frame().menuBar()->actions().at(0)->menu();
    file->adjustSize();
    const QImage image = file->grab().toImage();
    QAction* placeholder = Frame().CommandAction(ID_FILE_MRU_FILE1);
    QAction* quit = Frame().CommandAction(ID_APP_EXIT);
    ASSERT_FALSE(placeholder->isEnabled());
    const int greyed = DarkestLevel(image, file->actionGeometry(placeholder));
    const int normal = DarkestLevel(image, file->actionGeometry(quit));
    EXPECT_LT(normal, 40);
    EXPECT_GT(greyed, 100);
}
