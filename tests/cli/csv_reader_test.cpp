// The CSV reader's one decoding per input: whatever the pieces a stream arrives in, an input is
// read in one encoding, or refused at the line where UTF-8 ends after non-ASCII text.
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cli/csv_reader.h"
#include "tests/piece_input.h"

namespace {

struct ReadResult {
    std::vector<std::string> names; // the first field of each record
    bool failed = false;
    bool encodingChanged = false;
    size_t errorLine = 0;
    int cp1252Notices = 0;
};

ReadResult Read(std::string_view bytes, size_t piece, CsvEncoding encoding = CsvEncoding::Stream) {
    PieceInput buffer(bytes, piece);
    std::istream in(&buffer);
    ReadResult r;
    CsvReader reader(
        in, ',', [&] { ++r.cp1252Notices; }, encoding);
    CsvRecord record;
    while (reader.Next(record)) {
        r.names.push_back(record.fields.at(0));
    }
    r.failed = reader.Failed();
    r.encodingChanged = reader.EncodingChanged();
    r.errorLine = reader.ErrorLine();
    return r;
}

// "Zoë" in UTF-8 and "Zoé" in Windows-1252.
const std::string kUtf8Name = "Zo\xC3\xAB";
const std::string kCp1252Name = "Zo\xE9";

TEST(CsvReaderEncoding, OneDecodingWhateverThePiecesAStreamComesIn) {
    const std::string ascii(70000, 'a'); // more than a read takes at once
    const struct {
        const char* what;
        std::string csv;
        std::vector<std::string> names; // all of them, or those before the refused line
        size_t refusedLine;             // 0: read through
    } cases[] = {
        {"UTF-8 throughout",
         "n\n" + kUtf8Name + "\n" + ascii + "\n" + kUtf8Name + "\n",
         {"n", kUtf8Name, ascii, kUtf8Name},
         0},
        {"ASCII, then Windows-1252 far on",
         "n\n" + ascii + "\n" + kCp1252Name + "\n",
         {"n", ascii, "Zo\xC3\xA9"},
         0},
        {"Windows-1252 after UTF-8 on the same line",
         "n\n" + kUtf8Name + " " + kCp1252Name + "\nx\n",
         {"n"},
         2},
        {"UTF-8, then Windows-1252 far on",
         "n\n" + kUtf8Name + "\n" + ascii + "\n" + kCp1252Name + "\n",
         {"n", kUtf8Name, ascii},
         4},
        {"UTF-8, then Windows-1252 on the next line",
         "n\n" + kUtf8Name + "\r\n" + kCp1252Name,
         {"n", kUtf8Name},
         3},
        {"UTF-8, then a sequence cut off by the end",
         "n\n" + kUtf8Name + "\r\rx\xC3",
         {"n", kUtf8Name},
         4},
        {"characters whose second byte is not the lowest continuation byte",
         "n\n\xE0\xA0\x80\n\xF0\x90\x80\x80\n",
         {"n", "\xE0\xA0\x80", "\xF0\x90\x80\x80"},
         0},
        {"U+0FFF, then a byte that is not UTF-8", "n\n\xE0\xBF\xBF\xFF\n", {"n"}, 2},
        {"a non-ASCII header, then Windows-1252",
         "n\xC3\xA9\nx\n" + kCp1252Name + "\n",
         {"n\xC3\xA9", "x"},
         3},
    };
    for (const auto& c : cases) {
        for (const size_t piece :
             {size_t{1}, size_t{2}, size_t{5}, size_t{4096}, size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
            const ReadResult r = Read(c.csv, piece);
            EXPECT_EQ(r.names, c.names);
            EXPECT_EQ(r.encodingChanged, c.refusedLine != 0);
            EXPECT_EQ(r.failed, c.refusedLine != 0);
            if (c.refusedLine != 0) {
                EXPECT_EQ(r.errorLine, c.refusedLine);
            }
        }
    }
}

TEST(CsvReaderPieces, ByteOrderMarkAndDelimiterDoNotDependOnWhereAReadEnds) {
    const struct {
        const char* what;
        std::string csv;
        std::vector<std::string> first; // the header's fields
    } cases[] = {
        {"a byte order mark", "\xEF\xBB\xBFname,day\nx,1\n", {"name", "day"}},
        {"semicolons after a comma in the first field", "a,b;c;d\n1;2;3\n", {"a,b", "c", "d"}},
        {"tabs after a quoted line break", "\"a\nb\"\tc\td\n1\t2\t3\n", {"a\nb", "c", "d"}},
        {"a header without a line end", "x;y", {"x", "y"}},
    };
    for (const auto& c : cases) {
        for (const size_t piece : {size_t{1}, size_t{2}, size_t{4}, size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
            PieceInput buffer(c.csv, piece);
            std::istream in(&buffer);
            CsvReader reader(in);
            CsvRecord header;
            ASSERT_TRUE(reader.Next(header));
            EXPECT_EQ(header.fields, c.first);
            EXPECT_EQ(header.line, 1u);
        }
    }
}

TEST(CsvReaderEncoding, DecidedWindows1252ReadsValidUtf8AsWindows1252) {
    // "MÃ©nard" saved as Windows-1252 holds the bytes of "Ménard" in UTF-8.
    const std::string csv = "n\nM\xC3\xA9nard\n" + kCp1252Name + "\n";
    const ReadResult r = Read(csv, 3, CsvEncoding::Cp1252);
    EXPECT_EQ(r.names, (std::vector<std::string>{"n", "M\xC3\x83\xC2\xA9nard", "Zo\xC3\xA9"}));
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(r.cp1252Notices, 1);
}

TEST(CsvReaderEncoding, Utf8CheckJoinsSequencesAcrossBlocks) {
    const struct {
        std::vector<std::string> blocks;
        bool valid;
    } cases[] = {
        {{"a\xC3", "\xAB"}, true},
        {{"\xE2\x82", "", "\xAC"}, true},
        {{"a\xC3"}, false},      // cut off at the end
        {{"a\xC3", "b"}, false}, // not continued
        {{"ok", "\xE9", "ok"}, false},
        {{"\xED\xA0\x80"}, false}, // a surrogate
        {{"\xE0", "\xA0\x80"}, true},
        {{"\xF0\x90", "\x80\x80"}, true},
        {{"\xE0", "\x80\x80"}, false},     // overlong
        {{"\xF4\x90", "\x80\x80"}, false}, // above U+10FFFF
        {{"\xED", "\xA0\x80"}, false},
    };
    for (const auto& c : cases) {
        Utf8Check check;
        for (const std::string& block : c.blocks) {
            check.Add(block);
        }
        EXPECT_EQ(check.Valid(), c.valid) << ::testing::PrintToString(c.blocks);
    }
}

// The rules of the fields, whatever the pieces the stream comes in: quoting, doubled quotes,
// line ends of every kind, empty lines and fields, and the line named for malformed input.
TEST(CsvReaderFields, QuotingLineEndsAndMalformedInput) {
    using Records = std::vector<std::vector<std::string>>;
    const struct {
        const char* what;
        std::string csv;
        Records records;
        std::vector<size_t> lines; // on which each record begins
        size_t errorLine;          // 0: read through
    } cases[] = {
        {"plain fields, blanks kept", "a, b ,c\n", {{"a", " b ", "c"}}, {1}, 0},
        {"empty fields and a trailing delimiter", ",x,\n,\n", {{"", "x", ""}, {"", ""}}, {1, 2}, 0},
        {"no line end at the end", "a,b", {{"a", "b"}}, {1}, 0},
        {"CR, LF and CR LF each end a line",
         "a\rb\nc\r\nd",
         {{"a"}, {"b"}, {"c"}, {"d"}},
         {1, 2, 3, 4},
         0},
        {"empty lines are skipped but counted", "\n\r\n\ra\n\n\nb\n", {{"a"}, {"b"}}, {4, 7}, 0},
        {"quoted delimiter, doubled quote and line breaks",
         "\"a,b\",\"say \"\"hi\"\"\",\"l1\r\nl2\"\nnext\n",
         {{"a,b", "say \"hi\"", "l1\r\nl2"}, {"next"}},
         {1, 3},
         0},
        {"an empty quoted field", "\"\",x\n", {{"", "x"}}, {1}, 0},
        {"a quote within an unquoted field", "ok\nab\"c\n", {{"ok"}}, {1}, 2},
        {"text after a closing quote", "ok\n\"ab\"c\n", {{"ok"}}, {1}, 2},
        {"a quote left open is named at its record's first line",
         "ok\n\"a\nb\nc",
         {{"ok"}},
         {1},
         2},
        {"a misplaced quote after a quoted line break", "\"a\nb\" x\n", {}, {}, 2},
    };
    for (const auto& c : cases) {
        for (const size_t piece : {size_t{1}, size_t{3}, size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
            PieceInput buffer(c.csv, piece);
            std::istream in(&buffer);
            CsvReader reader(in, ',');
            Records records;
            std::vector<size_t> lines;
            CsvRecord record;
            while (reader.Next(record)) {
                records.push_back(record.fields);
                lines.push_back(record.line);
            }
            EXPECT_EQ(records, c.records);
            EXPECT_EQ(lines, c.lines);
            EXPECT_EQ(reader.Failed(), c.errorLine != 0);
            EXPECT_FALSE(reader.EncodingChanged());
            if (c.errorLine != 0) {
                EXPECT_EQ(reader.ErrorLine(), c.errorLine);
            }
        }
    }
}

} // namespace
