// The simple and the extended layout, and New in each of them.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"

using LayoutTest = AppFixture;

TEST_F(LayoutTest, ToggleSizesTheFrameAfterTheGroupBoxAndEvaluates) {
    ASSERT_TRUE(Start());
    const QSize simple = Frame().frameGeometry().size();
    const QPoint topLeft = Frame().frameGeometry().topLeft();
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(1000);
    EXPECT_FALSE(View().m_bSimple);
    EXPECT_EQ(Text(1000), "Einfach << ");
    EXPECT_EQ(Frame().frameGeometry().size(), ExpectedFrameSize(1029));
    EXPECT_EQ(Frame().frameGeometry().topLeft(), topLeft);
    EXPECT_GT(Frame().width(), simple.width());
    EXPECT_GT(Frame().height(), simple.height());
    EXPECT_EQ(Text(1024), "20.3.2000 8:00Uhr"); // evaluated again

    SetText(1004, "21");
    Click(1000);
    EXPECT_TRUE(View().m_bSimple);
    EXPECT_EQ(Text(1000), "Extras >> ");
    EXPECT_EQ(Frame().frameGeometry().size(), simple);
    EXPECT_EQ(Text(1024), "21.3.2000 8:00Uhr");
}

TEST_F(LayoutTest, NewKeepsTheExtendedLayout) {
    ASSERT_TRUE(Start());
    Click(1000);
    const QSize extended = Frame().frameGeometry().size();
    app->OnCommand(57600);
    EXPECT_FALSE(View().m_bSimple);
    EXPECT_EQ(Text(1000), "Einfach << ");
    EXPECT_EQ(Frame().frameGeometry().size(), extended);
}

TEST_F(LayoutTest, NewReappliesTheSimpleLayout) {
    ASSERT_TRUE(Start());
    const QSize simple = Frame().frameGeometry().size();
    Frame().resize(700, 600);
    EnterBirth(1, 1, 2001, 0, 0, 0);
    app->OnCommand(57600);
    EXPECT_TRUE(View().m_bSimple);
    EXPECT_EQ(Frame().frameGeometry().size(), simple);
    EXPECT_EQ(Text(1024), "17.5.2024 14:33Uhr");
    EXPECT_TRUE(messages.shown.empty());
}
