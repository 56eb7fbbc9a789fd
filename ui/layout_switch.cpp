#include "ui/layout_switch.h"

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>

#include "res/resource_ids.h"
#include "ui/birth_form.h"
#include "ui/ui_text.h"

namespace {

// Pixels between the edge of the shown group box and the frame's right and bottom edges.
constexpr int kLayoutMargin = 15;

} // namespace

CLayoutSwitch::CLayoutSwitch(CBirthForm& form)
    : m_form(form), m_btnLayout(qobject_cast<QPushButton*>(form.Control(IDC_LAYOUT))),
      m_grpOptions(qobject_cast<QGroupBox*>(form.Control(IDC_GROUP_OPTIONS))),
      m_grpResult(qobject_cast<QGroupBox*>(form.Control(IDC_GROUP_RESULT))) {
    for (QWidget* control : form.Controls()) {
        m_focusPolicies.insert(control, control->focusPolicy());
    }
}

void CLayoutSwitch::Toggle() {
    m_btnLayout->setText(
        UiText(m_bSimple ? TextId::LayoutSimpleOffer : TextId::LayoutExtendedOffer));
    m_bSimple = !m_bSimple;
    FocusOnlyShownControls();
    FitFrameToLayout();
}

void CLayoutSwitch::Reapply() {
    m_bSimple = !m_bSimple;
    Toggle();
}

void CLayoutSwitch::FocusOnlyShownControls() {
    // Each layout shows the form up to the outer corner of its group box.
    const QGroupBox* group = m_bSimple ? m_grpResult : m_grpOptions;
    const QRect shown(QPoint(0, 0), group->geometry().bottomRight());
    for (auto it = m_focusPolicies.cbegin(); it != m_focusPolicies.cend(); ++it) {
        QWidget* control = it.key();
        const bool inside = shown.contains(control->geometry());
        control->setFocusPolicy(inside ? it.value() : Qt::NoFocus);
        if (!inside && control->hasFocus()) {
            m_btnLayout->setFocus();
        }
    }
}

void CLayoutSwitch::FitFrameToLayout() {
    QWidget* frame = m_form.window();
    if (frame == &m_form) {
        return;
    }
    if (frame->layout()) {
        frame->layout()->activate();
    }
    const QRect frameRect = frame->frameGeometry();
    const QGroupBox* group = m_bSimple ? m_grpResult : m_grpOptions;
    // Screen position of the group's outer corner (just past its right and bottom edges).
    const QPoint corner = group->mapToGlobal(QPoint(group->width(), group->height()));
    const int width = corner.x() - frameRect.left() + kLayoutMargin;
    const int height = corner.y() - frameRect.top() + kLayoutMargin;
    // The outer size includes the window manager's decoration around the client area.
    const QSize decoration = frameRect.size() - frame->size();
    frame->resize(width - decoration.width(), height - decoration.height());
}
