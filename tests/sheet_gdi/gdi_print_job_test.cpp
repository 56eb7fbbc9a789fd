// Sheets printed as one document on a printer found by name: Wine's PostScript driver, with a
// test printer of its own, writes them into a file, one page each, on the paper asked for; a
// printer that is not there is reported as missing and writes nothing.
#include "sheet/gdi_print_job.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "sheet/sheet_content.h"
#include "tests/sheet_gdi/wine_test_printer.h"

namespace {

using gdi_test::kTestPrinter;
using gdi_test::ReadPostScript;
using gdi_test::WithoutSpaces;

SheetContent Sheet(const std::string& name, int year, bool southern) {
    BirthInput in;
    in.day = 14;
    in.month = 7;
    in.year = year;
    in.hour = 22;
    in.minute = 5;
    in.timeZone = 2;
    in.southern = southern;
    in.constZone = !southern;
    return MakeSheetContent({name, in, std::nullopt}, "09.12.2026");
}

class GdiPrintJob : public ::testing::Test {
  protected:
    gdi_test::TestPrinterLock printerLock; // the whole test: the printer and the folder below
    void SetUp() override {
        ASSERT_TRUE(gdi_test::InstallTestPrinter());
        folder = std::filesystem::temp_directory_path() / "vexamo-print-job-tests";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path folder;
    GdiSheetPictures pictures;
};

TEST_F(GdiPrintJob, AMissingPrinterIsReportedAndWritesNothing) {
    const std::wstring output = (folder / "none.ps").wstring();
    EXPECT_FALSE(PrinterInstalled(L"No Such Printer Anywhere"));
    PrinterDc dc;
    EXPECT_EQ(OpenPrinterDc(L"No Such Printer Anywhere", {}, dc), PrintResult::PrinterMissing);
    EXPECT_EQ(dc.Get(), nullptr);
    EXPECT_EQ(PrintSheetsOn(L"No Such Printer Anywhere", {}, {Sheet("A", 1990, false)},
                            {L"t", output}, pictures),
              PrintResult::PrinterMissing);
    EXPECT_FALSE(std::filesystem::exists(output));

    // A file it was to replace stays as it was, and nothing is left beside it.
    const std::filesystem::path kept = folder / "kept.pdf";
    std::ofstream(kept) << "old";
    EXPECT_EQ(PrintSheetsIntoFile(L"No Such Printer Anywhere", {}, {Sheet("A", 1990, false)}, L"t",
                                  kept.wstring(), pictures),
              PrintResult::PrinterMissing);
    EXPECT_EQ(std::filesystem::file_size(kept), 3u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(GdiPrintJob, NoSheetsIsNoDocument) {
    PrinterDc dc;
    ASSERT_EQ(OpenPrinterDc(kTestPrinter, {}, dc), PrintResult::Done);
    EXPECT_EQ(PrintSheets(dc.Get(), {}, {L"t", (folder / "empty.ps").wstring()}, pictures),
              PrintResult::Failed);
}

// Each paper and orientation: the device context has them, the sheet's area keeps the margins
// within the printable area, and every text of every sheet is in the file, one page a sheet.
TEST_F(GdiPrintJob, EverySheetOnItsOwnPageWithEveryTextOnThePaperAskedFor) {
    struct Case {
        PrintPaper paper;
        double widthMm, heightMm;
        const char* pageSize;
    };
    const Case cases[] = {
        {{DMPAPER_A4, DMORIENT_PORTRAIT}, 210, 297, "595 842"},
        {{DMPAPER_A4, DMORIENT_LANDSCAPE}, 297, 210, "595 842"},
        {{DMPAPER_LETTER, DMORIENT_PORTRAIT}, 215.9, 279.4, "612 792"},
        {{DMPAPER_LETTER, DMORIENT_LANDSCAPE}, 279.4, 215.9, "612 792"},
    };
    const std::vector<SheetContent> two{Sheet("Erste Person", 1987, false),
                                        Sheet("Zweite Person", 2003, true)};
    for (const Case& c : cases) {
        // Two sheets on the first paper, one on each other (each job takes a second or two).
        const std::vector<SheetContent> sheets(two.begin(), two.begin() + (&c == cases ? 2 : 1));
        const std::string what = std::string(c.pageSize) +
                                 (c.paper.orientation == DMORIENT_LANDSCAPE ? " landscape" : "");
        PrinterDc dc;
        ASSERT_EQ(OpenPrinterDc(kTestPrinter, c.paper, dc), PrintResult::Done) << what;
        const double dpi = GetDeviceCaps(dc.Get(), LOGPIXELSX);
        EXPECT_NEAR(GetDeviceCaps(dc.Get(), PHYSICALWIDTH), c.widthMm / 25.4 * dpi, 3) << what;
        EXPECT_NEAR(GetDeviceCaps(dc.Get(), PHYSICALHEIGHT), c.heightMm / 25.4 * dpi, 3) << what;
        const PageRect area = PrintedSheetArea(dc.Get());
        const double margin = kSheetMarginMm / 25.4 * dpi;
        EXPECT_NEAR(area.width, GetDeviceCaps(dc.Get(), PHYSICALWIDTH) - 2 * margin, 2) << what;
        EXPECT_GE(area.left, 0) << what;
        EXPECT_GE(area.top, 0) << what;
        EXPECT_LE(area.Right(), GetDeviceCaps(dc.Get(), HORZRES)) << what;
        EXPECT_LE(area.Bottom(), GetDeviceCaps(dc.Get(), VERTRES)) << what;

        // The same file each time: the longer one before is replaced whole.
        const std::wstring output = (folder / "sheets.ps").wstring();
        ASSERT_EQ(PrintSheetsIntoFile(kTestPrinter, c.paper, sheets, L"Vexamo", output, pictures),
                  PrintResult::Done)
            << what;
        const gdi_test::PostScriptFile ps = ReadPostScript(output);
        EXPECT_EQ(ps.pages, static_cast<int>(sheets.size())) << what;
        EXPECT_EQ(ps.PageSize(), c.pageSize) << what;
        EXPECT_EQ(ps.Landscape(), c.paper.orientation == DMORIENT_LANDSCAPE) << what;
        std::size_t from = 0;
        for (const SheetContent& sheet : sheets) {
            for (const std::string& text : SheetTexts(sheet)) {
                EXPECT_NE(ps.text.find(WithoutSpaces(text)), std::string::npos)
                    << what << ": " << text;
            }
            // The sheets in their order: each name after the one before.
            const std::size_t at = ps.text.find(WithoutSpaces(sheet.name), from);
            EXPECT_NE(at, std::string::npos) << what << ": " << sheet.name;
            from = at;
        }
    }
}

} // namespace
