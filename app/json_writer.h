#pragma once
// The JSON writer of every machine-readable output, appending straight into a text (a batch
// row costs no tree to build). Strings are written as valid UTF-8: each byte that is not part of
// valid UTF-8 becomes U+FFFD. Numbers take their shortest exact form (AppendShortestNumber),
// null when not finite.
#include <string>
#include <string_view>
#include <vector>

struct JsonLayout {
    // Spaces per level, each member on a line of its own; negative: all on one line with no
    // blanks at all.
    int indent = -1;
    // Containers at this depth or deeper (the outermost is depth 0) stay on one line, with ", "
    // between the members; only with an indent.
    int inlineDepth = 1 << 30;
    // Every character beyond ASCII, and DEL, as a \u escape: for a terminal, on which nothing in
    // a text may act.
    bool asciiOnly = false;
};

class JsonWriter {
  public:
    JsonWriter(std::string& out, JsonLayout layout);

    // Inside an object each value follows its key.
    JsonWriter& Key(std::string_view key);

    void String(std::string_view value);
    void Number(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();
    // Text that already is JSON, written as it is.
    void Raw(std::string_view json);
    void Numbers(const double* values, size_t count);
    void Strings(const std::string* values, size_t count);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

  private:
    struct Level {
        bool inlined = false;
        bool empty = true;
    };
    void BeforeValue();
    void NewLine(size_t depth);
    void AppendString(std::string_view text);

    std::string& m_out;
    JsonLayout m_layout;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};
