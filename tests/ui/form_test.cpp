// The form built from its template, the About box and the tooltips.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "res/form_template.h"
#include "ui/about_dlg.h"
#include "ui/dialog_units.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

using FormTest = AppFixture;

TEST_F(FormTest, EveryControlWithAnIdIsFoundAtItsRectangle) {
    ASSERT_TRUE(Start());
    for (const ControlTemplate& c : FormTemplate130().controls) {
        if (c.id == -1) {
            continue;
        }
        QWidget* control = View().findChild<QWidget*>(QString::number(c.id));
        ASSERT_NE(control, nullptr) << c.id;
        if (c.kind != ControlKind::Bitmap) {
            EXPECT_EQ(control->geometry(), MapDialogRect(c.x, c.y, c.cx, c.cy)) << c.id;
        }
    }
    EXPECT_EQ(Diagram().size(), QSize(261, 128));
    EXPECT_TRUE(Control(IDC_TYPE_NAME)->isHidden());
    EXPECT_EQ(qobject_cast<QGroupBox*>(Control(IDC_GROUP_RESULT))->title(), "Résultat :");
    EXPECT_EQ(qobject_cast<QCheckBox*>(Control(IDC_CONST_ZONE))->text(),
              "Zone indéfinie constante");
}

TEST_F(FormTest, TabKeyFollowsTheTemplateOrder) {
    ASSERT_TRUE(Start());
    Click(IDC_LAYOUT); // the extended layout, where every control can take the focus
    const int order[] = {IDC_DAY,        IDC_MONTH,      IDC_YEAR,   IDC_HOUR,      IDC_MINUTE,
                         IDC_CALCULATE,  IDC_NAME,       IDC_ADD,    IDC_LAYOUT,    IDC_SOUTHERN,
                         IDC_CONST_ZONE, IDC_LIST_DATES, IDC_DELETE, IDC_TIME_ZONE, IDC_DELETE_ALL};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        // The next control that the Tab key can reach.
        QWidget* next = Control(order[i])->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || next->isHidden()) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, Control(order[i + 1])) << order[i];
    }
}

TEST_F(FormTest, ToolTipsComeFromTheStringTable) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Control(IDC_LAYOUT)->toolTip(), "Autres résultats et outils.");
    EXPECT_EQ(Control(IDC_DELETE)->toolTip(), "Effacer la personne sélectionnée.");
    EXPECT_EQ(Control(IDC_TIME_ZONE)->toolTip(),
              "Zeitdiff. vom Geburtsort nach Greenwich (London). Hierbei Sommerzeit beachten!\n"
              "1 = UTC-01:00");
    EXPECT_TRUE(Control(IDC_DAY)->toolTip().isEmpty());
    EXPECT_TRUE(Control(IDC_MOON)->toolTip().isEmpty());
}

TEST(AboutBox, ShowsIconVersionAndOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "A propos de Vexamo");
    EXPECT_EQ(about.size(), QSize(326, 89));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains("Vexamo, Version 1.0"));
    auto* ok = about.findChild<QPushButton*>("1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_NE(about.findChild<QLabel*>("bitmap128"), nullptr);
    about.show();
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(FormTest, LongResultTextsOfFarYearsAreShownWhole) {
    ASSERT_TRUE(Start());
    EnterBirth(31, 12, -99999, 24, 59, 12);
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_CALCULATE);
    ASSERT_EQ(Text(IDC_BIRTH), "31.12.-99999 24:59Uhr");
    const QRect birthRect = MapDialogRect(251, 221, 73, 8);
    for (const int id : {IDC_MOON, IDC_SUN, IDC_ECART, IDC_LAST_NEW, IDC_FULL, IDC_NEXT_NEW,
                         IDC_JULIAN, IDC_BIRTH, IDC_MONDTAG}) {
        const auto* label = qobject_cast<QLabel*>(Control(id));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << id;
        EXPECT_GE(
            label->x(),
            label->parentWidget()->findChild<QWidget*>(QString::number(IDC_GROUP_RESULT))->x())
            << id;
    }
    const QRect birth = Control(IDC_BIRTH)->geometry();
    EXPECT_GT(birth.width(), birthRect.width());
    EXPECT_LE(std::abs(birth.center().x() - birthRect.center().x()), 1);

    // An ordinary date gives every text its rectangle of the form back.
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Control(IDC_BIRTH)->geometry(), birthRect);
    EXPECT_EQ(Control(IDC_LAST_NEW)->geometry(), MapDialogRect(88, 213, 75, 8));
}

TEST_F(FormTest, EnterPressesTheFocusedButton) {
    ASSERT_TRUE(Start());
    messages.Clear();
    SetText(IDC_MONTH, "13");
    QTest::keyClick(Control(IDC_CALCULATE), Qt::Key_Return);
    EXPECT_EQ(messages.Texts(), QStringList{"Veuillez entrer un mois entre 1 et 12."});
    QTest::keyClick(Control(IDC_LAYOUT), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(IDC_LAYOUT), "Einfach << ");
}
