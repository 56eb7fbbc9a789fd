#include "ui/sheet_printing.h"

#include <QDate>
#include <QPrinter>
#include <algorithm>

#include "app/document_session.h"
#include "app/file_messages.h"
#include "app/input_check.h"
#include "app/record_commands.h"
#include "app/text_catalogue.h"
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

CSheetPrinting::CSheetPrinting(QWidget& parent, const DocumentSession& session,
                               CheckedBirth checkedBirth, CMessageService& messages,
                               CFileDialogService& files, CPrintDialogService& dialogs)
    : m_parent(parent), m_session(session), m_checkedBirth(std::move(checkedBirth)),
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
    const std::optional<RecordSheetSet> set = RecordSheets();
    if (!set || !SavePdf(set->sheets, QString())) {
        return;
    }
    const std::string pages = std::to_string(set->sheets.size());
    m_messages.AppMessage(QString::fromStdString(
        set->leftOut == 0
            ? UserText(TextId::SheetPagesWritten, {pages})
            : UserText(TextId::SheetPagesWrittenWithout, {pages, std::to_string(set->leftOut)})));
}

std::optional<CSheetPrinting::RecordSheetSet> CSheetPrinting::RecordSheets() {
    const DateStoreMap& store = m_session.Store();
    if (store.IsEmpty()) {
        m_messages.AppMessage(Catalogue(TextId::SheetNoRecords));
        return std::nullopt;
    }
    const std::vector<NameKey> keys = StoredKeys(store);
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(keys.size()));
    for (const NameKey& key : keys) {
        shown.append(ShownRecordName(key));
    }
    // Every record is checked before anything is asked: a record the form refuses stops the
    // export; the records before 1900 are counted for one question about all of them.
    std::vector<SheetBirth> births;
    std::vector<bool> earlier;
    births.reserve(keys.size());
    for (const std::size_t i : ListOrder(shown, keys)) {
        VXDateStore record;
        store.Lookup(keys[i], record);
        SheetBirth birth{NameOfKey(keys[i]), FromRecord(record), std::nullopt};
        bool beforeCentury = false;
        if (const auto refusal = InputRefusal(birth.input, [&beforeCentury] {
                beforeCentury = true;
                return true;
            })) {
            m_messages.AppMessage(QString::fromStdString(UserText(
                TextId::SheetRecordRefused, {birth.name, UserText(ProblemText(*refusal))})));
            return std::nullopt;
        }
        births.push_back(std::move(birth));
        earlier.push_back(beforeCentury);
    }
    const auto earlierCount =
        static_cast<std::size_t>(std::count(earlier.begin(), earlier.end(), true));
    bool withEarlier = true;
    if (earlierCount > 0) {
        const QString question = QString::fromStdString(
            UserText(TextId::SheetEarlierRecords,
                     {std::to_string(earlierCount), std::to_string(births.size())}));
        switch (m_messages.Show(nullptr, MessageKind::AppYesNoCancel, question)) {
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
    if (!withEarlier && earlierCount == births.size()) {
        m_messages.AppMessage(Catalogue(TextId::SheetOnlyEarlierRecords));
        return std::nullopt;
    }
    RecordSheetSet set;
    set.leftOut = withEarlier ? 0 : earlierCount;
    set.sheets.reserve(births.size() - set.leftOut);
    const std::string printedOn = PrintedOn().toStdString();
    for (std::size_t i = 0; i < births.size(); ++i) {
        if (withEarlier || !earlier[i]) {
            set.sheets.push_back(MakeSheetContent(births[i], printedOn));
        }
    }
    return set;
}

bool CSheetPrinting::SavePdf(const std::vector<SheetContent>& sheets, const QString& name) {
    const std::optional<QString> path = m_files.GetSaveFileName(
        &m_parent, Catalogue(TextId::SheetPdfFilter), FileNameOf(name), QStringLiteral("pdf"));
    if (!path || path->isEmpty()) {
        return false;
    }
    if (const FileFault fault = SaveSheetsPdf(*path, sheets); fault.kind != FileFault::None) {
        m_messages.AppMessage(QString::fromStdString(
            UserText(TextId::FileNotSaved, {path->toStdString(), FileFaultText(fault)})));
        return false;
    }
    return true;
}
