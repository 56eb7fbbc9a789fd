#pragma once
// The translations of a message catalogue's source (a .po file, as translators and their tools
// write it), for compiling into the program: each translated message with its English text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct PoMessage {
    std::string context; // msgctxt: where the text is used, when its translation depends on it
    std::string english;
    std::string translation;
    std::size_t line = 0; // where its msgid stands
};

struct PoFile {
    std::vector<PoMessage> messages; // in the order of the file
    std::string error;               // what is malformed, on which line; empty when read
};

// Reads the messages of the file's text. Comments ("#", "#." ...) and obsolete entries ("#~")
// are skipped, as are the header (the empty msgid), messages without a translation and those
// marked fuzzy. Strings follow C's escapes and may go on over several quoted lines. Plural
// forms are refused, as is a header naming another character set than UTF-8.
PoFile ReadPoFile(std::string_view text);

// The key a message is found by: its English text, after its context and the byte 4 when it
// has one (as gettext's tools keep it).
std::string MessageKey(const PoMessage& message);

// The placeholders "%1" to "%9" a text holds, as a sorted string of their digits ("%2 %1 %1":
// "12").
std::string Placeholders(std::string_view text);
