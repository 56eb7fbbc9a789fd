#include "ui/ui_text.h"

#include <string>
#include <string_view>
#include <vector>

QString UiText(TextId id) {
    return QString::fromUtf8(UserText(id));
}

QString UiText(TextId id, std::initializer_list<QString> args) {
    std::vector<std::string> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args) {
        utf8.push_back(arg.toStdString());
    }
    const std::vector<std::string_view> views(utf8.begin(), utf8.end());
    return QString::fromStdString(UserText(id, std::span<const std::string_view>(views)));
}
