#pragma once
// The switch between the simple layout (birth date and results) and the extended one (the
// whole form): the button that offers the other layout and the size of the frame, which ends
// 15 pixels past the group box of the layout shown ("Résultat :" when simple, "Options :" when
// extended).
#include <windows.h>

class CLayoutSwitch {
  public:
    // form: the form dialog; frame: the window it fills.
    void Attach(HWND form, HWND frame) {
        m_form = form;
        m_frame = frame;
    }

    bool IsSimple() const { return m_bSimple; }
    // Offers the other layout on the button, switches and sizes the frame. Controls outside
    // the layout shown are left out of the tab order.
    void Toggle();
    // Shows the current layout anew.
    void Reapply();
    // The frame's client size for the layout shown, in pixels.
    SIZE ClientSize() const;
    // Sizes the frame to the layout shown.
    void FitFrameToLayout() const;

  private:
    // The rectangle of the form shown in the current layout, in the form's pixels.
    RECT ShownRect() const;
    void TabOnlyShownControls() const;

    HWND m_form = nullptr;
    HWND m_frame = nullptr;
    bool m_bSimple = true;
};

// Pixels between the edge of the shown group box and the frame's right and bottom edges.
inline constexpr int kLayoutMargin = 15;
