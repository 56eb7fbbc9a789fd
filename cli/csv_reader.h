#pragma once
// Records of RFC 4180 CSV (UTF-8, fields quoted with '"' where they hold commas, quotes or line
// breaks) read one at a time from a stream with libcsv, so memory does not grow with the input.
// Blanks around unquoted fields are kept; a UTF-8 byte order mark at the start is skipped; empty
// lines are skipped.
#include <cstddef>
#include <deque>
#include <istream>
#include <string>
#include <vector>

struct csv_parser;

struct CsvRecord {
    std::vector<std::string> fields;
    size_t line = 0; // the line (from 1) on which the record begins
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& in);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record; false at the end of the input or on malformed input (Failed()).
    bool Next(CsvRecord& record);

    bool Failed() const { return !m_error.empty(); }
    // What is malformed, and on which line.
    const std::string& Error() const { return m_error; }
    size_t ErrorLine() const { return m_errorLine; }
    // Whether the stream failed to deliver (a read error rather than the end).
    bool ReadFailed() const { return m_readFailed; }

  private:
    static void OnField(void* text, size_t length, void* self);
    static void OnRecord(int terminator, void* self);
    void Feed(const char* data, size_t length);
    void Fail(const std::string& what);

    std::istream& m_in;
    csv_parser* m_parser;
    std::vector<char> m_buffer;
    std::deque<CsvRecord> m_ready;
    CsvRecord m_current;
    size_t m_line = 1;
    size_t m_recordStart = 1;
    bool m_started = false;
    bool m_finished = false;
    bool m_readFailed = false;
    std::string m_error;
    size_t m_errorLine = 0;
};
