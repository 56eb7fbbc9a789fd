#include "app/csv_text.h"

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
    bool quote = !field.empty() && (field.front() == ' ' || field.back() == ' ');
    for (size_t i = 0; i < field.size() && !quote; ++i) {
        const char c = field[i];
        quote = c == delimiter || c == '"' || c == '\r' || c == '\n';
    }
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
