#pragma once
// Every message box of the program goes through this service, so tests can script the answers.
#include <QString>

class QWidget;

enum class MessageKind {
    AppOk,          // application box "Calcul Orlinde", OK, no icon
    AppYesNo,       // application box "Calcul Orlinde", Yes / No, no icon
    AppSaveChanges, // application box "Calcul Orlinde", Yes / No / Cancel, warning icon
    AppYesNoCancel, // application box "Calcul Orlinde", Yes / No / Cancel, no icon
    ViewError,      // the form's own box "Orlinde-Rechner", OK, stop icon
};

enum class MessageAnswer { Ok, Yes, No, Cancel };

// The caption of a box of this kind.
QString MessageCaption(MessageKind kind);

class CMessageService {
  public:
    virtual ~CMessageService() = default;
    // Shows the box modally over owner (nullptr: the active window) and returns the answer.
    virtual MessageAnswer Show(QWidget* owner, MessageKind kind, const QString& text) = 0;

    // The application's OK box.
    void AppMessage(const QString& text) { Show(nullptr, MessageKind::AppOk, text); }
    // The application's Yes/No question: false only for the answer No.
    bool AppQuestion(const QString& text) {
        return Show(nullptr, MessageKind::AppYesNo, text) != MessageAnswer::No;
    }
    // The form's error box.
    void ViewError(QWidget* owner, const QString& text) {
        Show(owner, MessageKind::ViewError, text);
    }
};
