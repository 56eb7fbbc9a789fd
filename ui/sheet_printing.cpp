#include "ui/sheet_printing.h"

#include <QDate>
#include <QPrinter>

#include "app/file_messages.h"
#include "app/input_check.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
#include "records/vexamo_doc.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "sheet/list_order.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_painter.h"
#include "ui/file_dialog_service.h"
#include "ui/message_service.h"
#include "ui/print_dialog_service.h"
#include "ui/record_list.h"

namespace {

QString Catalogue(TextId id) {
    return QString::fromUtf8(UserText(id));
}

// A file name made of a person's name: characters that separate folders become '_'.
QString FileNameOf(const QString& name) {
    QString file = name.trimmed().isEmpty() ? Catalogue(TextId::AppTitle) : name.trimmed();
    for (QChar& c : file) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    return file + QStringLiteral(".pdf");
}

} // namespace

CSheetPrinting::CSheetPrinting(QWidget& parent, const CVexamoDoc& document,
                               CheckedBirth checkedBirth, CMessageService& messages,
                               CFileDialogService& files, CPrintDialogService& dialogs)
    : m_parent(parent), m_document(document), m_checkedBirth(std::move(checkedBirth)),
      m_messages(messages), m_files(files), m_dialogs(dialogs) {}

CSheetPrinting::~CSheetPrinting() = default;

QPrinter& CSheetPrinting::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(Catalogue(TextId::AppTitle));
    }
    return *m_printer;
}

QString CSheetPrinting::PrintedOn() const {
    return m_printedOn ? m_printedOn()
                       : QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

std::optional<SheetContent> CSheetPrinting::FormSheet() {
    const std::optional<SheetBirth> birth = m_checkedBirth();
    if (!birth) {
        return std::nullopt;
    }
    return MakeSheetContent(*birth, PrintedOn().toStdString());
}

void CSheetPrinting::OnFilePrint() {
    const std::optional<SheetContent> sheet = FormSheet();
    if (!sheet || !m_dialogs.ChoosePrinter(Printer(), &m_parent)) {
        return;
    }
    if (!PaintSheets(Printer(), {*sheet})) {
        m_messages.AppMessage(Catalogue(TextId::PrintFailed));
    }
}

void CSheetPrinting::OnFilePrintPreview() {
    const std::optional<SheetContent> sheet = FormSheet();
    if (!sheet) {
        return;
    }
    const std::vector<SheetContent> sheets{*sheet};
    m_dialogs.Preview(Printer(), &m_parent,
                      [&sheets](QPrinter& printer) { PaintSheets(printer, sheets); });
}

void CSheetPrinting::OnFilePrintSetup() {
    m_dialogs.SetUpPage(Printer(), &m_parent);
}

void CSheetPrinting::OnExportPdf() {
    const std::optional<SheetContent> sheet = FormSheet();
    if (sheet) {
        SavePdf({*sheet}, QString::fromStdString(sheet->name));
    }
}

void CSheetPrinting::OnExportAllPdf() {
    const std::optional<std::vector<SheetContent>> sheets = RecordSheets();
    if (sheets) {
        SavePdf(*sheets, QString());
    }
}

std::optional<std::vector<SheetContent>> CSheetPrinting::RecordSheets() {
    const DateStoreMap& store = m_document.m_mapDateStore;
    if (store.IsEmpty()) {
        m_messages.AppMessage(Catalogue(TextId::SheetNoRecords));
        return std::nullopt;
    }
    std::vector<NameKey> keys;
    QStringList shown;
    keys.reserve(static_cast<std::size_t>(store.GetCount()));
    for (const auto& entry : store) {
        keys.emplace_back(entry.name);
        shown.append(ShownRecordName(keys.back()));
    }
    // The question for years before 1900 is asked once for the whole file.
    std::optional<bool> earlierCentury;
    const auto confirm = [&] {
        if (!earlierCentury) {
            earlierCentury =
                m_messages.AppQuestion(QString::fromUtf8(LoadResourceString(IDS_EARLIER_CENTURY)));
        }
        return *earlierCentury;
    };
    const std::string printedOn = PrintedOn().toStdString();
    std::vector<SheetContent> sheets;
    sheets.reserve(keys.size());
    for (const std::size_t i : ListOrder(shown, keys)) {
        VXDateStore record;
        store.Lookup(keys[i], record);
        const SheetBirth birth{NameOfKey(keys[i]), FromRecord(record), std::nullopt};
        if (const auto refusal = InputRefusal(birth.input, confirm)) {
            if (*refusal != InputProblem::EarlierCentury) {
                m_messages.AppMessage(QString::fromStdString(UserText(
                    TextId::SheetRecordRefused, {birth.name, UserText(ProblemText(*refusal))})));
            }
            return std::nullopt;
        }
        sheets.push_back(MakeSheetContent(birth, printedOn));
    }
    return sheets;
}

void CSheetPrinting::SavePdf(const std::vector<SheetContent>& sheets, const QString& name) {
    const std::optional<QString> path = m_files.GetSaveFileName(
        &m_parent, Catalogue(TextId::SheetPdfFilter), FileNameOf(name), QStringLiteral("pdf"));
    if (!path || path->isEmpty()) {
        return;
    }
    if (const FileFault fault = SaveSheetsPdf(*path, sheets); fault.kind != FileFault::None) {
        m_messages.AppMessage(QString::fromStdString(
            UserText(TextId::FileNotSaved, {path->toStdString(), FileFaultText(fault)})));
    }
}
