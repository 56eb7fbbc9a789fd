// The fields are parsed here rather than by a CSV library: the one Debian packages (libcsv)
// exists for Linux only, and the Windows build reads the same files with the same rules.
#include "cli/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <utility>

#include "app/text_catalogue.h"
#include "records/cp1252.h"

namespace {

constexpr size_t kChunk = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence that lead begins (0: not a lead byte).
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Whether the bytes, fewer than their lead byte announces, may begin a valid sequence: the
// second byte's range depends on the lead (no overlong forms, no surrogates, nothing above
// U+10FFFF), every later one is a continuation byte.
bool ValidSequenceStart(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (SequenceLength(lead) <= bytes.size()) {
        return false;
    }
    for (size_t k = 1; k < bytes.size(); ++k) {
        const auto b = static_cast<unsigned char>(bytes[k]);
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (k == 1) {
            low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        }
        if (b < low || b > high) {
            return false;
        }
    }
    return true;
}

// Whether text is valid UTF-8; incomplete is set to where a sequence begins that the end cuts
// off (text.size() when none does), invalid to where the first invalid sequence begins (or the
// cut-off one; text.size() when none), nonAscii to the first byte above 0x7F (text.size() when
// none).
bool ValidUtf8(std::string_view text, size_t& incomplete, size_t& invalid, size_t& nonAscii) {
    incomplete = text.size();
    invalid = text.size();
    nonAscii = text.size();
    size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t at = i;
        nonAscii = std::min(nonAscii, at);
        char32_t c = 0;
        if (DecodeUtf8(text, i, c)) {
            continue;
        }
        invalid = at;
        // A cut-off sequence is only good if what is there may begin a valid one.
        if (ValidSequenceStart(text.substr(at))) {
            incomplete = at;
            return true;
        }
        return false;
    }
    return true;
}

// The line ends in text, and where its last line begins: CR, LF and CR LF each end one line;
// afterCr: the text follows a CR.
size_t LineEnds(std::string_view text, bool afterCr, size_t& lastLineStart) {
    size_t ends = 0;
    lastLineStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            const bool previousCr = i > 0 ? text[i - 1] == '\r' : afterCr;
            ends += text[i] == '\r' || !previousCr;
            lastLineStart = i + 1;
        }
    }
    return ends;
}

} // namespace

void Utf8Check::Add(std::string_view block) {
    if (!m_valid) {
        return;
    }
    std::string joined;
    if (!m_pending.empty()) {
        joined = std::move(m_pending) + std::string(block);
        block = joined;
    }
    size_t incomplete = 0;
    size_t invalid = 0;
    size_t nonAscii = 0;
    m_valid = ValidUtf8(block, incomplete, invalid, nonAscii);
    m_pending.assign(block.substr(incomplete));
}

char DetectCsvDelimiter(std::string_view text) {
    size_t comma = 0;
    size_t semicolon = 0;
    size_t tab = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\r' || c == '\n')) {
            break;
        } else if (!quoted) {
            comma += c == ',';
            semicolon += c == ';';
            tab += c == '\t';
        }
    }
    if (semicolon > comma && semicolon >= tab) {
        return ';';
    }
    return tab > comma && tab > semicolon ? '\t' : ',';
}

CsvReader::CsvReader(std::istream& in, char delimiter, std::function<void()> onCp1252,
                     CsvEncoding encoding)
    : m_in(in), m_onCp1252(std::move(onCp1252)), m_delimiter(delimiter),
      m_cp1252(encoding == CsvEncoding::Cp1252) {
    m_buffer.resize(kChunk);
    if (m_cp1252 && m_onCp1252) {
        m_onCp1252();
    }
}

CsvReader::~CsvReader() = default;

void CsvReader::EndField() {
    m_current.fields.push_back(std::move(m_field));
    m_field.clear();
}

void CsvReader::EndRecord() {
    EndField();
    m_ready.push_back(std::move(m_current));
    m_current = CsvRecord{};
    m_state = State::Between;
}

void CsvReader::Fail(const std::string& what) {
    if (m_error.empty()) {
        m_error = what;
        m_errorLine = m_line;
    }
}

// The chunk in UTF-8 into m_text: as it is while the input is UTF-8 (a sequence that the chunk
// cuts off waits for the next), else converted from Windows-1252. An input read as UTF-8 that
// held non-ASCII text before the byte where it stops being UTF-8 cannot be read in one
// encoding, wherever the pieces of the stream begin: m_text keeps the lines before that line, and
// the reader fails after their records.
void CsvReader::Decode(std::string_view bytes, bool last) {
    m_text = std::move(m_pending);
    m_pending.clear();
    m_text.append(bytes);
    if (!m_cp1252) {
        size_t incomplete = 0;
        size_t invalid = 0;
        size_t nonAscii = 0;
        if (ValidUtf8(m_text, incomplete, invalid, nonAscii) &&
            (!last || incomplete == m_text.size())) {
            m_nonAscii = m_nonAscii || nonAscii < incomplete;
            m_pending.assign(m_text, incomplete);
            m_text.resize(incomplete);
            return;
        }
        // The lines fed, those of a header line held back, then those of this chunk.
        size_t lineStart = 0;
        const size_t held = LineEnds(m_head, m_afterCr, lineStart);
        const bool afterCr = m_head.empty() ? m_afterCr : m_head.back() == '\r';
        const size_t line =
            m_line + held +
            LineEnds(std::string_view(m_text).substr(0, invalid), afterCr, lineStart);
        if (m_nonAscii || nonAscii < invalid) {
            m_text.resize(lineStart);
            m_encodingChangedLine = line;
            return;
        }
        m_cp1252 = true;
        if (m_onCp1252) {
            m_onCp1252();
        }
    }
    m_text = Cp1252ToUtf8(m_text);
}

// Parses the text (UTF-8) on from where the last piece left off. Empty lines between records
// are skipped; CR, LF and CR LF each end a line, outside quotes also the record.
void CsvReader::Feed(std::string_view text) {
    for (size_t i = 0; i < text.size() && !Failed(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\r' || c == '\n';
        if (m_state == State::Between && !lineEnd) {
            m_current.line = m_line;
            m_state = State::FieldStart;
        }
        switch (m_state) {
        case State::Between:
            break;
        case State::FieldStart:
        case State::Unquoted:
            if (c == m_delimiter) {
                EndField();
                m_state = State::FieldStart;
            } else if (lineEnd) {
                EndRecord();
            } else if (c == '"' && m_state == State::FieldStart) {
                m_state = State::Quoted;
            } else if (c == '"') {
                Fail(UserText(TextId::CsvQuoteMisplaced));
            } else {
                m_field.push_back(c);
                m_state = State::Unquoted;
            }
            break;
        case State::Quoted:
            if (c == '"') {
                m_state = State::AfterQuote;
            } else {
                m_field.push_back(c);
            }
            break;
        case State::AfterQuote:
            if (c == '"') {
                m_field.push_back('"');
                m_state = State::Quoted;
            } else if (c == m_delimiter) {
                EndField();
                m_state = State::FieldStart;
            } else if (lineEnd) {
                EndRecord();
            } else {
                Fail(UserText(TextId::CsvQuoteMisplaced));
            }
            break;
        }
        // The LF of a CR LF ends no further line.
        if (c == '\r' || (c == '\n' && !m_afterCr)) {
            ++m_line;
        }
        m_afterCr = c == '\r';
    }
}

// Whether the header line held in m_head has ended: a line end outside quotes. Only the bytes
// added since the last call are looked at.
bool CsvReader::HeaderLineEnded() {
    for (; m_headScanned < m_head.size(); ++m_headScanned) {
        const char c = m_head[m_headScanned];
        if (c == '"') {
            m_headQuoted = !m_headQuoted;
        } else if (!m_headQuoted && (c == '\r' || c == '\n')) {
            return true;
        }
    }
    return false;
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
        std::string_view bytes(m_buffer.data(), static_cast<size_t>(some));
        const bool last = !m_in;
        // The byte order mark is known once three bytes or another beginning have come.
        if (!m_started) {
            m_start.append(bytes);
            if (!last && m_start.size() < kByteOrderMark.size() &&
                kByteOrderMark.starts_with(m_start)) {
                continue;
            }
            m_started = true;
            bytes = m_start;
            if (bytes.starts_with(kByteOrderMark)) {
                bytes.remove_prefix(kByteOrderMark.size());
            }
        }
        Decode(bytes, last);
        m_start.clear();
        // The delimiter is the whole header line's: that line is held back until it has come.
        if (m_delimiter == 0) {
            m_head.append(m_text);
            if (!last && m_encodingChangedLine == 0 && !HeaderLineEnded()) {
                continue;
            }
            m_delimiter = DetectCsvDelimiter(m_head);
            m_text = std::move(m_head);
            m_head = std::string();
        }
        Feed(m_text);
        if (m_encodingChangedLine != 0) {
            Fail(UserText(TextId::CsvEncodingChanged));
            m_errorLine = m_encodingChangedLine;
            m_finished = true;
            break;
        }
        if (last) {
            // std::cin shares the C library's stdin, which keeps a read error to itself.
            const bool stdinError = &m_in == &std::cin && std::ferror(stdin) != 0;
            m_readFailed = m_in.bad() || stdinError;
            m_readErrno = stdinError && errno != 0 ? errno : EIO;
            m_finished = true;
            if (!Failed() && m_state == State::Quoted) {
                Fail(UserText(TextId::CsvQuoteNotClosed));
                m_errorLine = m_current.line;
            } else if (!Failed() && m_state != State::Between) {
                EndRecord();
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
