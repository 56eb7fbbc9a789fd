// Compares the CSV reader of batch and import with a second parser written apart from it, from
// the rules of the format: the same records with the same fields and first lines, the same
// decision to refuse malformed input and the line it names, once with the encoding decided on
// the whole input (as for a file), and once judged as a stream delivered in small pieces, which
// reads the same or is refused where UTF-8 ends after non-ASCII text. The records then go
// through the column mapping and row reading of both commands, which must not crash on any of
// them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "cli/birth_rows.h"
#include "cli/csv_reader.h"
#include "records/cp1252.h"
#include "tests/piece_input.h"

namespace {

struct Model {
    std::vector<CsvRecord> records;
    bool failed = false;
    size_t errorLine = 0;
};

bool AllUtf8(std::string_view text) {
    size_t i = 0;
    char32_t c = 0;
    while (i < text.size()) {
        if (!DecodeUtf8(text, i, c)) {
            return false;
        }
    }
    return true;
}

char HeaderDelimiter(std::string_view text) {
    size_t counts[3] = {0, 0, 0}; // ',', ';', tab
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted) {
            continue;
        }
        if (c == '\r' || c == '\n') {
            break;
        }
        counts[0] += c == ',';
        counts[1] += c == ';';
        counts[2] += c == '\t';
    }
    if (counts[1] > counts[0] && counts[1] >= counts[2]) {
        return ';';
    }
    if (counts[2] > counts[0] && counts[2] > counts[1]) {
        return '\t';
    }
    return ',';
}

Model Parse(std::string_view bytes, char delimiter) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const std::string text = AllUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
    if (delimiter == 0) {
        delimiter = HeaderDelimiter(text);
    }
    enum { Between, FieldStart, Unquoted, Quoted, AfterQuote } state = Between;
    Model m;
    CsvRecord record;
    std::string field;
    size_t line = 1;
    char previous = 0;
    const auto endField = [&] {
        record.fields.push_back(field);
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        m.records.push_back(record);
        record = CsvRecord{};
        state = Between;
    };
    for (const char c : text) {
        const bool lineEnd = c == '\r' || c == '\n';
        if (state == Between && !lineEnd) {
            record.line = line;
            state = FieldStart;
        }
        switch (state) {
        case Between:
            break;
        case FieldStart:
        case Unquoted:
            if (c == delimiter) {
                endField();
                state = FieldStart;
            } else if (lineEnd) {
                endRecord();
            } else if (c == '"' && state == FieldStart) {
                state = Quoted;
            } else if (c == '"') {
                m.failed = true;
            } else {
                field.push_back(c);
                state = Unquoted;
            }
            break;
        case Quoted:
            if (c == '"') {
                state = AfterQuote;
            } else {
                field.push_back(c);
            }
            break;
        case AfterQuote:
            if (c == '"') {
                field.push_back('"');
                state = Quoted;
            } else if (c == delimiter) {
                endField();
                state = FieldStart;
            } else if (lineEnd) {
                endRecord();
            } else {
                m.failed = true;
            }
            break;
        }
        if (m.failed) {
            m.errorLine = line;
            return m;
        }
        if (c == '\r' || (c == '\n' && previous != '\r')) {
            ++line;
        }
        previous = c;
    }
    if (state == Quoted) {
        m.failed = true;
        m.errorLine = record.line;
    } else if (state != Between) {
        endRecord();
    }
    return m;
}

// Where a stream stops being UTF-8 after non-ASCII text (npos: it does not), and the line.
size_t EncodingBreak(std::string_view bytes, size_t& line, size_t& lineStart) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    size_t i = 0;
    size_t firstNonAscii = std::string_view::npos;
    char32_t c = 0;
    while (i < bytes.size()) {
        const size_t at = i;
        if (static_cast<unsigned char>(bytes[at]) >= 0x80 &&
            firstNonAscii == std::string_view::npos) {
            firstNonAscii = at;
        }
        if (!DecodeUtf8(bytes, i, c)) {
            if (firstNonAscii == at) {
                return std::string_view::npos; // all ASCII before: read as Windows-1252
            }
            line = 1;
            lineStart = 0;
            for (size_t k = 0; k < at; ++k) {
                if (bytes[k] == '\r' || (bytes[k] == '\n' && (k == 0 || bytes[k - 1] != '\r'))) {
                    ++line;
                }
                if (bytes[k] == '\r' || bytes[k] == '\n') {
                    lineStart = k + 1;
                }
            }
            return at;
        }
    }
    return std::string_view::npos;
}

bool SameRecords(const std::vector<CsvRecord>& a, const std::vector<CsvRecord>& b, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (a[i].fields != b[i].fields || a[i].line != b[i].line) {
            return false;
        }
    }
    return true;
}

std::vector<CsvRecord> ReadAll(CsvReader& reader) {
    std::vector<CsvRecord> records;
    CsvRecord r;
    while (reader.Next(r)) {
        records.push_back(r);
    }
    return records;
}

// The input as a pipe with nothing waiting delivers it: nothing at hand, so the reader takes
// whole blocks, each judged UTF-8 or Windows-1252 as the model judges the input.
class BlockInput : public std::streambuf {
  public:
    explicit BlockInput(std::string_view bytes) : m_bytes(bytes) {}

  protected:
    int_type underflow() override {
        return m_pos < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_pos])
                                      : traits_type::eof();
    }
    int_type uflow() override {
        return m_pos < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_pos++])
                                      : traits_type::eof();
    }
    std::streamsize xsgetn(char* out, std::streamsize n) override {
        const size_t count = std::min(static_cast<size_t>(n), m_bytes.size() - m_pos);
        std::memcpy(out, m_bytes.data() + m_pos, count);
        m_pos += count;
        return static_cast<std::streamsize>(count);
    }
    std::streamsize showmanyc() override { return 0; }

  private:
    std::string_view m_bytes;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const char delimiters[] = {0, ',', ';', '\t'};
    const char delimiter = delimiters[data[0] % 4];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const Model model = Parse(bytes, delimiter);
    // Decided on the whole input, as a file is.
    BlockInput buffer(bytes);
    std::istream in(&buffer);
    CsvReader reader(in, delimiter, nullptr,
                     AllUtf8(bytes) ? CsvEncoding::Stream : CsvEncoding::Cp1252);
    const std::vector<CsvRecord> records = ReadAll(reader);
    if (reader.Failed() != model.failed || records.size() != model.records.size()) {
        std::abort();
    }
    if (model.failed && reader.ErrorLine() != model.errorLine) {
        std::abort();
    }
    if (!SameRecords(records, model.records, records.size())) {
        std::abort();
    }

    // Judged as a stream in pieces: the same, or refused at the line where UTF-8 ends, with the
    // records of the lines before it as they read.
    PieceInput pieces(bytes, 1 + data[0] / 4 % 16);
    std::istream stream(&pieces);
    CsvReader streamReader(stream, delimiter);
    const std::vector<CsvRecord> streamed = ReadAll(streamReader);
    size_t line = 0;
    size_t lineStart = 0;
    const size_t at = EncodingBreak(bytes, line, lineStart);
    if (at == std::string_view::npos) {
        // UTF-8 throughout, or ASCII up to Windows-1252: one reading either way.
        if (streamReader.Failed() != reader.Failed() || streamed.size() != records.size() ||
            !SameRecords(streamed, records, records.size()) ||
            (reader.Failed() && streamReader.ErrorLine() != reader.ErrorLine())) {
            std::abort();
        }
    } else {
        // Refused at that line at the latest (a misplaced quote may come first), with no record
        // that the lines before it do not hold.
        if (!streamReader.Failed() || streamReader.ErrorLine() > line ||
            (streamReader.EncodingChanged() && streamReader.ErrorLine() != line)) {
            std::abort();
        }
        const size_t bom = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        const Model before = Parse(bytes.substr(0, bom + lineStart), delimiter);
        if (streamed.size() > before.records.size() ||
            !SameRecords(streamed, before.records, streamed.size())) {
            std::abort();
        }
    }

    // As batch (any name) and import (a name column) take the header and the rows.
    if (records.empty()) {
        return 0;
    }
    for (const bool needName : {false, true}) {
        BirthColumns columns;
        std::string error;
        if (!MapBirthColumns(records[0].fields, needName, columns, error,
                             [](std::string_view name) { return name == "status"; })) {
            if (error.empty()) {
                std::abort();
            }
            continue;
        }
        for (size_t i = 1; i < records.size(); ++i) {
            if (records[i].fields.size() != columns.count) {
                continue;
            }
            BirthInput birth;
            error.clear();
            if (!ReadBirthRow(records[i], columns, birth, error) && error.empty()) {
                std::abort();
            }
        }
    }
    return 0;
}
