// Compares the CSV reader of batch and import with a second parser written apart from it, from
// the rules of the format: the same records with the same fields and first lines, the same
// decision to refuse malformed input and the line it names. The records then go through the
// column mapping and row reading of both commands, which must not crash on any of them.
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
    BlockInput buffer(bytes);
    std::istream in(&buffer);
    CsvReader reader(in, delimiter);
    std::vector<CsvRecord> records;
    CsvRecord r;
    while (reader.Next(r)) {
        records.push_back(r);
    }
    if (reader.Failed() != model.failed || records.size() != model.records.size()) {
        std::abort();
    }
    if (model.failed && reader.ErrorLine() != model.errorLine) {
        std::abort();
    }
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].fields != model.records[i].fields ||
            records[i].line != model.records[i].line) {
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
