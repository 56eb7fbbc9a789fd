#include "win/sheet_commands.h"

#include <cstdio>

#include "app/input_check.h"
#include "app/text_catalogue.h"
#include "res/resource_ids.h"
#include "sheet/record_sheets.h"
#include "win/file_dialog_service.h"
#include "win/message_service.h"
#include "win/print_preview.h"
#include "win/wide_text.h"

namespace {

// A file name made of a person's name: characters that Windows refuses in names become '_'.
std::string PdfFileNameOf(const std::string& name) {
    const std::size_t first = name.find_first_not_of(' ');
    std::string file = first == std::string::npos
                           ? UserText(TextId::AppTitle)
                           : name.substr(first, name.find_last_not_of(' ') - first + 1);
    for (char& c : file) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return file + ".pdf";
}

} // namespace

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

CSheetCommands::CSheetCommands(HINSTANCE instance, CSheetCommandSite& site,
                               CFileDialogService& files)
    : m_dialogs(&m_systemDialogs), m_hInstance(instance), m_site(site), m_files(files) {}

CSheetCommands::~CSheetCommands() = default;

void CSheetCommands::Run(int command) {
    switch (command) {
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        break;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        break;
    case ID_FILE_EXPORT_PDF:
        OnExportPdf();
        break;
    case ID_FILE_EXPORT_ALL_PDF:
        OnExportAllPdf();
        break;
    default:
        break;
    }
}

std::string CSheetCommands::PrintedOn() const {
    if (m_printedOn) {
        return m_printedOn();
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", now.wDay, now.wMonth, now.wYear);
    return text;
}

std::optional<SheetContent> CSheetCommands::FormSheet() {
    const std::optional<SheetBirth> birth = m_site.CheckedSheetBirth();
    if (!birth) {
        return std::nullopt;
    }
    return MakeSheetContent(*birth, PrintedOn());
}

bool CSheetCommands::PrintOnChosenPrinter(const std::vector<SheetContent>& sheets) {
    std::optional<ChosenPrinter> chosen = m_dialogs->ChoosePrinter(m_site.Owner(), m_settings);
    if (!chosen) {
        return false;
    }
    PrinterDc dc(chosen->dc);
    GdiSheetPictures pictures;
    const PrintResult result = PrintSheets(
        dc.Get(), sheets, {Widen(UserText(TextId::AppTitle)), chosen->output}, pictures);
    if (result == PrintResult::Failed || result == PrintResult::PrinterMissing) {
        m_site.Messages().AppMessage(m_site.Owner(), UserText(TextId::PrintFailed));
    }
    return result == PrintResult::Done;
}

void CSheetCommands::OnFilePrint() {
    if (const std::optional<SheetContent> sheet = FormSheet()) {
        PrintOnChosenPrinter({*sheet});
    }
}

void CSheetCommands::OnFilePrintPreview() {
    const std::optional<SheetContent> sheet = FormSheet();
    if (!sheet) {
        return;
    }
    CPrintPreview preview(*sheet, m_settings);
    if (!preview.Create(m_hInstance, m_site.Owner())) {
        return;
    }
    if (m_runPreview) {
        m_runPreview(preview);
    } else {
        preview.Run();
    }
    if (preview.PrintChosen()) {
        PrintOnChosenPrinter({*sheet});
    }
}

void CSheetCommands::OnFilePrintSetup() {
    m_dialogs->SetUpPage(m_site.Owner(), m_settings);
}

bool CSheetCommands::SavePdf(const std::vector<SheetContent>& sheets, const std::string& name) {
    CMessageService& messages = m_site.Messages();
    // Asked before the file is chosen, so that nobody chooses a file for nothing.
    if (!PrinterInstalled(m_pdfPrinter)) {
        messages.AppMessage(m_site.Owner(),
                            UserText(TextId::PdfPrinterMissing, {Narrow(m_pdfPrinter)}));
        return false;
    }
    const std::optional<std::string> path = m_files.SaveFileName(
        m_site.Owner(), UserText(TextId::SheetPdfFilter), ".pdf", PdfFileNameOf(name));
    if (!path || path->empty()) {
        return false;
    }
    GdiSheetPictures pictures;
    const PrintResult result =
        PrintSheetsIntoFile(m_pdfPrinter, m_settings.paper, sheets,
                            Widen(UserText(TextId::AppTitle)), Widen(*path), pictures);
    switch (result) {
    case PrintResult::Done:
        return true;
    case PrintResult::Cancelled:
        return false;
    case PrintResult::PrinterMissing:
        messages.AppMessage(m_site.Owner(),
                            UserText(TextId::PdfPrinterMissing, {Narrow(m_pdfPrinter)}));
        return false;
    case PrintResult::Failed:
        break;
    }
    messages.AppMessage(m_site.Owner(), UserText(TextId::PrintFailed));
    return false;
}

void CSheetCommands::OnExportPdf() {
    if (const std::optional<SheetContent> sheet = FormSheet()) {
        SavePdf({*sheet}, sheet->name);
    }
}

void CSheetCommands::OnExportAllPdf() {
    const std::optional<RecordSheetSet> set = RecordSheets();
    if (!set || !SavePdf(set->sheets, std::string())) {
        return;
    }
    const std::string pages = std::to_string(set->sheets.size());
    m_site.Messages().AppMessage(
        m_site.Owner(), set->leftOut == 0 ? UserText(TextId::SheetPagesWritten, {pages})
                                          : UserText(TextId::SheetPagesWrittenWithout,
                                                     {pages, std::to_string(set->leftOut)}));
}

std::optional<CSheetCommands::RecordSheetSet> CSheetCommands::RecordSheets() {
    CMessageService& messages = m_site.Messages();
    const HWND owner = m_site.Owner();
    const DateStoreMap& store = m_site.Session().Store();
    if (store.IsEmpty()) {
        messages.AppMessage(owner, UserText(TextId::SheetNoRecords));
        return std::nullopt;
    }
    // Every record is checked before anything is asked: one the form refuses stops the export;
    // those before 1900 are counted for one question about all of them.
    const RecordBirths births = CheckedRecordBirths(store, m_site.ListedKeys());
    if (births.refusal) {
        messages.AppMessage(
            owner, UserText(TextId::SheetRecordRefused,
                            {*births.refusedName, UserText(ProblemText(*births.refusal))}));
        return std::nullopt;
    }
    const std::size_t earlier = births.EarlierCount();
    bool withEarlier = true;
    if (earlier > 0) {
        const std::string question =
            UserText(TextId::SheetEarlierRecords,
                     {std::to_string(earlier), std::to_string(births.births.size())});
        switch (messages.Show(owner, MessageKind::AppYesNoCancel, question)) {
        case MessageAnswer::No:
            withEarlier = false;
            break;
        case MessageAnswer::Cancel:
            return std::nullopt;
        case MessageAnswer::Yes:
        case MessageAnswer::Ok:
            break;
        }
    }
    if (!withEarlier && earlier == births.births.size()) {
        messages.AppMessage(owner, UserText(TextId::SheetOnlyEarlierRecords));
        return std::nullopt;
    }
    RecordSheetSet set;
    set.leftOut = withEarlier ? 0 : earlier;
    const std::string printedOn = PrintedOn();
    for (const SheetBirth& birth : births.Chosen(withEarlier)) {
        set.sheets.push_back(MakeSheetContent(birth, printedOn));
    }
    return set;
}
