#pragma once
// Records of CSV as programs and spreadsheets write it (RFC 4180: fields quoted with '"' where
// they hold the delimiter, quotes or line breaks), read one at a time from a stream, so memory
// does not grow with the input. A quote within an unquoted field, or anything but a delimiter or
// a line end after a closing quote, is malformed, as is a quote left open at the end. The delimiter
// is a comma, a semicolon or a tab: given, or the one the header line uses most (a comma when it
// uses none). A UTF-8 byte order mark at the start is skipped. The encoding is UTF-8 or
// Windows-1252 (what spreadsheets in Western European locales save), one for the whole input:
// decided by the caller on the whole content, or, for a stream, by the bytes as they come: an input
// that turns out not to be UTF-8 is Windows-1252 when all before was ASCII (which reads the same in
// both), and refused at the line where it does otherwise (EncodingChanged()). Blanks around
// unquoted fields are kept; empty lines are skipped; CR, LF and CR LF each end a line.
#include <cstddef>
#include <deque>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// How the bytes of an input are decoded: judged as they come (Stream; also for an input found
// UTF-8 throughout beforehand), or Windows-1252 from the first byte, as decided beforehand.
enum class CsvEncoding { Stream, Cp1252 };

struct CsvRecord {
    std::vector<std::string> fields;
    size_t line = 0; // the line (from 1) on which the record begins
};

class CsvReader {
  public:
    // delimiter: ',', ';' or '\t', or 0 to take it from the header line. onCp1252 is called
    // once, when the input turns out not to be UTF-8 (at once for CsvEncoding::Cp1252).
    explicit CsvReader(std::istream& in, char delimiter = 0,
                       std::function<void()> onCp1252 = nullptr,
                       CsvEncoding encoding = CsvEncoding::Stream);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record; false at the end of the input or on malformed input (Failed()).
    bool Next(CsvRecord& record);

    bool Failed() const { return !m_error.empty(); }
    // What is malformed, and on which line.
    const std::string& Error() const { return m_error; }
    size_t ErrorLine() const { return m_errorLine; }
    // Whether the input failed because it stopped being UTF-8 after non-ASCII text had been read
    // as UTF-8 (ErrorLine(): the first line that is not).
    bool EncodingChanged() const { return Failed() && m_encodingChangedLine != 0; }
    // Whether the stream failed to deliver (a read error rather than the end).
    bool ReadFailed() const { return m_readFailed; }
    // The reason of a read error (an errno value).
    int ReadErrno() const { return m_readErrno; }
    // The delimiter in use (known once the first record was read).
    char Delimiter() const { return m_delimiter; }

  private:
    // Where the parser stands: between records, at the start of a field, within an unquoted
    // or a quoted one, or just after a quote within a quoted one.
    enum class State { Between, FieldStart, Unquoted, Quoted, AfterQuote };

    void Decode(std::string_view bytes, bool last);
    void Feed(std::string_view text);
    void EndField();
    void EndRecord();
    void Fail(const std::string& what);
    bool HeaderLineEnded();

    std::istream& m_in;
    std::function<void()> m_onCp1252;
    std::vector<char> m_buffer;
    std::string m_text;    // the chunk being fed, in UTF-8
    std::string m_pending; // the start of a UTF-8 sequence that the next chunk completes
    std::string m_start;   // the first bytes, while they may be a byte order mark
    std::string m_head;    // the header line while it has not ended, for the delimiter
    size_t m_headScanned = 0;
    bool m_headQuoted = false;
    std::deque<CsvRecord> m_ready;
    CsvRecord m_current;
    std::string m_field;
    State m_state = State::Between;
    size_t m_line = 1;
    char m_delimiter = 0;
    bool m_afterCr = false;
    bool m_cp1252 = false;
    bool m_nonAscii = false;          // non-ASCII text was fed as UTF-8
    size_t m_encodingChangedLine = 0; // the line that stopped being UTF-8 after it
    bool m_started = false;
    bool m_finished = false;
    bool m_readFailed = false;
    int m_readErrno = 0;
    std::string m_error;
    size_t m_errorLine = 0;
};

// Whether bytes given block by block are UTF-8 throughout (a sequence may span two blocks).
class Utf8Check {
  public:
    void Add(std::string_view block);
    // Whether all blocks so far are valid UTF-8, atEnd: with nothing cut off at the end.
    bool Valid(bool atEnd = true) const { return m_valid && (!atEnd || m_pending.empty()); }

  private:
    std::string m_pending;
    bool m_valid = true;
};

// The delimiter a header line uses most: ',', ';' or '\t' (a comma on a tie or when it has none).
// Only the first line counts, and only outside quotes.
char DetectCsvDelimiter(std::string_view text);
