// The message catalogues are compiled into the program by this reader rather than by gettext's
// tools and library, which the Windows build does not have: one way for both platforms.
#include "tools/po_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

namespace {

std::string_view Trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The text of a quoted string with C's escapes; nothing when it is not one.
std::optional<std::string> Unquoted(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return std::nullopt;
    }
    const std::string_view body = quoted.substr(1, quoted.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"') {
            return std::nullopt;
        }
        if (c != '\\') {
            text.push_back(c);
            continue;
        }
        if (++i == body.size()) {
            return std::nullopt;
        }
        const char e = body[i];
        static constexpr std::string_view kNamed = "ntrabfv\\\"'?";
        static constexpr std::string_view kValues = "\n\t\r\a\b\f\v\\\"'?";
        if (const std::size_t k = kNamed.find(e); k != std::string_view::npos) {
            text.push_back(kValues[k]);
        } else if (e >= '0' && e <= '7') {
            int value = 0;
            std::size_t n = 0;
            for (; n < 3 && i < body.size() && body[i] >= '0' && body[i] <= '7'; ++n, ++i) {
                value = value * 8 + (body[i] - '0');
            }
            --i;
            if (value > 0xFF) {
                return std::nullopt;
            }
            text.push_back(static_cast<char>(value));
        } else if (e == 'x') {
            int value = 0;
            std::size_t n = 0;
            for (; i + 1 < body.size() && HexValue(body[i + 1]) >= 0; ++n, ++i) {
                value = value * 16 + HexValue(body[i + 1]);
                if (value > 0xFF) {
                    return std::nullopt;
                }
            }
            if (n == 0) {
                return std::nullopt;
            }
            text.push_back(static_cast<char>(value));
        } else {
            return std::nullopt;
        }
    }
    return text;
}

class Reader {
  public:
    explicit Reader(std::string_view text) : m_text(text) {}

    PoFile Read() {
        for (std::string_view line; NextLine(line);) {
            if (line.empty() || line.starts_with("#~")) {
                EndEntry();
                continue;
            }
            if (line.starts_with('#')) {
                if (line.starts_with("#,") && line.find("fuzzy") != std::string_view::npos) {
                    EndEntry();
                    m_fuzzy = true;
                }
                continue;
            }
            if (line.starts_with('"')) {
                AddToString(line);
            } else {
                StartString(line);
            }
            if (!m_file.error.empty()) {
                return std::move(m_file);
            }
        }
        EndEntry();
        return std::move(m_file);
    }

  private:
    enum class Field { None, Context, English, Translation };

    bool NextLine(std::string_view& line) {
        if (m_at >= m_text.size()) {
            return false;
        }
        const std::size_t end = std::min(m_text.find('\n', m_at), m_text.size());
        line = Trimmed(m_text.substr(m_at, end - m_at));
        m_at = end + 1;
        ++m_line;
        return true;
    }

    void Fail(std::string_view what) {
        if (m_file.error.empty()) {
            m_file.error = "line " + std::to_string(m_line) + ": " + std::string(what);
        }
    }

    void StartString(std::string_view line) {
        const std::size_t space = line.find_first_of(" \t");
        const std::string_view keyword = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view() : Trimmed(line.substr(space));
        if (keyword == "msgctxt") {
            if (m_field != Field::None) {
                EndEntry();
            }
            m_field = Field::Context;
        } else if (keyword == "msgid") {
            if (m_field != Field::None && m_field != Field::Context) {
                EndEntry();
            }
            m_field = Field::English;
            m_englishLine = m_line;
        } else if (keyword == "msgstr") {
            if (m_field != Field::English) {
                Fail("msgstr without a msgid before it");
                return;
            }
            m_field = Field::Translation;
        } else if (keyword == "msgid_plural" || keyword.starts_with("msgstr[")) {
            Fail("plural forms are not used: " + std::string(keyword));
            return;
        } else {
            Fail("unknown keyword " + std::string(keyword));
            return;
        }
        AddToString(rest);
    }

    void AddToString(std::string_view quoted) {
        if (m_field == Field::None) {
            Fail("a string outside an entry");
            return;
        }
        const std::optional<std::string> text = Unquoted(quoted);
        if (!text) {
            Fail("not a well-formed string: " + std::string(quoted));
            return;
        }
        (m_field == Field::Context   ? m_context
         : m_field == Field::English ? m_english
                                     : m_translation) += *text;
    }

    void EndEntry() {
        if (m_field == Field::Context || m_field == Field::English) {
            Fail(m_field == Field::Context ? "msgctxt without a msgid" : "msgid without a msgstr");
            return;
        }
        if (m_field == Field::Translation) {
            if (m_english.empty() && m_context.empty()) {
                CheckHeader();
            } else if (!m_translation.empty() && !m_fuzzy) {
                m_file.messages.push_back({std::move(m_context), std::move(m_english),
                                           std::move(m_translation), m_englishLine});
            }
        }
        m_field = Field::None;
        m_context.clear();
        m_english.clear();
        m_translation.clear();
        m_fuzzy = false;
    }

    void CheckHeader() {
        const std::size_t at = m_translation.find("charset=");
        if (at == std::string::npos) {
            return;
        }
        std::string charset = m_translation.substr(at + 8);
        charset = charset.substr(0, charset.find_first_of(" ;\n"));
        std::transform(charset.begin(), charset.end(), charset.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (charset != "UTF-8") {
            Fail("the texts must be in UTF-8, not " + charset);
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 0;
    PoFile m_file;
    Field m_field = Field::None;
    std::string m_context;
    std::string m_english;
    std::string m_translation;
    std::size_t m_englishLine = 0;
    bool m_fuzzy = false;
};

} // namespace

PoFile ReadPoFile(std::string_view text) {
    return Reader(text).Read();
}

std::string MessageKey(const PoMessage& message) {
    return message.context.empty() ? message.english : message.context + '\004' + message.english;
}

std::string Placeholders(std::string_view text) {
    std::string digits;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            digits.push_back(text[i + 1]);
            ++i;
        }
    }
    std::sort(digits.begin(), digits.end());
    digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
    return digits;
}
