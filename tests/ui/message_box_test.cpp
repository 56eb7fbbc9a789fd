// The real message boxes: captions, icons, buttons and texts shown exactly as given, and
// the buttons in German, the language of the messages, whatever the user's locale.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

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
    EXPECT_EQ(ask(QMessageBox::Yes), MessageAnswer::Yes);
    EXPECT_EQ(ask(QMessageBox::No), MessageAnswer::No);
    EXPECT_EQ(ask(QMessageBox::Cancel), MessageAnswer::Cancel);
    EXPECT_EQ(seen.format, Qt::PlainText);
}

// An English locale (and whatever toolkit translation it brings) still gives German buttons.
TEST(QtMessageService, ButtonsSpeakGermanUnderAnEnglishLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
    const struct {
        MessageKind kind;
        std::vector<std::pair<QMessageBox::StandardButton, QString>> buttons;
        QMessageBox::StandardButton defaultButton;
    } cases[] = {
        {MessageKind::AppOk, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok},
        {MessageKind::ViewError, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok},
        {MessageKind::AppYesNo,
         {{QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}},
         QMessageBox::Yes},
        {MessageKind::AppSaveChanges,
         {{QMessageBox::Yes, "&Ja"},
          {QMessageBox::No, "&Nein"},
          {QMessageBox::Cancel, "Abbrechen"}},
         QMessageBox::Yes},
        {MessageKind::AppYesNoCancel,
         {{QMessageBox::Yes, "&Ja"},
          {QMessageBox::No, "&Nein"},
          {QMessageBox::Cancel, "Abbrechen"}},
         QMessageBox::Yes},
    };
    for (const auto& c : cases) {
        QMessageBox box;
        PrepareMessageBox(box, c.kind, QStringLiteral("Änderungen an x.dat speichern?"));
        EXPECT_EQ(box.buttons().size(), static_cast<qsizetype>(c.buttons.size()));
        for (const auto& [button, text] : c.buttons) {
            ASSERT_NE(box.button(button), nullptr) << text.toStdString();
            EXPECT_EQ(box.button(button)->text(), text);
        }
        EXPECT_EQ(box.defaultButton(), box.button(c.defaultButton));
    }
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(previous);
}
