#pragma once
// Message boxes shown with QMessageBox.
#include "ui/message_service.h"

class CQtMessageService : public CMessageService {
  public:
    MessageAnswer Show(QWidget* owner, MessageKind kind, const QString& text) override;
};
