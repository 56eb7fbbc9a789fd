// vexamo-cli diagram: the PNG at scale 1 is the control's picture pixel for pixel, larger scales
// and the SVG draw the same curves; and the refusals.
#include <QImage>
#include <QXmlStreamReader>

#include "app/birth_input.h"
#include "tests/sheet/sheet_cli_run.h"
#include "ui/diagram_image.h"

namespace {

struct Birth {
    const char* title;
    std::vector<std::string> words; // options and the five numbers
    BirthInput input;
};

const Birth kBirths[] = {
    {"north", {"14", "3", "1985", "7", "30"}, {14, 3, 1985, 7, 30, 1, false, false}},
    {"south",
     {"--southern", "--tz", "-5", "2", "11", "2001", "23", "5"},
     {2, 11, 2001, 23, 5, -5, true, false}},
    {"full moon",
     {"--tz", "0", "19", "1", "2000", "4", "40"},
     {19, 1, 2000, 4, 40, 0, false, false}},
};

class DiagramCommand : public SheetCliTest {
  protected:
    CliRun Diagram(const std::string& out, std::vector<std::string> words) const {
        words.insert(words.begin(), {"diagram", "-o", out});
        return Cli(words);
    }
};

TEST_F(DiagramCommand, PngAtScaleOneIsTheControlsPicture) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.title);
        const CliRun run = Diagram(Path("d.png"), b.words);
        ASSERT_EQ(run.status, 0) << run.err;
        const QImage png =
            QImage(QString::fromStdString(Path("d.png"))).convertToFormat(QImage::Format_RGB32);
        DiagramSampleCache samples;
        const QImage control = DrawDiagramImage(Evaluate(b.input).m_dJulianDate,
                                                b.input.southern ? 1 : 0, QSize(261, 128), samples);
        EXPECT_EQ(png.size(), QSize(261, 128));
        EXPECT_TRUE(png == control);
    }
}

TEST_F(DiagramCommand, LargerScalesDrawBothCurvesOnALargerPicture) {
    const CliRun run = Diagram(Path("d.png"), {"--scale", "3", "14", "3", "1985", "7", "30"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage png = QImage(QString::fromStdString(Path("d.png")));
    ASSERT_EQ(png.size(), QSize(783, 384));
    int blue = 0;
    int red = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QRgb p = png.pixel(x, y);
            // Mostly one colour: the lines' edges are smoothed.
            blue += qBlue(p) >= 200 && qRed(p) <= 80 && qGreen(p) <= 80;
            red += qRed(p) >= 200 && qBlue(p) <= 80 && qGreen(p) <= 80;
        }
    }
    // Three pixels wide across the whole width.
    EXPECT_GT(blue, 2 * 783);
    EXPECT_GT(red, 2 * 783);
}

TEST_F(DiagramCommand, SvgParsesAndHoldsBothCurves) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.title);
        const CliRun run = Diagram(Path("d.svg"), b.words);
        ASSERT_EQ(run.status, 0) << run.err;
        QXmlStreamReader xml(QByteArray::fromStdString(ReadFile(Path("d.svg"))));
        std::map<QString, std::pair<QString, qsizetype>> curves; // id: colour, points
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"polyline") {
                const auto a = xml.attributes();
                curves[a.value("id").toString()] = {
                    a.value("stroke").toString(),
                    a.value("points").toString().split(' ', Qt::SkipEmptyParts).size()};
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(curves[QStringLiteral("moon")],
                  std::make_pair(QStringLiteral("#0000ff"), qsizetype{385}));
        EXPECT_EQ(curves[QStringLiteral("sun")],
                  std::make_pair(QStringLiteral("#ff0000"), qsizetype{385}));
    }
}

TEST_F(DiagramCommand, ARecordDrawsAsItsValuesDo) {
    ASSERT_EQ(Cli({"add", Path("records.dat"), "Eva", "--southern", "--tz", "-5", "2", "11", "2001",
                   "23", "5"})
                  .status,
              0);
    const CliRun fromFile =
        Cli({"diagram", "-o", "-", "--format", "svg", "--file", Path("records.dat"), "Eva"});
    const CliRun given =
        Diagram("-", {"--format", "svg", "--southern", "--tz", "-5", "2", "11", "2001", "23", "5"});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, given.out);
    EXPECT_EQ(fromFile.out.rfind("<?xml", 0), 0u);
    // Standard output without --format is PNG.
    EXPECT_EQ(Diagram("-", {"1", "2", "2000", "3", "4"}).out.substr(1, 3), "PNG");
}

TEST_F(DiagramCommand, RefusalsWriteNothing) {
    ASSERT_EQ(Cli({"add", Path("records.dat"), "Eva", "1", "2", "2000", "3", "4"}).status, 0);
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* message;
    };
    const std::string file = Path("records.dat");
    const Case cases[] = {
        {{"-o", Path("d.jpg"), "1", "2", "2000", "3", "4"}, 2, "png and svg"},
        {{"-o", Path("d"), "1", "2", "2000", "3", "4"}, 2, "png and svg"},
        {{"-o", Path("d.png"), "--format", "pdf", "1", "2", "2000", "3", "4"}, 2, "png and svg"},
        {{"-o", Path("d.png"), "--scale", "0", "1", "2", "2000", "3", "4"}, 2, "not \u201C0\u201D"},
        {{"-o", Path("d.png"), "--scale", "17", "1", "2", "2000", "3", "4"},
         2,
         "not \u201C17\u201D"},
        {{"-o", Path("d.png"), "--scale", "x", "1", "2", "2000", "3", "4"}, 2, "not \u201Cx\u201D"},
        {{"-o", Path("d.png"), "--name", "Eva", "1", "2", "2000", "3", "4"}, 2, "--name"},
        {{"-o", Path("d.png"), "1", "2", "2000", "25", "4"}, 1, "hour between 0 and 24"},
        {{"-o", Path("d.png"), "--tz", "13", "1", "2", "2000", "3", "4"}, 1, "between -12 and 12"},
        {{"-o", Path("d.png"), "--file", file}, 2, "one NAME"},
        {{"-o", Path("d.png"), "--file", file, "Eva", "Eva"}, 2, "one NAME"},
        {{"-o", Path("d.png"), "--file", file, "Adam"}, 1, "Adam"},
        {{"-o", Path("no/d.png"), "1", "2", "2000", "3", "4"}, 1, "no/d.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::vector<std::string> words{"diagram"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const CliRun run = Cli(words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(Written().empty());
    }
}

} // namespace
