#include "ui/form_integer.h"

#include "app/number_text.h"

std::optional<int32_t> ParseFormInteger(const QString& text) {
    return ParseInteger(text.toStdString());
}
