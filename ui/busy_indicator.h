#pragma once
// Shows that a long piece of work is under way: the busy cursor at once, and a progress
// dialog with the count when the work goes on for more than half a second.
#include <memory>

class QProgressDialog;
class QWidget;

class CBusyIndicator {
  public:
    // count: how many records the work goes through; the dialog names it.
    CBusyIndicator(QWidget& owner, int count);
    ~CBusyIndicator();
    CBusyIndicator(const CBusyIndicator&) = delete;
    CBusyIndicator& operator=(const CBusyIndicator&) = delete;

    // done of count are through (updates the dialog, which may appear now).
    void Progress(int done) const;

    // Work on fewer records than this is too short to need the dialog.
    static constexpr int kDialogFrom = 50000;

  private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
