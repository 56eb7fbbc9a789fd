#include "app/csv_text.h"

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
    const char special[] = {delimiter, '"', '\r', '\n'};
    const bool quote =
        field.find_first_of(std::string_view(special, 4)) != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}
