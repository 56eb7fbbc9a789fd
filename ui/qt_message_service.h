#pragma once
// Message boxes shown with QMessageBox.
#include "ui/message_service.h"

class QMessageBox;

class CQtMessageService : public CMessageService {
  public:
    MessageAnswer Show(QWidget* owner, MessageKind kind, const QString& text) override;
};

// Gives the box the caption, icon, text and buttons of a box of this kind. The buttons speak
// German, the language of the messages, whatever the user's locale.
void PrepareMessageBox(QMessageBox& box, MessageKind kind, const QString& text);
