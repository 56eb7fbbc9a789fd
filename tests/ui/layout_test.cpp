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
    Click(IDC_LAYOUT);
    EXPECT_FALSE(SimpleLayout());
    EXPECT_EQ(Text(IDC_LAYOUT), "Einfach << ");
    EXPECT_EQ(Frame().frameGeometry().size(), ExpectedFrameSize(IDC_GROUP_OPTIONS));
    EXPECT_EQ(Frame().frameGeometry().topLeft(), topLeft);
    EXPECT_GT(Frame().width(), simple.width());
    EXPECT_GT(Frame().height(), simple.height());
    EXPECT_EQ(Text(IDC_BIRTH), "20.3.2000 8:00Uhr"); // evaluated again

    SetText(IDC_DAY, "21");
    Click(IDC_LAYOUT);
    EXPECT_TRUE(SimpleLayout());
    EXPECT_EQ(Text(IDC_LAYOUT), "Extras >> ");
    EXPECT_EQ(Frame().frameGeometry().size(), simple);
    EXPECT_EQ(Text(IDC_BIRTH), "21.3.2000 8:00Uhr");
}

TEST_F(LayoutTest, NewKeepsTheExtendedLayout) {
    ASSERT_TRUE(Start());
    Click(IDC_LAYOUT);
    const QSize extended = Frame().frameGeometry().size();
    Command(ID_FILE_NEW);
    EXPECT_FALSE(SimpleLayout());
    EXPECT_EQ(Text(IDC_LAYOUT), "Einfach << ");
    EXPECT_EQ(Frame().frameGeometry().size(), extended);
}

TEST_F(LayoutTest, NewReappliesTheSimpleLayout) {
    ASSERT_TRUE(Start());
    const QSize simple = Frame().frameGeometry().size();
    Frame().resize(700, 600);
    EnterBirth(1, 1, 2001, 0, 0, 0);
    Command(ID_FILE_NEW);
    EXPECT_TRUE(SimpleLayout());
    EXPECT_EQ(Frame().frameGeometry().size(), simple);
    EXPECT_EQ(Text(IDC_BIRTH), "17.5.2024 14:33Uhr");
    EXPECT_TRUE(messages.shown.empty());
}
