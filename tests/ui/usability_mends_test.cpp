// Three mends of everyday use: "&Date actuelle" keeps what was typed, the simple layout keeps
// the focus among its own controls, and the edit fields take the editing keys.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"

class UsabilityTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }
    void Focus(int id) const {
        Frame().activateWindow();
        Control(id)->setFocus();
    }
};

TEST_F(UsabilityTest, InsertCurrentDateKeepsTheFieldsNotAskedFor) {
    SetText(IDC_NAME, "Muster");
    SetChecked(IDC_SOUTHERN, true);
    SetChecked(IDC_CONST_ZONE, true);
    SetText(IDC_TIME_ZONE, "5");
    now = QDateTime(QDate(2025, 1, 2), QTime(3, 4));
    Command(ID_INSERT_CURRENT_DATE);
    EXPECT_EQ(Text(IDC_NAME), "Muster");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Control(IDC_SOUTHERN))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Control(IDC_CONST_ZONE))->isChecked());
    EXPECT_EQ(Text(IDC_TIME_ZONE), "5");
    EXPECT_EQ(Text(IDC_BIRTH), "2.1.2025 3:04Uhr");
    // Evaluated with the typed values, as "Calculer" on the same fields.
    const QString julian = Text(IDC_JULIAN);
    const QString sun = Text(IDC_SUN);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Text(IDC_JULIAN), julian);
    EXPECT_EQ(Text(IDC_SUN), sun);
    EXPECT_EQ(View().Input().timeZone, 5);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UsabilityTest, TabStaysAmongTheControlsOfTheSimpleLayout) {
    ASSERT_TRUE(SimpleLayout());
    Focus(IDC_DAY);
    const QList<QWidget*> shown = {Control(IDC_DAY),   Control(IDC_MONTH),  Control(IDC_YEAR),
                                   Control(IDC_HOUR),  Control(IDC_MINUTE), Control(IDC_CALCULATE),
                                   Control(IDC_LAYOUT)};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(shown.contains(QApplication::focusWidget())) << i;
    }
    // Six Tabs from "Jour" reach the layout button, not the name field; one more goes round.
    EXPECT_EQ(QApplication::focusWidget(), Control(IDC_LAYOUT));
    QTest::keyClicks(QApplication::focusWidget(), "x");
    EXPECT_EQ(Text(IDC_NAME), "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(IDC_DAY));
    for (const int hidden : {IDC_NAME, IDC_ADD, IDC_SOUTHERN, IDC_LIST_DATES, IDC_DELETE_ALL}) {
        EXPECT_EQ(Control(hidden)->focusPolicy(), Qt::NoFocus) << hidden;
    }

    // The extended layout gives every control its focus back.
    Click(IDC_LAYOUT);
    EXPECT_EQ(Control(IDC_DELETE_ALL)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(Control(IDC_NAME)->focusPolicy(), Qt::StrongFocus);
}

TEST_F(UsabilityTest, EditFieldsTakeTheEditingKeys) {
    Focus(IDC_NAME);
    QLineEdit* name = Edit(IDC_NAME);
    QApplication::clipboard()->setText("Eva");
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(name->text(), "EvaEva");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Eva");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "Eva");
    name->setText("Muster");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "Muster");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UsabilityTest, EditingKeysElsewhereStillDoNothing) {
    Click(IDC_LAYOUT);
    Focus(IDC_ADD);
    QApplication::clipboard()->setText("Eva");
    QWidget* button = Control(IDC_ADD);
    QTest::keyClick(button, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(button, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(IDC_NAME), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "Eva");
    EXPECT_EQ(Doc().m_mapDateStore.GetCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UsabilityTest, ButtonTextsFitWithTheUsualMargins) {
    for (const int id : {IDC_CALCULATE, IDC_LAYOUT, IDC_ADD, IDC_DELETE, IDC_DELETE_ALL}) {
        const auto* button = qobject_cast<QPushButton*>(Control(id));
        // The style's margin and frame, and as much again, on either side of the text.
        const int margin = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin,
                  button->width())
            << id;
    }
}
