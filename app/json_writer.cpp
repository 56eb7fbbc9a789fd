#include "app/json_writer.h"

#include "app/number_text.h"
#include "records/cp1252.h"

namespace {

void AppendEscape(std::string& out, unsigned code) {
    static const char* const kHex = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out.push_back(kHex[(code >> shift) & 0xF]);
    }
}

} // namespace

JsonWriter::JsonWriter(std::string& out, JsonLayout layout) : m_out(out), m_layout(layout) {}

void JsonWriter::NewLine(size_t depth) {
    m_out.push_back('\n');
    m_out.append(depth * static_cast<size_t>(m_layout.indent), ' ');
}

// The separator and line break before a member of the current container.
void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty()) {
        return;
    }
    Level& level = m_levels.back();
    if (!level.empty) {
        m_out.push_back(',');
    }
    if (level.inlined) {
        if (!level.empty) {
            m_out.push_back(' ');
        }
    } else if (m_layout.indent >= 0) {
        NewLine(m_levels.size());
    }
    level.empty = false;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    AppendString(key);
    m_out.push_back(':');
    if (m_layout.indent >= 0) {
        m_out.push_back(' ');
    }
    m_afterKey = true;
    return *this;
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    AppendString(value);
}

void JsonWriter::Number(double value) {
    BeforeValue();
    const size_t size = m_out.size();
    AppendShortestNumber(m_out, value);
    if (m_out.size() == size) {
        m_out += "null";
    }
}

void JsonWriter::Integer(long long value) {
    BeforeValue();
    AppendInteger(m_out, value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    m_out += "null";
}

void JsonWriter::Raw(std::string_view json) {
    BeforeValue();
    m_out.append(json);
}

void JsonWriter::Numbers(const double* values, size_t count) {
    BeginArray();
    for (size_t i = 0; i < count; ++i) {
        Number(values[i]);
    }
    EndArray();
}

void JsonWriter::Strings(const std::string* values, size_t count) {
    BeginArray();
    for (size_t i = 0; i < count; ++i) {
        String(values[i]);
    }
    EndArray();
}

void JsonWriter::BeginObject() {
    BeforeValue();
    m_out.push_back('{');
    const bool inlined = m_layout.indent < 0 ||
                         static_cast<int>(m_levels.size()) >= m_layout.inlineDepth ||
                         (!m_levels.empty() && m_levels.back().inlined);
    m_levels.push_back(Level{inlined && m_layout.indent >= 0, true});
}

void JsonWriter::EndObject() {
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.empty && !level.inlined && m_layout.indent >= 0) {
        NewLine(m_levels.size());
    }
    m_out.push_back('}');
}

void JsonWriter::BeginArray() {
    BeginObject();
    m_out.back() = '[';
}

void JsonWriter::EndArray() {
    EndObject();
    m_out.back() = ']';
}

void JsonWriter::AppendString(std::string_view text) {
    m_out.push_back('"');
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            m_out.push_back(static_cast<char>(byte));
            ++i;
            continue;
        }
        if (byte == '"' || byte == '\\') {
            m_out.push_back('\\');
            m_out.push_back(static_cast<char>(byte));
            ++i;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            switch (byte) {
            case '\n':
                m_out += "\\n";
                break;
            case '\r':
                m_out += "\\r";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                AppendEscape(m_out, byte);
            }
            ++i;
            continue;
        }
        const size_t start = i;
        char32_t c = 0;
        if (!DecodeUtf8(text, i, c)) {
            i = start + 1;
            c = 0xFFFD;
            if (!m_layout.asciiOnly) {
                m_out += "\xEF\xBF\xBD";
                continue;
            }
        } else if (!m_layout.asciiOnly) {
            m_out.append(text.substr(start, i - start));
            continue;
        }
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            AppendEscape(m_out, 0xD800 + static_cast<unsigned>(v >> 10));
            AppendEscape(m_out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
        } else {
            AppendEscape(m_out, static_cast<unsigned>(c));
        }
    }
    m_out.push_back('"');
}
