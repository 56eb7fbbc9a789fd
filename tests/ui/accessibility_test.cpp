// What assistive tools are told: names of the controls, the type picture and the diagram,
// and the labels' buddies.
#include <QAccessible>
#include <QLabel>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "res/form_template.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

class AccessibilityTest : public AppFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
    QString Name(int id) const {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Control(id));
        return control ? control->text(QAccessible::Name) : QString();
    }
    QLabel* LabelWithText(const QString& text) const {
        for (QLabel* label : View().findChildren<QLabel*>()) {
            if (label->text() == text) {
                return label;
            }
        }
        return nullptr;
    }
};

TEST_F(AccessibilityTest, EveryControlHasAName) {
    for (const ControlTemplate& c : FormTemplate130().controls) {
        if (c.id != -1 && c.id != IDC_TYPE_NAME) {
            EXPECT_FALSE(Name(c.id).isEmpty()) << c.id;
        }
    }
    EXPECT_EQ(Name(IDC_DAY), "Jour");
    EXPECT_EQ(Name(IDC_MONTH), "Mois");
    EXPECT_EQ(Name(IDC_YEAR), "Année");
    EXPECT_EQ(Name(IDC_HOUR), "Heure");
    EXPECT_EQ(Name(IDC_MINUTE), "Minute");
    EXPECT_EQ(Name(IDC_NAME), "Nom");
    EXPECT_EQ(Name(IDC_TIME_ZONE), "Fuseau horaire");
    EXPECT_EQ(Name(IDC_CALCULATE), "Calculer");
    EXPECT_EQ(Name(IDC_DELETE_ALL), "Tout supprimer");
    EXPECT_EQ(Name(IDC_SOUTHERN), "Hémisphère Sud");
    EXPECT_EQ(Name(IDC_LAYOUT), "Extras >> ");
    EXPECT_EQ(Name(IDC_LIST_DATES), "Base de données");
    EXPECT_EQ(Name(IDC_DIAGRAM), "Diagramme");
    EXPECT_EQ(Control(IDC_MOON)->accessibleDescription(), "Lune");
}

TEST_F(AccessibilityTest, TypePictureAndDiagramTellTheResults) {
    EnterBirth(20, 3, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Name(IDC_TYPE_PICTURE), "Lunar");
    EXPECT_EQ(Diagram().accessibleDescription(),
              "20.3.2000 8:00Uhr, Lune : 99.99 %, Soleil : 49.98 %");
    SetChecked(IDC_SOUTHERN, true);
    EnterBirth(20, 6, 2000, 8, 0, -1);
    Click(IDC_CALCULATE);
    EXPECT_EQ(Name(IDC_TYPE_PICTURE), Text(IDC_TYPE_NAME));
    EXPECT_TRUE(Diagram().accessibleDescription().startsWith("20.6.2000 8:00Uhr"));
}

TEST_F(AccessibilityTest, LabelsAreTheBuddiesOfTheirFields) {
    const std::pair<const char*, int> labels[] = {{"Jour :", IDC_DAY},
                                                  {"Mois :", IDC_MONTH},
                                                  {"Année :", IDC_YEAR},
                                                  {"Heure :", IDC_HOUR},
                                                  {"Minute :", IDC_MINUTE},
                                                  {"Nom :", IDC_NAME},
                                                  {"Fuseau horaire:", IDC_TIME_ZONE}};
    for (const auto& [text, id] : labels) {
        const QLabel* label = LabelWithText(QString::fromUtf8(text));
        ASSERT_NE(label, nullptr) << text;
        EXPECT_EQ(label->buddy(), Control(id)) << text;
    }
    EXPECT_EQ(LabelWithText("Lune :")->buddy(), nullptr); // a result text takes no focus
}
