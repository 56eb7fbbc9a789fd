#pragma once
// The string table: texts by resource id, UTF-8.

#include <span>

// The ids the string table holds, in its order.
std::span<const int> ResourceStringIds();

// The text of string resource id, or nullptr when the table has none.
const char* LoadResourceString(int id);

// Substring index (0-based) of the document template string 128; empty past the last one.
const char* DocTemplateSubstring(int index);
