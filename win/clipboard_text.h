#pragma once
// Text on the clipboard: CF_UNICODETEXT always, and CF_TEXT in Windows-1252 beside it when
// every character has a byte there, so that older programs that read only 8-bit text find it.
// Line ends become CR LF, as the system's text has them.
#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

// False when the clipboard could not be had (another program holds it).
bool PutTextOnClipboard(HWND owner, std::string_view utf8);

// The text as Windows-1252 bytes, or nothing when some character has no byte there.
std::optional<std::string> Windows1252Text(std::wstring_view text);
