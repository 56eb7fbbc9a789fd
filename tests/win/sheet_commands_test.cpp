// The sheet commands of the menu, driven in-process: the print and page set-up dialogs
// scripted, the preview's window drawn into a metafile, printing and PDF through Wine's
// PostScript driver (the test printer), and the PDF printer that Wine does not have.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/text_catalogue.h"
#include "res/resource_ids.h"
#include "sheet/gdi_print_job.h"
#include "tests/sheet_gdi/wine_test_printer.h"
#include "win/print_dialogs.h"
#include "win/print_preview.h"
#include "win/sheet_commands.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

using gdi_test::kTestPrinter;
using gdi_test::ReadPostScript;
using gdi_test::WithoutSpaces;

constexpr const char* kPrintedOn = "09.12.2026";

class CScriptedPrintDialogs : public CPrintDialogService {
  public:
    std::optional<ChosenPrinter> ChoosePrinter(HWND, const PrintSettings& settings) override {
        ++printerRuns;
        if (!printInto) {
            return std::nullopt;
        }
        PrinterDc dc;
        EXPECT_EQ(OpenPrinterDc(kTestPrinter, settings.paper, dc), PrintResult::Done);
        return ChosenPrinter{dc.Release(), *printInto};
    }
    bool SetUpPage(HWND, PrintSettings& settings) override {
        ++pageRuns;
        if (!pageAnswer) {
            return false;
        }
        settings = *pageAnswer;
        return true;
    }

    std::optional<std::wstring> printInto; // the file the chosen printer writes; none: cancel
    std::optional<PrintSettings> pageAnswer;
    int printerRuns = 0;
    int pageRuns = 0;
};

// Every text drawn into a metafile, in order, spaces left out.
std::string MetafileText(HENHMETAFILE metafile) {
    std::string text;
    EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
            if (record->iType == EMR_EXTTEXTOUTW) {
                const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
                const auto* chars = reinterpret_cast<const wchar_t*>(
                    reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
                *reinterpret_cast<std::string*>(data) +=
                    WithoutSpaces(Narrow(std::wstring_view(chars, out->emrtext.nChars)));
            }
            return 1;
        },
        &text, nullptr);
    return text;
}

class SheetCommandsTest : public WinAppTest {
  protected:
    gdi_test::TestPrinterLock printerLock;
    void SetUp() override {
        WinAppTest::SetUp();
        ASSERT_TRUE(gdi_test::InstallTestPrinter());
        ASSERT_TRUE(Start());
        Sheets().m_dialogs = &dialogs;
        Sheets().m_printedOn = [] { return std::string(kPrintedOn); };
        EnterBirth(14, 7, 1987, 22, 5, 2);
        SetText(IDC_NAME, "Erika Musterfrau");
    }
    CSheetCommands& Sheets() { return app->Sheets(); }
    // The sheet of what the form holds.
    SheetContent FormSheet() {
        const std::optional<SheetBirth> birth = app->View().CheckedSheetBirth();
        EXPECT_TRUE(birth.has_value());
        return MakeSheetContent(birth.value_or(SheetBirth{}), kPrintedOn);
    }
    void ExpectEveryText(const std::string& drawn, const SheetContent& sheet) {
        for (const std::string& text : SheetTexts(sheet)) {
            EXPECT_NE(drawn.find(WithoutSpaces(text)), std::string::npos) << text;
        }
    }
    // Two records of 1987 and 2003 and one before 1900, in the file and the list.
    void StoreThreeRecords() {
        const auto record = [](int year) {
            BirthInput in;
            in.day = 3;
            in.month = 4;
            in.year = year;
            in.hour = 5;
            in.minute = 6;
            return in;
        };
        const std::string path = PathOf("drei.dat");
        WriteBytes(path,
                   RecordFileBytes(
                       {{"Zora", record(2003)}, {"anton", record(1987)}, {"Alt", record(1850)}}));
        files.openAnswers.push_back(path);
        Command(ID_FILE_OPEN);
        ASSERT_EQ(ListRows().size(), 3u);
    }
    std::string Pdf(const std::string& name) const { return PathOf(name); }

    CScriptedPrintDialogs dialogs;
};

TEST_F(SheetCommandsTest, EveryCommandIsOnTheMenuAndEnabled) {
    for (const int command : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                              ID_FILE_EXPORT_PDF, ID_FILE_EXPORT_ALL_PDF}) {
        EXPECT_TRUE(IsSheetCommand(command)) << command;
        EXPECT_TRUE(MenuEnabled(command)) << MenuText(command);
    }
    EXPECT_FALSE(IsSheetCommand(ID_FILE_SAVE));
}

TEST_F(SheetCommandsTest, PreviewDrawsEveryTextOfTheSheetOnItsPaperAndCanPrint) {
    const SheetContent sheet = FormSheet();
    dialogs.pageAnswer = PrintSettings{{DMPAPER_LETTER, DMORIENT_LANDSCAPE}, 215.9, 279.4};
    Command(ID_FILE_PRINT_SETUP);
    for (const int button : {IDCANCEL, IDOK}) {
        std::string drawn;
        double proportion = 0;
        Sheets().m_runPreview = [&](CPrintPreview& preview) {
            RECT client;
            GetClientRect(preview.Window(), &client);
            const HDC screen = GetDC(nullptr);
            const HDC metafile = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
            SendMessageW(preview.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(metafile),
                         PRF_CLIENT);
            const HENHMETAFILE drawing = CloseEnhMetaFile(metafile);
            ReleaseDC(nullptr, screen);
            drawn = MetafileText(drawing);
            DeleteEnhMetaFile(drawing);
            double dpi = 0;
            const RECT paper = preview.PaperRect(client, dpi);
            proportion = double(paper.right - paper.left) / (paper.bottom - paper.top);
            EXPECT_LE(paper.right, client.right);
            EXPECT_LE(paper.bottom, client.bottom);
            SendMessageW(preview.Window(), WM_COMMAND, button, 0);
        };
        const std::filesystem::path printed = std::filesystem::path(Widen(Pdf("preview.ps")));
        dialogs.printInto = printed.wstring();
        const int runsBefore = dialogs.printerRuns;
        Command(ID_FILE_PRINT_PREVIEW);
        ExpectEveryText(drawn, sheet);
        EXPECT_NEAR(proportion, 279.4 / 215.9, 0.02);
        // "Imprimer" goes on to the print dialog; "Fermer" does not.
        EXPECT_EQ(dialogs.printerRuns - runsBefore, button == IDOK ? 1 : 0);
        EXPECT_EQ(std::filesystem::exists(printed), button == IDOK);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SheetCommandsTest, PrintingWritesEveryTextOnThePaperOfThePageSetUp) {
    const SheetContent sheet = FormSheet();
    dialogs.pageAnswer = PrintSettings{{DMPAPER_LETTER, DMORIENT_LANDSCAPE}, 215.9, 279.4};
    Command(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(Sheets().Settings().paper.paper, DMPAPER_LETTER);
    const std::wstring printed = Widen(Pdf("printed.ps"));
    dialogs.printInto = printed;
    Command(ID_FILE_PRINT);
    ASSERT_EQ(dialogs.printerRuns, 1);
    const gdi_test::PostScriptFile ps = ReadPostScript(printed);
    EXPECT_EQ(ps.pages, 1);
    EXPECT_TRUE(ps.Landscape());
    EXPECT_EQ(ps.PageSize(), "612 792");
    ExpectEveryText(ps.text, sheet);
    EXPECT_TRUE(messages.shown.empty());

    // A cancelled page set-up keeps the paper; a cancelled print dialog prints nothing.
    dialogs.pageAnswer.reset();
    Command(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(Sheets().Settings().paper.orientation, DMORIENT_LANDSCAPE);
    dialogs.printInto.reset();
    std::filesystem::remove(printed);
    Command(ID_FILE_PRINT);
    EXPECT_FALSE(std::filesystem::exists(printed));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SheetCommandsTest, AFormItRefusesIsNeitherPrintedNorExported) {
    SetText(IDC_MONTH, "13");
    for (const int command : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF}) {
        messages.shown.clear();
        Sheets().m_runPreview = [](CPrintPreview&) { ADD_FAILURE() << "a preview"; };
        Command(command);
        ASSERT_EQ(messages.shown.size(), 1u) << command;
        EXPECT_EQ(messages.shown[0].text, UserText(TextId::MonthRange)) << command;
    }
    EXPECT_EQ(dialogs.printerRuns, 0);
}

TEST_F(SheetCommandsTest, WithoutThePdfPrinterExportSaysSoAndWritesNothing) {
    ASSERT_FALSE(PrinterInstalled(kPdfPrinterName)) << "this prefix has the PDF printer";
    StoreThreeRecords();
    for (const int command : {ID_FILE_EXPORT_PDF, ID_FILE_EXPORT_ALL_PDF}) {
        messages.shown.clear();
        messages.answers = {MessageAnswer::Yes};
        Command(command);
        // No file is asked for (CScriptedFiles fails the test if one is).
        ASSERT_FALSE(messages.shown.empty()) << command;
        EXPECT_EQ(messages.shown.back().text,
                  UserText(TextId::PdfPrinterMissing, {"Microsoft Print to PDF"}))
            << command;
        EXPECT_EQ(messages.shown.back().kind, MessageKind::AppOk);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1); // the record file only
}

TEST_F(SheetCommandsTest, ExportWritesTheFormsSheetThroughThePdfPrinter) {
    Sheets().m_pdfPrinter = kTestPrinter;
    const SheetContent sheet = FormSheet();
    files.saveAnswers.push_back(Pdf("erika.pdf"));
    Command(ID_FILE_EXPORT_PDF);
    EXPECT_EQ(files.lastFilter, UserText(TextId::SheetPdfFilter));
    EXPECT_EQ(files.lastSuggested, "Erika Musterfrau.pdf");
    const gdi_test::PostScriptFile ps = ReadPostScript(Widen(Pdf("erika.pdf")));
    EXPECT_EQ(ps.pages, 1);
    ExpectEveryText(ps.text, sheet);
    EXPECT_TRUE(messages.shown.empty());

    // A cancelled file chooser writes nothing.
    files.saveAnswers.push_back(std::nullopt);
    Command(ID_FILE_EXPORT_PDF);
    EXPECT_FALSE(
        std::filesystem::exists(std::filesystem::path(Widen(Pdf("Erika Musterfrau.pdf")))));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SheetCommandsTest, ExportAllGivesOneSheetPerRecordInListOrder) {
    Sheets().m_pdfPrinter = kTestPrinter;
    StoreThreeRecords();
    struct Case {
        MessageAnswer answer; // to the question about the record before 1900
        std::vector<std::string> names;
        std::string written; // the message after the file is written
    };
    const Case cases[] = {
        {MessageAnswer::Yes, {"Alt", "anton", "Zora"}, UserText(TextId::SheetPagesWritten, {"3"})},
        {MessageAnswer::No,
         {"anton", "Zora"},
         UserText(TextId::SheetPagesWrittenWithout, {"2", "1"})},
        {MessageAnswer::Cancel, {}, ""},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        messages.answers = {c.answer};
        const std::string pdf = Pdf("alle.pdf");
        std::filesystem::remove(std::filesystem::path(Widen(pdf)));
        if (c.answer != MessageAnswer::Cancel) {
            files.saveAnswers.push_back(pdf);
        }
        Command(ID_FILE_EXPORT_ALL_PDF);
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNoCancel);
        EXPECT_EQ(messages.shown[0].text, UserText(TextId::SheetEarlierRecords, {"1", "3"}));
        if (c.names.empty()) {
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(Widen(pdf))));
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[1].text, c.written);
        const gdi_test::PostScriptFile ps = ReadPostScript(Widen(pdf));
        EXPECT_EQ(ps.pages, static_cast<int>(c.names.size()));
        std::size_t from = 0;
        for (const std::string& name : c.names) {
            const std::size_t at = ps.text.find(WithoutSpaces(name), from);
            EXPECT_NE(at, std::string::npos) << name;
            from = at == std::string::npos ? from : at;
        }
    }
}

TEST_F(SheetCommandsTest, ExportAllOfAnEmptyDocumentSaysThereIsNothing) {
    Sheets().m_pdfPrinter = kTestPrinter;
    Command(ID_FILE_EXPORT_ALL_PDF);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, UserText(TextId::SheetNoRecords));
}

} // namespace
