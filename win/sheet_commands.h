#pragma once
// The commands of printed sheets: "&Imprimer...", "Aperçu avant impression", "Configuration de
// l'impression...", "Exporter en PDF..." and "Exporter tout en PDF...". The printing code
// provides RunSheetCommand; the form offers what they print through CSheetCommandSite.
#include <optional>

#include <windows.h>

#include "app/document_session.h"
#include "sheet/sheet_content.h"

class CMessageService;

class CSheetCommandSite {
  public:
    virtual ~CSheetCommandSite() = default;
    // The window the dialogs open over.
    virtual HWND Owner() const = 0;
    virtual CMessageService& Messages() const = 0;
    // The form's birth after "Calculer"'s checks and evaluation; nothing when the form refused
    // it (its message shown).
    virtual std::optional<SheetBirth> CheckedSheetBirth() = 0;
    // The document whose records "Exporter tout en PDF..." prints.
    virtual const DocumentSession& Session() const = 0;
};

// Whether command is one of the sheet commands.
bool IsSheetCommand(int command);
// Runs a sheet command.
void RunSheetCommand(int command, CSheetCommandSite& site);
