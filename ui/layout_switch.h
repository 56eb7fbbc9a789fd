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

    // True while the simple layout is shown (the form starts in it).
    bool IsSimple() const { return m_bSimple; }
    // Offers the other layout on the button, switches and sizes the frame. Controls outside
    // the simple layout take no focus while it is shown.
    void Toggle();
    // Shows the current layout anew: the button's offer, the focus and the frame's size.
    void Reapply();
    // Sizes the frame to end 15 pixels past the group box of the current layout ("Résultat :"
    // when simple, "Options :" when extended); repeated once the window manager's decoration
    // is known.
    void FitFrameToLayout();

  private:
    void FocusOnlyShownControls();

    CBirthForm& m_form;
    QPushButton* m_btnLayout = nullptr;
    QGroupBox* m_grpOptions = nullptr;
    QGroupBox* m_grpResult = nullptr;
    bool m_bSimple = true;
    QHash<QWidget*, Qt::FocusPolicy> m_focusPolicies; // as the form was built
};
