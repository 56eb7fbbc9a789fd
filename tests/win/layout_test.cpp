// The simple and the extended layout: the frame's client area ends 15 pixels past the corner
// of "Résultat :" (simple) or "Options :" (extended), in the form's dialog units.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "win_fixture.h"

namespace {

class LayoutTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(Start());
    }

    // The client size the frame should have for a group box in dialog units.
    SIZE Expected(int x, int y, int cx, int cy) const {
        RECT rect{x, y, cx, cy};
        MapDialogRect(Form(), &rect);
        return SIZE{rect.left + rect.right + 15, rect.top + rect.bottom + 15};
    }

    SIZE Client() const {
        RECT rect{};
        GetClientRect(Frame(), &rect);
        return SIZE{rect.right, rect.bottom};
    }

    // Whether the Tab key reaches the control.
    bool TabStop(int id) const {
        return (GetWindowLongPtrW(GetDlgItem(Form(), id), GWL_STYLE) & WS_TABSTOP) != 0;
    }
};

TEST_F(LayoutTest, SimpleThenExtendedThenSimpleAgain) {
    struct Step {
        const char* button; // what the button offers
        int x, y, cx, cy;   // the shown group box, dialog units
        bool listReachable;
    };
    const Step steps[] = {
        {"Extras >> ", 7, 109, 165, 80, false},
        {"Einfach << ", 183, 238, 207, 35, true},
        {"Extras >> ", 7, 109, 165, 80, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        EXPECT_EQ(Text(IDC_LAYOUT), step.button);
        const SIZE expected = Expected(step.x, step.y, step.cx, step.cy);
        EXPECT_EQ(Client().cx, expected.cx);
        EXPECT_EQ(Client().cy, expected.cy);
        EXPECT_EQ(TabStop(IDC_LIST_DATES), step.listReachable);
        EXPECT_TRUE(TabStop(IDC_CALCULATE));
        Click(IDC_LAYOUT);
    }
}

TEST_F(LayoutTest, TheFormIsInMsSansSerifEightAndItsUnits) {
    // 4 horizontal and 8 vertical dialog units of the template's font at the system's 96 dpi.
    RECT rect{0, 0, 4, 8};
    MapDialogRect(Form(), &rect);
    EXPECT_GE(rect.right, 5);
    EXPECT_LE(rect.right, 7);
    EXPECT_GE(rect.bottom, 12);
    EXPECT_LE(rect.bottom, 14);
    // The diagram control keeps its place: 209, 123, 174 x 79.
    RECT diagram{};
    GetWindowRect(GetDlgItem(Form(), IDC_DIAGRAM), &diagram);
    MapWindowPoints(nullptr, Form(), reinterpret_cast<POINT*>(&diagram), 2);
    RECT expected{209, 123, 174, 79};
    MapDialogRect(Form(), &expected);
    EXPECT_EQ(diagram.left, expected.left);
    EXPECT_EQ(diagram.top, expected.top);
    EXPECT_EQ(diagram.right - diagram.left, expected.right);
    EXPECT_EQ(diagram.bottom - diagram.top, expected.bottom);
}

} // namespace
