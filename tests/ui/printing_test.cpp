// Printing, print preview, page set-up, PDF export and "Copier le diagramme" from the window,
// with the print and file dialogs answered by the test.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/main_frame.h"
#include "ui/main_view.h"
#include "ui/phase_diagram.h"

namespace {

// The output of a poppler tool run on the file ("-" as the text's target for pdftotext).
QString Poppler(const QString& tool, const QString& pdf) {
    QProcess process;
    process.start(tool, tool == QLatin1String("pdftotext") ? QStringList{pdf, QStringLiteral("-")}
                                                           : QStringList{pdf});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word of a PDF page as pdftotext -bbox places it (in points from the page's top left).
struct PdfWord {
    QString text;
    QRectF box;
};

// The words of the PDF's first page and that page's size.
std::vector<PdfWord> PdfWords(const QString& pdf, QSizeF& page) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                   QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"))
            .match(html);
    page = size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())
                           : QSizeF();
    std::vector<PdfWord> words;
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF to(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({text, QRectF(from, to)});
    }
    return words;
}

int Pages(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(Poppler("pdfinfo", pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class PrintingTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start({}));
        messages.Clear();
        pdf = TempPath("blatt.pdf");
        // The "printer" the user picks writes a PDF file, so what was printed can be read back.
        printDialogs.printer = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        EnterBirth(20, 3, 2000, 8, 0, -1);
        SetText(IDC_NAME, "Muster");
    }

    // The form's result texts, which every sheet of this birth must carry.
    QStringList FormResults() const {
        return {Text(IDC_NAME),   Text(IDC_MOON),     Text(IDC_SUN),      Text(IDC_ECART),
                Text(IDC_JULIAN), Text(IDC_MONDTAG),  Text(IDC_LAST_NEW), Text(IDC_NEXT_NEW),
                Text(IDC_FULL),   Text(IDC_TYPE_NAME)};
    }

    QString pdf;
};

TEST_F(PrintingTest, MenuItemsAndCtrlPReachTheirHandlers) {
    struct Case {
        const char* what;
        int command; // 0: Ctrl+P pressed in the name field
        std::deque<bool> answers;
        QString run;
        bool printed;
    };
    const std::vector<Case> cases{
        {"print", ID_FILE_PRINT, {true}, "print", true},
        {"print cancelled", ID_FILE_PRINT, {false}, "print", false},
        {"Ctrl+P", 0, {true}, "print", true},
        {"preview", ID_FILE_PRINT_PREVIEW, {}, "preview", true},
        {"page set-up", ID_FILE_PRINT_SETUP, {true}, "setup", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(pdf);
        printDialogs.runs.clear();
        printDialogs.answers = c.answers;
        if (c.command == 0) {
            Frame().activateWindow();
            QTest::keyClick(Control(IDC_NAME), Qt::Key_P, Qt::ControlModifier);
        } else {
            Command(c.command);
        }
        EXPECT_EQ(printDialogs.runs, QStringList{c.run});
        EXPECT_EQ(QFile::exists(pdf), c.printed);
        if (c.printed) {
            const QString text = Poppler("pdftotext", pdf);
            for (const QString& result : FormResults()) {
                EXPECT_TRUE(text.contains(result)) << result.toStdString();
            }
            EXPECT_EQ(Pages(pdf), 1);
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintingTest, PageSetUpKeepsThePrinterForPrinting) {
    // Landscape is chosen in the page set-up; the print dialog then only picks the PDF printer.
    const auto toPdf = printDialogs.printer;
    printDialogs.printer = [this, toPdf](QPrinter& printer) {
        if (printDialogs.runs.back() == "setup") {
            printer.setPageOrientation(QPageLayout::Landscape);
        } else {
            toPdf(printer);
        }
    };
    printDialogs.answers = {true, true};
    Command(ID_FILE_PRINT_SETUP);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(printDialogs.runs, (QStringList{"setup", "print"}));
    const QString info = Poppler("pdfinfo", pdf);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
}

// A landscape Letter page with the page set-up's margins, printed from the window: every word
// lies within the margins, the footer's words under all others, and a long name is there whole.
TEST_F(PrintingTest, LandscapeLetterKeepsEveryWordWithinTheMargins) {
    const QString name = QString::fromUtf8("Anna-Lena \u00D6sterreicher-Vonh\u00F6ffenstein-"
                                           "Gro\u00DFkreutz von und zu Oberammergau");
    SetText(IDC_NAME, name);
    const double margin = 12.7; // millimetres
    const auto toPdf = printDialogs.printer;
    printDialogs.printer = [toPdf, margin](QPrinter& printer) {
        toPdf(printer);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                          QMarginsF(margin, margin, margin, margin),
                                          QPageLayout::Millimeter));
    };
    printDialogs.answers = {true};
    Command(ID_FILE_PRINT);
    QSizeF page;
    const std::vector<PdfWord> words = PdfWords(pdf, page);
    ASSERT_FALSE(words.empty());
    EXPECT_NEAR(page.width(), 792, 1);
    EXPECT_NEAR(page.height(), 612, 1);
    // A point of slack for the fonts' side bearings.
    const double m = margin / 25.4 * 72 - 1;
    const QRectF inside(m, m, page.width() - 2 * m, page.height() - 2 * m);
    for (const PdfWord& w : words) {
        EXPECT_TRUE(inside.contains(w.box)) << w.text.toStdString();
    }
    // The footer names the program's version and the date printed: its words come last.
    const auto version = std::find_if(words.begin(), words.end(), [](const PdfWord& w) {
        return w.text.startsWith(QStringLiteral("Vexamo"));
    });
    ASSERT_NE(version, words.end());
    for (const PdfWord& w : words) {
        if (std::abs(w.box.top() - version->box.top()) > 1) {
            EXPECT_LT(w.box.bottom(), version->box.top() + 0.5) << w.text.toStdString();
        }
    }
    QStringList texts;
    for (const PdfWord& w : words) {
        texts.append(w.text);
    }
    EXPECT_TRUE(texts.join(' ').contains(name)) << texts.join(' ').toStdString();
    // The diagram's axes and legend are on the page.
    for (const char* part : {"Phase", "Datum", "Sonnenphase", "Mondphase", "+2"}) {
        EXPECT_TRUE(texts.contains(QString::fromUtf8(part))) << part;
    }
}

TEST_F(PrintingTest, ExportPdfWritesTheFormsResults) {
    files.saveAnswers = {pdf};
    Command(ID_FILE_EXPORT_PDF);
    EXPECT_EQ(files.lastSuggestedName, "Muster.pdf");
    EXPECT_EQ(files.lastSuffix, "pdf");
    EXPECT_EQ(files.lastFilter, "Document PDF (*.pdf)");
    const QString text = Poppler("pdftotext", pdf);
    for (const QString& result : FormResults()) {
        EXPECT_TRUE(text.contains(result)) << result.toStdString();
    }
    EXPECT_TRUE(text.contains("Calcul Orlinde"));
    EXPECT_EQ(Pages(pdf), 1);
    EXPECT_TRUE(printDialogs.runs.isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintingTest, ExportRunsTheFormsEvaluationFirst) {
    // The fields changed after the last evaluation are evaluated before the sheet is made.
    SetText(IDC_YEAR, "1985");
    SetText(IDC_NAME, "a/b");
    files.saveAnswers = {pdf};
    Command(ID_FILE_EXPORT_PDF);
    EXPECT_EQ(files.lastSuggestedName, "a_b.pdf");
    EXPECT_TRUE(Text(IDC_BIRTH).contains("1985"));
    EXPECT_TRUE(Poppler("pdftotext", pdf).contains(Text(IDC_MOON)));
}

TEST_F(PrintingTest, RefusedFormInputPrintsAndWritesNothing) {
    struct Case {
        const char* what;
        int field;
        QString value;
        std::deque<MessageAnswer> answers;
    };
    const std::vector<Case> cases{
        {"month out of range", IDC_MONTH, "13", {}},
        {"no integer", IDC_DAY, "x", {}},
        {"earlier century declined", IDC_YEAR, "1850", {MessageAnswer::No}},
    };
    for (const int command : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " / " + std::to_string(command));
            EnterBirth(20, 3, 2000, 8, 0, -1);
            SetText(c.field, c.value);
            messages.Clear();
            messages.answers = c.answers;
            files.saveAnswers = {pdf};
            printDialogs.answers = {true};
            printDialogs.runs.clear();
            Command(command);
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_TRUE(printDialogs.runs.isEmpty());
            EXPECT_EQ(files.saveAnswers.size(), 1u); // the file chooser was not shown
            EXPECT_FALSE(QFile::exists(pdf));
        }
    }
}

TEST_F(PrintingTest, UnwritableTargetIsReportedAndLeavesNoFile) {
    const QString target = TempPath("fehlt/blatt.pdf");
    files.saveAnswers = {target};
    Command(ID_FILE_EXPORT_PDF);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.Texts().front().contains(target));
    EXPECT_FALSE(QFile::exists(target));

    files.saveAnswers = {std::nullopt}; // cancelled
    messages.Clear();
    Command(ID_FILE_EXPORT_PDF);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintingTest, ExportAllWritesOnePagePerRecordInListOrder) {
    const QString file =
        WriteFile("leute.dat", {{"Zora", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)},
                                {"berta", VXDateStore(1980, 5, 6, 7, 8, 0, 0, 3)},
                                {"Anton", VXDateStore(2001, 9, 10, 11, 12, 1, 0, -2)}});
    files.openAnswers = {file};
    Command(ID_FILE_OPEN);
    files.saveAnswers = {pdf};
    Command(ID_FILE_EXPORT_ALL_PDF);
    EXPECT_EQ(Pages(pdf), 3);
    const QString text = Poppler("pdftotext", pdf);
    const qsizetype anton = text.indexOf("Anton");
    const qsizetype berta = text.indexOf("berta");
    const qsizetype zora = text.indexOf("Zora");
    EXPECT_GE(anton, 0);
    EXPECT_LT(anton, berta);
    EXPECT_LT(berta, zora);
    EXPECT_TRUE(text.contains("6.5.1980 7:08Uhr"));
    // The end says how many pages were written.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.front().kind, MessageKind::AppOk);
    EXPECT_TRUE(messages.Texts().front().contains("3")) << messages.Texts().front().toStdString();
}

TEST_F(PrintingTest, ExportAllRefusesEmptyFilesAndRefusedRecords) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, VXDateStore>> records;
        std::deque<MessageAnswer> answers;
        QString message; // a part of the one message shown
    };
    const std::vector<Case> cases{
        {"no records", {}, {}, "keine Einträge"},
        {"month out of range",
         {{"Gut", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)},
          {"Kaputt", VXDateStore(1990, 13, 2, 3, 4, 0, 0, 0)}},
         {},
         "Kaputt"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        files.openAnswers = {WriteFile(QStringLiteral("satz%1.dat").arg(i), c.records)};
        // Showing an early first record asks (when loaded and when shown).
        messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
        Command(ID_FILE_OPEN);
        messages.Clear();
        messages.answers = c.answers;
        files.saveAnswers = {pdf};
        Command(ID_FILE_EXPORT_ALL_PDF);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.Texts().front().contains(c.message))
            << messages.Texts().front().toStdString();
        EXPECT_EQ(files.saveAnswers.size(), 1u);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

// The records before 1900 are asked about once for the whole file: Yes takes them, No leaves
// them out, Cancel writes nothing; the end says how many pages were written.
TEST_F(PrintingTest, ExportAllAsksOnceAboutRecordsBefore1900) {
    const std::vector<std::pair<std::string, VXDateStore>> mixed{
        {"Alt", VXDateStore(1850, 1, 2, 3, 4, 0, 0, 0)},
        {"Neu", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0)},
        {"Uralt", VXDateStore(1820, 1, 2, 3, 4, 0, 0, 0)}};
    const std::vector<std::pair<std::string, VXDateStore>> onlyEarly{mixed[0], mixed[2]};
    struct Case {
        const char* what;
        const std::vector<std::pair<std::string, VXDateStore>>& records;
        MessageAnswer answer;
        int pages;           // -1: no file
        QString count;       // what the question counts: "2 von 3"
        QStringList written; // names on the pages
        QStringList leftOut; // names not on them
        QString end;         // a part of the last message; empty: none after the question
    };
    const std::vector<Case> cases{
        {"mixed, yes",
         mixed,
         MessageAnswer::Yes,
         3,
         "2 von 3",
         {"Alt", "Neu", "Uralt"},
         {},
         "Seiten: 3."},
        {"mixed, no",
         mixed,
         MessageAnswer::No,
         1,
         "2 von 3",
         {"Neu"},
         {"Alt", "Uralt"},
         "Seiten: 1; weggelassene Einträge vor 1900: 2."},
        {"mixed, cancel", mixed, MessageAnswer::Cancel, -1, "2 von 3", {}, {}, ""},
        {"all early, no",
         onlyEarly,
         MessageAnswer::No,
         -1,
         "2 von 2",
         {},
         {},
         "keine Datei geschrieben"},
        {"all early, yes",
         onlyEarly,
         MessageAnswer::Yes,
         2,
         "2 von 2",
         {"Alt", "Uralt"},
         {},
         "Seiten: 2."},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        QFile::remove(pdf);
        files.openAnswers = {WriteFile(QStringLiteral("alt%1.dat").arg(i), c.records)};
        // Showing an early first record asks (when loaded and when shown).
        messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
        Command(ID_FILE_OPEN);
        messages.Clear();
        messages.answers = {c.answer};
        // No file is asked for when nothing is to be written.
        files.saveAnswers = {pdf};
        Command(ID_FILE_EXPORT_ALL_PDF);
        ASSERT_GE(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].kind, MessageKind::AppYesNoCancel);
        EXPECT_TRUE(messages.shown[0].text.contains(c.count))
            << messages.shown[0].text.toStdString();
        EXPECT_EQ(messages.shown.size(), c.end.isEmpty() ? 1u : 2u);
        if (!c.end.isEmpty() && messages.shown.size() == 2) {
            EXPECT_EQ(messages.shown[1].kind, MessageKind::AppOk);
            EXPECT_TRUE(messages.shown[1].text.contains(c.end))
                << messages.shown[1].text.toStdString();
        }
        EXPECT_EQ(files.saveAnswers.empty(), c.pages >= 0);
        if (c.pages < 0) {
            EXPECT_FALSE(QFile::exists(pdf));
            continue;
        }
        EXPECT_EQ(Pages(pdf), c.pages);
        const QString text = Poppler("pdftotext", pdf);
        for (const QString& name : c.written) {
            EXPECT_TRUE(text.contains(name + "\n")) << name.toStdString();
        }
        for (const QString& name : c.leftOut) {
            EXPECT_FALSE(text.contains(name + "\n")) << name.toStdString();
        }
    }
}

TEST_F(PrintingTest, CopyDiagramPutsTheControlsPictureOnTheClipboard) {
    Click(IDC_CALCULATE);
    QApplication::clipboard()->setText("vorher");
    Command(ID_EDIT_COPY_DIAGRAM);
    CPhaseDiagram* diagram = &Diagram();
    const QImage shown = diagram->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(copied.size(), diagram->size());
    EXPECT_EQ(copied, shown);
    // Not a blank picture: both curves' colours are in it.
    bool blue = false;
    bool red = false;
    for (int y = 0; y < copied.height(); ++y) {
        for (int x = 0; x < copied.width(); ++x) {
            const QColor c = copied.pixelColor(x, y);
            blue = blue || (c.blue() > 200 && c.red() < 80 && c.green() < 80);
            red = red || (c.red() > 200 && c.blue() < 80 && c.green() < 80);
        }
    }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(red);
    EXPECT_TRUE(messages.shown.empty());
}
