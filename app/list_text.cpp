#include "app/list_text.h"

std::string ListText(std::span<const std::string_view> items, TextId join) {
    if (items.size() < 2) {
        return items.empty() ? std::string() : std::string(items.front());
    }
    std::string first(items.front());
    for (const std::string_view item : items.subspan(1, items.size() - 2)) {
        first.append(", ").append(item);
    }
    return UserText(join, {first, items.back()});
}

std::string ListText(std::initializer_list<std::string_view> items, TextId join) {
    return ListText(std::span<const std::string_view>(items.begin(), items.size()), join);
}
