#pragma once
// The About box: dialog 100 with the program's icon, "Vexamo, Version 1.0" and "OK".
#include <windows.h>

// Runs the box modally over owner; returns on OK or Escape.
void RunAboutBox(HINSTANCE instance, HWND owner);
