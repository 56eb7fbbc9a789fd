#include "ui/busy_indicator.h"

#include <QApplication>
#include <QProgressDialog>

#include "ui/ui_text.h"

namespace {

constexpr int kShowAfterMs = 500;

} // namespace

CBusyIndicator::CBusyIndicator(QWidget& owner, int count) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (count < kDialogFrom) {
        return;
    }
    m_dialog =
        std::make_unique<QProgressDialog>(UiText(TextId::RecordsLoading, {QString::number(count)}),
                                          QString(), 0, count, owner.window());
    m_dialog->setWindowTitle(QApplication::applicationName());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(kShowAfterMs);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

CBusyIndicator::~CBusyIndicator() {
    m_dialog.reset();
    QApplication::restoreOverrideCursor();
}

void CBusyIndicator::Progress(int done) const {
    if (m_dialog) {
        m_dialog->setValue(done);
    }
}
