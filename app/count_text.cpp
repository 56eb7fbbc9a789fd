#include "app/count_text.h"

#include "app/text_catalogue.h"

std::string CountText(unsigned long long count) {
    const std::string digits = std::to_string(count);
    const std::string_view separator = UserText(TextId::CountGroupSeparator);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text.append(separator);
        }
        text.push_back(digits[i]);
    }
    return text;
}
