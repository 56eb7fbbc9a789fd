// The sheet commands until the GDI printing code is part of the build: each says so.
#include "app/text_catalogue.h"
#include "res/resource_ids.h"
#include "win/message_service.h"
#include "win/sheet_commands.h"

bool IsSheetCommand(int command) {
    switch (command) {
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT_SETUP:
    case ID_FILE_EXPORT_PDF:
    case ID_FILE_EXPORT_ALL_PDF:
        return true;
    default:
        return false;
    }
}

void RunSheetCommand(int /*command*/, CSheetCommandSite& site) {
    site.Messages().AppMessage(site.Owner(), UserText(TextId::SheetCommandPending));
}
