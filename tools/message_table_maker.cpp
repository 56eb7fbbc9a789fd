// Compiles the translations of po/ into the table the program looks its messages up in
// (app/message_translations.h), at build time.
//   vexamo-message-table OUTPUT.cpp LANGUAGE=FILE.po ...
// Refuses a catalogue that is malformed, holds a message twice, or whose translation of a
// message does not keep the message's placeholders. A message with a context is found as
// "<context>\004<English>".
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/po_file.h"

namespace {

// A C++ string literal of the bytes: printable ASCII as it is, everything else in octal.
std::string Literal(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '"' || b == '\\' || b == '?') {
            out.push_back('\\');
            out.push_back(c);
        } else if (b >= 0x20 && b < 0x7F) {
            out.push_back(c);
        } else {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", b);
            out += octal;
        }
    }
    return out + "\"";
}

struct Catalogue {
    std::string language;
    std::vector<PoMessage> messages;
};

bool ReadCatalogue(const std::string& argument, Catalogue& catalogue) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
        std::cerr << "vexamo-message-table: expected LANGUAGE=FILE, got " << argument << "\n";
        return false;
    }
    catalogue.language = argument.substr(0, equals);
    const std::string path = argument.substr(equals + 1);
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    if (!in && !in.eof()) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    PoFile file = ReadPoFile(text);
    if (!file.error.empty()) {
        std::cerr << path << ": " << file.error << "\n";
        return false;
    }
    std::stable_sort(
        file.messages.begin(), file.messages.end(),
        [](const PoMessage& a, const PoMessage& b) { return MessageKey(a) < MessageKey(b); });
    bool sound = true;
    for (std::size_t i = 0; i < file.messages.size(); ++i) {
        const PoMessage& m = file.messages[i];
        if (i > 0 && MessageKey(file.messages[i - 1]) == MessageKey(m)) {
            std::cerr << path << ":" << m.line << ": the message is there twice\n";
            sound = false;
        }
        if (Placeholders(m.english) != Placeholders(m.translation)) {
            std::cerr << path << ":" << m.line << ": the translation does not keep the "
                      << "placeholders of the message\n";
            sound = false;
        }
    }
    catalogue.messages = std::move(file.messages);
    return sound;
}

std::string Source(const std::vector<Catalogue>& catalogues) {
    std::ostringstream out;
    out << "// Made by vexamo-message-table from po/: do not edit.\n"
        << "#include \"app/message_translations.h\"\n\nnamespace {\n\n";
    for (const Catalogue& c : catalogues) {
        out << "constexpr MessageTranslation k_" << c.language << "[] = {\n";
        for (const PoMessage& m : c.messages) {
            out << "    {" << Literal(MessageKey(m)) << ",\n     " << Literal(m.translation)
                << "},\n";
        }
        out << "};\n\n";
    }
    out << "constexpr MessageCatalogue kCatalogues[] = {\n";
    for (const Catalogue& c : catalogues) {
        out << "    {" << Literal(c.language) << ", k_" << c.language << "},\n";
    }
    out << "};\n\n} // namespace\n\n"
        << "std::span<const MessageCatalogue> MessageCatalogues() {\n"
        << "    return kCatalogues;\n}\n";
    return out.str();
}

bool IsIdentifier(const std::string& language) {
    return std::all_of(language.begin(), language.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: vexamo-message-table OUTPUT.cpp LANGUAGE=FILE.po ...\n";
        return 2;
    }
    std::vector<Catalogue> catalogues;
    bool sound = true;
    for (int i = 2; i < argc; ++i) {
        Catalogue c;
        sound = ReadCatalogue(argv[i], c) && sound;
        if (!IsIdentifier(c.language)) {
            std::cerr << "vexamo-message-table: not a language name: " << c.language << "\n";
            sound = false;
        }
        catalogues.push_back(std::move(c));
    }
    if (!sound) {
        return 1;
    }
    const std::string source = Source(catalogues);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << source;
    out.close();
    if (!out) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
