// vexamo: the desktop calculator.
#include <QApplication>

#include "app/text_catalogue.h"
#include "ui/classic_style.h"
#include "ui/qt_file_dialog_service.h"
#include "ui/qt_message_service.h"
#include "ui/qt_translations.h"
#include "ui/vexamo_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(UserText(TextId::AppTitle)));
    ApplyClassicLook(application);
    InstallQtTranslations(application);

    CQtMessageService messages;
    CQtFileDialogService files;
    CVexamoApp app(messages, files);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
