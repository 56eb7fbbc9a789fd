#pragma once
// Guards for names (and other text from files) on their way out of the programs: into a
// spreadsheet-bound table ("&Copier", "&Copier tout", vexamo-cli export) and onto a terminal.
// Applied to each untrusted piece (a name, a path), not to the text built around it.
#include <string>
#include <string_view>

// A field of a tab-separated table, UTF-8 in and out. Each control character (U+0000 to
// U+001F, U+007F, U+0080 to U+009F) becomes a blank, so that a field can neither split its
// line nor shift its columns; a field that then begins with '=', '+', '-' or '@' gets a
// leading apostrophe, so that a spreadsheet takes it as text rather than as a formula.
// Any other text is returned byte for byte, malformed UTF-8 included.
std::string SpreadsheetField(std::string_view utf8);
// The same, appended to out.
void AppendSpreadsheetField(std::string& out, std::string_view utf8);

// Whether text holds only printable ASCII (0x20..0x7E): the same bytes in Windows-1252 and in
// UTF-8, with no control character to replace.
bool IsPrintableAscii(std::string_view text);

// The same for a name as the store holds it: Windows-1252 bytes in and out.
std::string SpreadsheetFieldCp1252(std::string_view cp1252);

// Text bound for standard output or standard error, UTF-8 in and out. When the stream is a
// terminal (toTerminal), each control character and each byte that is not part of valid
// UTF-8 is written as \xHH, its value in two lower-case hexadecimal digits (escape U+001B as
// \x1b, line feed as \x0a, the C1 introducer U+009B as \x9b), and each bidirectional embedding,
// override or isolate (U+202A to U+202E, U+2066 to U+2069) as \uHHHH (\u202e), so that a name
// cannot move the cursor, retitle or clear the terminal, nor reorder what follows it on its
// line; everything else, a backslash included, is kept.
// When it is not a terminal (a pipe, a file), the exact bytes are returned.
std::string TerminalText(std::string_view utf8, bool toTerminal);
