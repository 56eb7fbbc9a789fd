// The real message boxes: captions, icons, buttons and texts shown exactly as given, and
// the buttons in the user's language.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

#include "ui/qt_message_service.h"
#include "ui/qt_translations.h"

namespace {

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows one box, lets press() choose its button, and reports what the box looked like.
MessageAnswer ShowAndPress(MessageKind kind, const QString& text, SeenBox& seen,
                           const std::function<QAbstractButton*(QMessageBox&)>& press) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box shown";
            return;
        }
        seen = {box->windowTitle(), box->text(), box->textFormat(), box->icon(),
                box->standardButtons()};
        press(*box)->click();
    });
    CQtMessageService service;
    return service.Show(nullptr, kind, text);
}

} // namespace

TEST(QtMessageService, NamesWithMarkupAreShownAsTyped) {
    SeenBox seen;
    const QString question = QStringLiteral("Soll der Datensatz '<b>Eva</b>' ersetzt werden?");
    const MessageAnswer answer =
        ShowAndPress(MessageKind::AppYesNo, question, seen,
                     [](QMessageBox& box) { return box.button(QMessageBox::No); });
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(seen.text, question);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.title, "Calcul Orlinde");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST(QtMessageService, ViewErrorHasItsCaptionAndStopIcon) {
    SeenBox seen;
    const MessageAnswer answer =
        ShowAndPress(MessageKind::ViewError, QStringLiteral("Es ist kein Datensatz selektiert!"),
                     seen, [](QMessageBox& box) { return box.button(QMessageBox::Ok); });
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_EQ(seen.title, "Orlinde-Rechner");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtMessageService, SaveQuestionAnswers) {
    SeenBox seen;
    const auto ask = [&](QMessageBox::StandardButton button) {
        return ShowAndPress(MessageKind::AppSaveChanges, QStringLiteral("<i>x</i>.dat"), seen,
                            [button](QMessageBox& box) { return box.button(button); });
    };
    EXPECT_EQ(ask(QMessageBox::Save), MessageAnswer::Yes);
    EXPECT_EQ(ask(QMessageBox::Discard), MessageAnswer::No);
    EXPECT_EQ(ask(QMessageBox::Cancel), MessageAnswer::Cancel);
    EXPECT_EQ(seen.format, Qt::PlainText);
}

TEST(QtMessageService, ButtonsSpeakTheUsersLanguage) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
    QLocale::setDefault(previous);
    if (!translator) {
        GTEST_SKIP() << "no German translation of the toolkit installed";
    }
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nein");
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
