#pragma once
// UTF-8 inside the program, UTF-16 where it talks to the system.
#include <string>
#include <string_view>

#include <windows.h>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The window text of a window (a control, a frame), as UTF-8.
std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, std::string_view text);
