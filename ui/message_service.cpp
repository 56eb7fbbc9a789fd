#include "ui/message_service.h"

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/ui_text.h"

QString MessageCaption(MessageKind kind) {
    if (kind == MessageKind::ViewError) {
        return UiText(TextId::ViewErrorCaption);
    }
    return QString::fromUtf8(LoadResourceString(AFX_IDS_APP_TITLE));
}
