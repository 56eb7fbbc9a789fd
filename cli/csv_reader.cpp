#include "cli/csv_reader.h"

#include <cstring>
#include <new>

#include <csv.h>

#include "app/text_catalogue.h"

namespace {

constexpr size_t kChunk = 1 << 16;

int NoSpace(unsigned char) {
    return 0;
}

} // namespace

CsvReader::CsvReader(std::istream& in) : m_in(in), m_parser(new csv_parser) {
    if (csv_init(m_parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        delete m_parser;
        throw std::bad_alloc();
    }
    csv_set_space_func(m_parser, NoSpace);
    m_buffer.resize(kChunk);
}

CsvReader::~CsvReader() {
    csv_free(m_parser);
    delete m_parser;
}

void CsvReader::OnField(void* text, size_t length, void* self) {
    auto& reader = *static_cast<CsvReader*>(self);
    if (reader.m_current.fields.empty()) {
        reader.m_current.line = reader.m_recordStart;
    }
    reader.m_current.fields.emplace_back(text != nullptr ? static_cast<const char*>(text) : "",
                                         length);
}

void CsvReader::OnRecord(int, void* self) {
    auto& reader = *static_cast<CsvReader*>(self);
    reader.m_ready.push_back(std::move(reader.m_current));
    reader.m_current = CsvRecord{};
}

void CsvReader::Fail(const std::string& what) {
    if (m_error.empty()) {
        m_error = what;
        m_errorLine = m_line;
    }
}

// Feeds the parser line by line, so that the line count is known in the callbacks.
void CsvReader::Feed(const char* data, size_t length) {
    while (length > 0 && !Failed()) {
        const void* lf = std::memchr(data, '\n', length);
        const size_t piece =
            lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - data) + 1 : length;
        // Between records (libcsv's ROW_NOT_BEGUN): a record that begins here begins on this line.
        if (m_parser->pstate == 0) {
            m_recordStart = m_line;
        }
        if (csv_parse(m_parser, data, piece, OnField, OnRecord, this) != piece) {
            const int error = csv_error(m_parser);
            if (error == CSV_ENOMEM || error == CSV_ETOOBIG) {
                throw std::bad_alloc();
            }
            Fail(UserText(TextId::CsvQuoteMisplaced));
            return;
        }
        if (lf != nullptr) {
            ++m_line;
        }
        data += piece;
        length -= piece;
    }
}

bool CsvReader::Next(CsvRecord& record) {
    while (m_ready.empty() && !m_finished && !Failed()) {
        // What the stream has at hand (a pipe's rows as they come), else a full buffer.
        std::streamsize some =
            m_in.readsome(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        if (some == 0 && m_in) {
            m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
            some = m_in.gcount();
        }
        size_t got = static_cast<size_t>(some);
        const char* data = m_buffer.data();
        if (!m_started && got > 0) {
            m_started = true;
            if (got >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
                data += 3;
                got -= 3;
            }
        }
        Feed(data, got);
        if (!m_in) {
            m_readFailed = m_in.bad();
            m_finished = true;
            if (!Failed() && csv_fini(m_parser, OnField, OnRecord, this) != 0) {
                Fail(UserText(TextId::CsvQuoteNotClosed));
                m_errorLine = m_recordStart;
            }
        }
    }
    if (m_ready.empty()) {
        return false;
    }
    record = std::move(m_ready.front());
    m_ready.pop_front();
    return true;
}
