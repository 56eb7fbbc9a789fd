// vexamo-cli report: the PDF's text, pages and fonts as poppler reads them, and the refusals.
#include <regex>
#include <sstream>

#include "app/zone_resolution.h"
#include "sheet/sheet_content.h"
#include "tests/sheet/sheet_cli_run.h"

namespace {

// Every run of blanks and line ends as one blank, so that texts compare whatever the layout.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f' || c == '\r';
        if (blank) {
            if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        } else {
            out += c;
        }
    }
    return out;
}

int Pages(const std::string& pdfinfo) {
    std::smatch m;
    return std::regex_search(pdfinfo, m, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(m[1]) : -1;
}

// The font lines of pdffonts and whether each is embedded.
std::vector<bool> FontsEmbedded(const std::string& pdffonts) {
    std::vector<bool> embedded;
    std::istringstream lines(pdffonts);
    std::string line;
    const std::regex font(R"(\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)");
    while (std::getline(lines, line)) {
        std::smatch m;
        if (std::regex_search(line, m, font)) {
            embedded.push_back(m[1] == "yes");
        }
    }
    return embedded;
}

struct SheetCase {
    const char* title;
    std::vector<std::string> options; // before the five numbers
    BirthInput input;
    std::string name;
    const char* zone; // --zone given, or nullptr
};

const SheetCase kSheets[] = {
    {"plain", {}, {14, 3, 1985, 7, 30, 1, false, false}, "", nullptr},
    {"named, both options",
     {"--name", "Eva Müller", "--southern", "--const-zone", "--tz", "-3"},
     {2, 11, 2001, 23, 5, -3, true, true},
     "Eva Müller",
     nullptr},
    {"zone",
     {"--zone", "Europe/Berlin"},
     {1, 7, 1990, 12, 0, -2, false, false},
     "",
     "Europe/Berlin"},
    {"before 1900", {"--before-1900"}, {6, 1, 1850, 0, 0, 1, false, false}, "", nullptr},
    // Wider than the page: wrapped, never cut.
    {"long name",
     {"--name", "Anna-Lena Österreicher-Vonhöffenstein-Großkreutz von und zu Oberammergau"},
     {14, 3, 1985, 7, 30, 1, false, false},
     "Anna-Lena Österreicher-Vonhöffenstein-Großkreutz von und zu Oberammergau",
     nullptr},
};

class ReportCommand : public SheetCliTest {};

TEST_F(ReportCommand, OneSheetHoldsEveryTextOnOnePageWithItsFontsEmbedded) {
    for (const SheetCase& c : kSheets) {
        SCOPED_TRACE(c.title);
        const std::string pdf = Path(std::string(c.title) + ".pdf");
        std::vector<std::string> words{"report", "-o", pdf};
        words.insert(words.end(), c.options.begin(), c.options.end());
        for (const int32_t v :
             {c.input.day, c.input.month, c.input.year, c.input.hour, c.input.minute}) {
            words.push_back(std::to_string(v));
        }
        const CliRun run = Cli(words);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");

        SheetBirth birth{c.name, c.input, std::nullopt};
        if (c.zone != nullptr) {
            birth.zone = ResolveZone({ZoneSource::Kind::Zone, c.zone}, LocalMomentOf(c.input), {});
        }
        const std::string text = Squeezed(Poppler("pdftotext", pdf));
        std::vector<std::string> expected = SheetTexts(MakeSheetContent(birth, ""));
        expected.pop_back(); // the footer: its date is today's
        for (const std::string& piece : expected) {
            EXPECT_NE(text.find(Squeezed(piece)), std::string::npos) << piece << "\n" << text;
        }
        EXPECT_NE(text.find("Vexamo, Version 1.0 — imprimé le "), std::string::npos);
        EXPECT_EQ(Pages(Poppler("pdfinfo", pdf)), 1);
        const std::vector<bool> fonts = FontsEmbedded(Poppler("pdffonts", pdf));
        EXPECT_FALSE(fonts.empty());
        EXPECT_EQ(std::count(fonts.begin(), fonts.end(), false), 0);
    }
}

class ReportFromFile : public SheetCliTest {
  protected:
    void SetUp() override {
        SheetCliTest::SetUp();
        for (const char* name : {"dora", "Anna", "bert", "Carl"}) {
            ASSERT_EQ(Cli({"add", Path("records.dat"), name, "1", "2", "1970", "3", "4"}).status,
                      0);
        }
    }

    // The names in the order they appear in the PDF's text.
    std::vector<std::string> NamesInOrder(const std::string& pdf) {
        const std::string text = Poppler("pdftotext", pdf);
        std::vector<std::pair<size_t, std::string>> found;
        for (const char* name : {"dora", "Anna", "bert", "Carl"}) {
            if (const size_t at = text.find(std::string(name) + "\n"); at != std::string::npos) {
                found.emplace_back(at, name);
            }
        }
        std::sort(found.begin(), found.end());
        std::vector<std::string> names;
        for (const auto& [at, name] : found) {
            names.push_back(name);
        }
        return names;
    }
};

TEST_F(ReportFromFile, OnePagePerRecordInTheListsOrder) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> pages;
    };
    // The list ignores case: "bert" comes before "Carl", as it does not in byte order.
    const Case cases[] = {
        {{}, {"Anna", "bert", "Carl", "dora"}},
        {{"dora", "Anna"}, {"Anna", "dora"}},
        {{"Carl", "Carl"}, {"Carl"}},
    };
    for (const Case& c : cases) {
        const std::string pdf = Path("file.pdf");
        std::vector<std::string> words{"report", "-o", pdf, "--file", Path("records.dat")};
        words.insert(words.end(), c.names.begin(), c.names.end());
        const CliRun run = Cli(words);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Pages(Poppler("pdfinfo", pdf)), static_cast<int>(c.pages.size()));
        EXPECT_EQ(NamesInOrder(pdf), c.pages);
    }
}

TEST_F(ReportFromFile, StandardOutputTakesThePdf) {
    const CliRun run = Cli({"report", "-o", "-", "--file", Path("records.dat"), "Anna"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("%PDF-", 0), 0u);
    EXPECT_NE(run.out.find("%%EOF"), std::string::npos);
    EXPECT_TRUE(Written().empty());
}

TEST_F(ReportFromFile, RefusalsWriteNothing) {
    std::filesystem::create_directory(Path("folder.pdf"));
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* message;
    };
    const std::string file = Path("records.dat");
    const Case cases[] = {
        {{"report", "-o", Path("out.txt"), "1", "2", "2000", "3", "4"}, 2, "pdf"},
        {{"report", "1", "2", "2000", "3", "4"}, 2, "-o OUT"},
        {{"report", "-o", Path("o.pdf"), "1", "13", "2000", "3", "4"}, 1, "month between 1 and 12"},
        {{"report", "-o", Path("o.pdf"), "1", "2", "1850", "3", "4"}, 1, "--before-1900"},
        {{"report", "-o", Path("o.pdf"), "1", "2", "2000", "3"}, 2, "got 4 value(s)"},
        {{"report", "-o", Path("o.pdf"), "--file", file, "Anna", "Nobody"}, 1, "Nobody"},
        {{"report", "-o", Path("o.pdf"), "--file", Path("none.dat")}, 1, "none.dat"},
        {{"report", "-o", Path("o.pdf"), "--file", file, "--tz", "2"}, 2, "--tz"},
        {{"report", "-o", Path("o.pdf"), "--file", file, "--name", "X"}, 2, "--name"},
        {{"report", "-o", Path("missing/o.pdf"), "1", "2", "2000", "3", "4"}, 1, "missing/o.pdf"},
        {{"report", "-o", Path("folder.pdf"), "1", "2", "2000", "3", "4"}, 1, "folder.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words[2]);
        const CliRun run = Cli(c.words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        std::vector<std::string> written = Written();
        std::erase(written, "folder.pdf");
        EXPECT_TRUE(written.empty()) << written.front();
        EXPECT_TRUE(std::filesystem::is_directory(Path("folder.pdf")));
    }
}

} // namespace
