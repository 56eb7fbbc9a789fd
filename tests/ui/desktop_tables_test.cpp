// The window against the pinned tables of tests/desktop/ that the Windows program's tests require
// too: the texts of every result of 500 births, and the clipboard texts and files of a session on
// the record list. With VEXAMO_REMAKE_DESKTOP_TABLES naming a folder, the tables are written
// there anew from what this window shows instead:
//   VEXAMO_REMAKE_DESKTOP_TABLES=tests/desktop build/tests/ui/vexamo_ui_tests
//       --gtest_filter='DesktopTablesTest.*'
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/form_fields.h"
#include "app/input_check.h"
#include "app_fixture.h"
#include "tests/desktop/desktop_tables.h"

namespace {

const char* const kRemakeVariable = "VEXAMO_REMAKE_DESKTOP_TABLES";

QString RemakeFolder() {
    return qEnvironmentVariable(kRemakeVariable);
}

// text as a C string literal (UTF-8 kept as it is).
std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// A long text as one literal per line, each line after the first indented.
std::string LinesLiteral(const std::string& text, const char* indent) {
    if (text.empty()) {
        return "\"\"";
    }
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (start > 0) {
            out.append("\n").append(indent);
        }
        out += Literal(text.substr(start, end - start));
        start = end;
    }
    return out;
}

std::string HexLiteral(const QByteArray& bytes, const char* indent) {
    const std::string hex = bytes.toHex().toStdString();
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 88) {
        if (i > 0) {
            out.append("\n").append(indent);
        }
        out.append("\"").append(hex.substr(i, 88)).append("\"");
    }
    return out.empty() ? "\"\"" : out;
}

void WriteTable(const QString& name, const std::string& text) {
    QFile file(RemakeFolder() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    file.write(text.data(), static_cast<qint64>(text.size()));
}

const char* const kMadeBy =
    "// Made from what the Linux program's window shows by tests/ui/desktop_tables_test.cpp;\n"
    "// do not edit: remake with\n"
    "//   VEXAMO_REMAKE_DESKTOP_TABLES=tests/desktop build/tests/ui/vexamo_ui_tests\n"
    "//       --gtest_filter='DesktopTablesTest.*'\n";

// The births of form_births.inc, fixed once made: the years' edges and every month's first and
// last day in common and leap years (the time difference carrying the moment into the next or
// the previous month), then births drawn over the whole range the form takes: years -99999 to
// 99999 (most of them near the present), any hour 0 to 24, minute, time difference and options.
std::vector<BirthInput> SpreadBirths() {
    std::vector<BirthInput> births;
    int options = 0;
    const auto add = [&](int32_t day, int32_t month, int32_t year, int32_t hour, int32_t minute,
                         int32_t timeZone) {
        BirthInput in{day, month, year, hour, minute, timeZone};
        in.southern = (options & 1) != 0;
        in.constZone = (options & 2) != 0;
        ++options;
        births.push_back(in);
    };
    for (const int32_t year :
         {-99999, -4713, -1, 0, 1, 1582, 1899, 1900, 2100, 9999, 10000, 99999}) {
        add(1, 1, year, 0, 0, 0);
        add(DaysInMonth(year, 12), 12, year, 23, 59, 0);
    }
    for (const int32_t year : {1900, 1999, 2000, 2024}) {
        for (int32_t month = 1; month <= 12; ++month) {
            add(1, month, year, 0, 0, -12);
            add(DaysInMonth(year, month), month, year, 24, 0, 12);
        }
    }
    uint64_t state = 0x5eed2024u;
    const auto next = [&state](int32_t count) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int32_t>((state >> 33) % static_cast<uint64_t>(count));
    };
    while (births.size() < 500) {
        int32_t year = 0;
        switch (next(10)) {
        case 0:
            year = -99999 + next(99999); // -99999 .. -1
            break;
        case 1:
            year = next(1900); // 0 .. 1899
            break;
        case 2:
            year = 2101 + next(99999 - 2100);
            break;
        default:
            year = 1900 + next(201); // 1900 .. 2100
        }
        const int32_t month = 1 + next(12);
        const int32_t day = 1 + next(DaysInMonth(year, month));
        add(day, month, year, next(25), next(60), next(25) - 12);
        options += next(2); // the options do not follow the births' order
    }
    return births;
}

class DesktopTablesTest : public AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        messages.Clear();
    }

    void Enter(const BirthInput& in) const {
        EnterBirth(in.day, in.month, in.year, in.hour, in.minute, in.timeZone);
        SetChecked(IDC_SOUTHERN, in.southern);
        SetChecked(IDC_CONST_ZONE, in.constZone);
    }

    void Add(const SessionRecord& record) {
        Enter(record.input);
        SetText(IDC_NAME, QString::fromUtf8(record.name));
        Click(IDC_ADD);
    }

    std::string ShownMessages() {
        std::string texts;
        for (const ShownMessage& message : messages.shown) {
            texts += message.text.toStdString() + "\n";
        }
        messages.Clear();
        return texts;
    }

    static std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }

    QByteArray FileBytes(const QString& path) const {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
};

TEST_F(DesktopTablesTest, EveryResultOfEveryBirthIsThePinnedText) {
    const bool remaking = !RemakeFolder().isEmpty();
    std::vector<BirthInput> births;
    if (remaking) {
        births = SpreadBirths();
    } else {
        ASSERT_EQ(std::size(kFormBirthControls), FormResultTexts().size());
        for (std::size_t k = 0; k < FormResultTexts().size(); ++k) {
            EXPECT_EQ(kFormBirthControls[k], FormResultTexts()[k].id) << "remake the table";
        }
        for (const FormBirth& birth : kFormBirths) {
            births.push_back(birth.input);
        }
        ASSERT_EQ(births.size(), 500u);
    }
    std::string table = kMadeBy;
    table += "\n// The result statics, in the order of each birth's texts.\n"
             "inline constexpr int kFormBirthControls[] = {";
    for (const FormResultText& result : FormResultTexts()) {
        table += std::to_string(result.id) + (&result == &FormResultTexts().back() ? "" : ", ");
    }
    table += "};\n\n// Day, month, year, hour, minute, time difference, southern, constant zone;\n"
             "// the texts shown after \"Calculer\" (a year before 1900 confirmed).\n"
             "inline constexpr FormBirth kFormBirths[] = {\n";
    int faults = 0;
    for (std::size_t i = 0; i < births.size(); ++i) {
        const BirthInput& b = births[i];
        Enter(b);
        if (b.year < 1900) {
            messages.answers = {MessageAnswer::Yes};
        }
        Click(IDC_CALCULATE);
        const auto shown = messages.shown.size();
        messages.Clear();
        EXPECT_EQ(shown, b.year < 1900 ? 1u : 0u) << "birth " << i;
        table += "    {{" + std::to_string(b.day) + ", " + std::to_string(b.month) + ", " +
                 std::to_string(b.year) + ", " + std::to_string(b.hour) + ", " +
                 std::to_string(b.minute) + ", " + std::to_string(b.timeZone) + ", " +
                 (b.southern ? "true" : "false") + ", " + (b.constZone ? "true" : "false") +
                 "},\n     {";
        for (std::size_t k = 0; k < FormResultTexts().size(); ++k) {
            const std::string text = Text(FormResultTexts()[k].id).toStdString();
            table += (k > 0 ? ", " : "") + Literal(text);
            if (!remaking && text != kFormBirths[i].texts[k] && ++faults <= 10) {
                ADD_FAILURE() << "birth " << i << " (" << b.day << "." << b.month << "." << b.year
                              << " " << b.hour << ":" << b.minute << " tz " << b.timeZone
                              << "), control " << FormResultTexts()[k].id << ": shown \"" << text
                              << "\", pinned \"" << kFormBirths[i].texts[k] << "\"";
            }
        }
        table += "}},\n";
    }
    table += "};\n";
    EXPECT_EQ(faults, 0);
    if (remaking) {
        WriteTable("form_births.inc", table);
    }
}

TEST_F(DesktopTablesTest, TheSessionsClipboardTextsAndFilesAreThePinnedOnes) {
    const bool remaking = !RemakeFolder().isEmpty();
    const RecordSession& pinned = kRecordSession;
    // Shown until another record evaluates, whatever the clock read at the start.
    Enter(kSessionRecords[0].input);
    Click(IDC_CALCULATE);
    for (const SessionRecord& record : kSessionRecords) {
        Add(record);
    }
    EXPECT_EQ(ShownMessages(), "");
    Command(ID_COPY_ALL);
    const std::string copyAll = Clipboard();

    const QString saved = TempPath("sitzung.dat");
    files.saveAnswers = {saved};
    Command(ID_FILE_SAVE_AS);
    const QByteArray savedBytes = FileBytes(saved);
    if (!remaking) {
        EXPECT_EQ(copyAll, pinned.copyAll);
        EXPECT_EQ(savedBytes.toHex().toStdString(), pinned.savedFile);
    }

    // The pinned file is what the other program opens.
    const QString opened = TempPath("wieder.dat");
    {
        QFile file(opened);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(remaking ? savedBytes : QByteArray::fromStdString(BytesOfHex(pinned.savedFile)));
    }
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    files.openAnswers = {opened};
    Command(ID_FILE_OPEN);
    messages.answers.clear();
    const std::string openMessages = ShownMessages();
    const QStringList listed = ListedNames();

    std::string listedTable = "inline const char* const kSessionListed[] = {\n";
    std::string copiesTable = "inline const SessionCopy kSessionCopies[] = {\n";
    const std::size_t count = remaking ? static_cast<std::size_t>(listed.size()) : pinned.copyCount;
    for (std::size_t i = 0; i < count; ++i) {
        const QString name =
            remaking ? listed[static_cast<int>(i)] : QString::fromUtf8(pinned.copies[i].name);
        const auto row = listed.indexOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        messages.answers = {MessageAnswer::Yes};
        RecordList().setCurrentRow(static_cast<int>(row));
        messages.answers.clear();
        const std::string shown = ShownMessages();
        Command(ID_EDIT_COPY);
        const std::string text = Clipboard();
        listedTable += "    " + Literal(name.toStdString()) + ",\n";
        copiesTable += "    {" + Literal(name.toStdString()) + ", " + Literal(shown) + ", " +
                       Literal(text) + "},\n";
        if (!remaking) {
            EXPECT_EQ(shown, pinned.copies[i].messages) << name.toStdString();
            EXPECT_EQ(text, pinned.copies[i].text) << name.toStdString();
        }
    }
    listedTable += "};\n";
    copiesTable += "};\n";

    messages.Clear();
    messages.answers = {MessageAnswer::Yes};
    Add(kSessionReplaced);
    const auto removed = ListedNames().indexOf(QString::fromUtf8(kSessionRemoved));
    ASSERT_GE(removed, 0);
    RecordList().setCurrentRow(static_cast<int>(removed));
    messages.answers = {MessageAnswer::Yes};
    Click(IDC_DELETE);
    Add(kSessionAdded);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(messages.shown.size(), 2u); // the questions to replace and to delete
    messages.Clear();
    Command(ID_COPY_ALL);
    const std::string changedCopyAll = Clipboard();
    const QByteArray changedBytes = FileBytes(opened);
    EXPECT_FALSE(Doc().IsModified());

    if (!remaking) {
        EXPECT_EQ(openMessages, pinned.openMessages);
        // The same names, the same one first and shown; the others' order follows the user's
        // language (the table's: that of the C locale).
        std::vector<std::string> names;
        for (const QString& name : listed) {
            names.push_back(name.toStdString());
        }
        std::vector<std::string> expected(pinned.listed, pinned.listed + pinned.listedCount);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names[0], expected[0]);
        std::sort(names.begin(), names.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
        EXPECT_EQ(changedBytes.toHex().toStdString(), pinned.changedFile);
        EXPECT_EQ(changedCopyAll, pinned.changedCopyAll);
        return;
    }
    const char* indent = "    ";
    std::string table = kMadeBy;
    table += "// The session of kSessionRecords (desktop_tables.h).\n\n" + listedTable + "\n" +
             copiesTable + "\ninline const RecordSession kRecordSession = {\n";
    table += "    " + LinesLiteral(copyAll, indent) + ",\n";
    table += "    " + HexLiteral(savedBytes, indent) + ",\n";
    table += "    " + Literal(openMessages) + ",\n";
    table += "    kSessionListed,\n    std::size(kSessionListed),\n";
    table += "    kSessionCopies,\n    std::size(kSessionCopies),\n";
    table += "    " + HexLiteral(changedBytes, indent) + ",\n";
    table += "    " + LinesLiteral(changedCopyAll, indent) + ",\n};\n";
    WriteTable("record_session.inc", table);
}

} // namespace
