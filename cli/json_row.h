#pragma once
// One JSON object per line for the row outputs (batch and export --format jsonl), written
// straight into the output text. nlohmann-json built and dumped each row at about 40 % of the
// whole time of a batch run, so these rows are written here; the other JSON outputs use it.
#include <string>
#include <string_view>

class JsonRowWriter {
  public:
    // Appends to out. With asciiOnly (a terminal) every character beyond ASCII and DEL are
    // written as \u escapes, so nothing in a text can act on the terminal.
    JsonRowWriter(std::string& out, bool asciiOnly);

    // Text that is not valid UTF-8 has each offending byte replaced by U+FFFD.
    void String(std::string_view key, std::string_view value);
    // The shortest text that reads back as the same double; null when not finite.
    void Number(std::string_view key, double value);
    void Integer(std::string_view key, long long value);
    void NumberArray(std::string_view key, const double* values, size_t count);
    void StringArray(std::string_view key, const std::string* values, size_t count);
    // Closes the object and the line.
    void End();

  private:
    void Key(std::string_view key);
    void AppendString(std::string_view text);
    void AppendNumber(double value);

    std::string& m_out;
    bool m_asciiOnly;
    bool m_first = true;
};
