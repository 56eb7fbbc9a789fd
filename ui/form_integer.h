#pragma once
// Reading an integer field of the form.
#include <QString>
#include <cstdint>
#include <optional>

// The integer rule of both programs (ParseInteger, app/number_text.h): decimal text with an
// optional sign, blanks allowed around it, within the 32-bit range; nothing for anything else
// (empty text included).
std::optional<int32_t> ParseFormInteger(const QString& text);
