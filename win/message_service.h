#pragma once
// Every message box of the program goes through this service, so tests can script the answers.
#include <string>

#include <windows.h>

enum class MessageKind {
    AppOk,          // application box "Calcul Orlinde", OK, no icon
    AppYesNo,       // application box "Calcul Orlinde", Yes / No, no icon
    AppSaveChanges, // application box "Calcul Orlinde", Yes / No / Cancel, warning icon
    AppYesNoCancel, // application box "Calcul Orlinde", Yes / No / Cancel, no icon
    ViewError,      // the form's own box "Orlinde-Rechner", OK, stop icon
};

enum class MessageAnswer { Ok, Yes, No, Cancel };

// The caption of a box of this kind (UTF-8).
std::string MessageCaption(MessageKind kind);
// The MessageBoxW type of a box of this kind.
UINT MessageBoxType(MessageKind kind);

class CMessageService {
  public:
    virtual ~CMessageService() = default;
    // Shows the box (text in UTF-8) modally over owner and returns the answer.
    virtual MessageAnswer Show(HWND owner, MessageKind kind, const std::string& text) = 0;

    void AppMessage(HWND owner, const std::string& text) { Show(owner, MessageKind::AppOk, text); }
    // The application's Yes/No question: false only for the answer No.
    bool AppQuestion(HWND owner, const std::string& text) {
        return Show(owner, MessageKind::AppYesNo, text) != MessageAnswer::No;
    }
    void ViewError(HWND owner, const std::string& text) {
        Show(owner, MessageKind::ViewError, text);
    }
};

// The system's message boxes.
class CSystemMessageService : public CMessageService {
  public:
    MessageAnswer Show(HWND owner, MessageKind kind, const std::string& text) override;
};
