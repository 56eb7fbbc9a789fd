#include "win/message_service.h"

#include "app/text_catalogue.h"
#include "win/wide_text.h"

std::string MessageCaption(MessageKind kind) {
    return UserText(kind == MessageKind::ViewError ? TextId::ViewErrorCaption : TextId::AppTitle);
}

UINT MessageBoxType(MessageKind kind) {
    switch (kind) {
    case MessageKind::AppOk:
        return MB_OK;
    case MessageKind::AppYesNo:
        return MB_YESNO;
    case MessageKind::AppYesNoCancel:
        return MB_YESNOCANCEL;
    case MessageKind::AppSaveChanges:
        return MB_YESNOCANCEL | MB_ICONEXCLAMATION;
    case MessageKind::ViewError:
        return MB_OK | MB_ICONSTOP;
    }
    return MB_OK;
}

MessageAnswer CSystemMessageService::Show(HWND owner, MessageKind kind, const std::string& text) {
    switch (MessageBoxW(owner, Widen(text).c_str(), Widen(MessageCaption(kind)).c_str(),
                        MessageBoxType(kind))) {
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    case IDCANCEL:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}
