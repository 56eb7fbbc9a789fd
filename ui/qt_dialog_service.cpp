#include "ui/qt_dialog_service.h"

#include <QDialog>

int CQtDialogService::Exec(QDialog& dialog) {
    return dialog.exec();
}
