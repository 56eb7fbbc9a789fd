#pragma once
// The switch between the simple layout (birth date and results) and the extended one (the
// whole form): the button that offers the other layout and the size of the frame.
#include <QHash>
#include <Qt>

class CBirthForm;
class QGroupBox;
class QPushButton;
class QWidget;

class CLayoutSwitch {
  public:
    explicit CLayoutSwitch(CBirthForm& form);

    // Offers the other layout on the button, switches and sizes the frame. Controls outside
    // the simple layout take no focus while it is shown.
    void Toggle();
    // Sizes the frame to end 15 pixels past the group box of the current layout ("Résultat :"
    // when simple, "Options :" when extended); repeated once the window manager's decoration
    // is known.
    void FitFrameToLayout();

    QPushButton* m_btnLayout = nullptr;
    QGroupBox* m_grpOptions = nullptr;
    QGroupBox* m_grpResult = nullptr;
    bool m_bSimple = true;

  private:
    void FocusOnlyShownControls();

    CBirthForm& m_form;
    QHash<QWidget*, Qt::FocusPolicy> m_focusPolicies; // as the form was built
};
