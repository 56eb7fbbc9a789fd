#include "cli/json_row.h"

#include <array>
#include <charconv>
#include <cmath>

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

JsonRowWriter::JsonRowWriter(std::string& out, bool asciiOnly)
    : m_out(out), m_asciiOnly(asciiOnly) {
    m_out.push_back('{');
}

void JsonRowWriter::Key(std::string_view key) {
    if (!m_first) {
        m_out.push_back(',');
    }
    m_first = false;
    AppendString(key);
    m_out.push_back(':');
}

void JsonRowWriter::AppendString(std::string_view text) {
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
            if (!m_asciiOnly) {
                m_out += "\xEF\xBF\xBD";
                continue;
            }
        } else if (!m_asciiOnly) {
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

void JsonRowWriter::AppendNumber(double value) {
    if (!std::isfinite(value)) {
        m_out += "null";
        return;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    m_out.append(buffer.data(), result.ptr);
}

void JsonRowWriter::String(std::string_view key, std::string_view value) {
    Key(key);
    AppendString(value);
}

void JsonRowWriter::Number(std::string_view key, double value) {
    Key(key);
    AppendNumber(value);
}

void JsonRowWriter::Integer(std::string_view key, long long value) {
    Key(key);
    m_out += std::to_string(value);
}

void JsonRowWriter::NumberArray(std::string_view key, const double* values, size_t count) {
    Key(key);
    m_out.push_back('[');
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            m_out.push_back(',');
        }
        AppendNumber(values[i]);
    }
    m_out.push_back(']');
}

void JsonRowWriter::StringArray(std::string_view key, const std::string* values, size_t count) {
    Key(key);
    m_out.push_back('[');
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            m_out.push_back(',');
        }
        AppendString(values[i]);
    }
    m_out.push_back(']');
}

void JsonRowWriter::End() {
    m_out += "}\n";
}
