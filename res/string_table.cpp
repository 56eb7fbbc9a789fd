#include "res/string_table.h"

#include <array>
#include <cstring>
#include <utility>

#include "app/text_catalogue.h"
#include "res/resource_ids.h"

namespace {

// The string table's ids and the texts they stand for.
constexpr std::array<std::pair<int, TextId>, 18> kStrings{{
    {IDR_MAINFRAME, TextId::DocTemplate},
    {IDS_EARLIER_CENTURY, TextId::EarlierCentury},
    {IDS_MONTH_RANGE, TextId::MonthRange},
    {IDS_DAY_RANGE, TextId::DayRange},
    {IDS_HOUR_RANGE, TextId::HourRange},
    {IDS_MINUTE_RANGE, TextId::MinuteRange},
    {IDS_TIME_ZONE_RANGE, TextId::TimeZoneRange},
    {IDS_TIP_CALCULATE, TextId::TipCalculate},
    {IDS_TIP_LAYOUT, TextId::TipLayout},
    {IDS_TIP_NAME, TextId::TipName},
    {IDS_TIP_LIST, TextId::TipList},
    {IDS_TIP_SOUTHERN, TextId::TipSouthern},
    {IDS_TIP_CONST_ZONE, TextId::TipConstZone},
    {IDS_TIP_ADD, TextId::TipAdd},
    {IDS_TIP_DELETE, TextId::TipDelete},
    {IDS_TIP_DELETE_ALL, TextId::TipDeleteAll},
    {IDS_TIP_TIME_ZONE, TextId::TipTimeZone},
    {AFX_IDS_APP_TITLE, TextId::AppTitle},
}};

// The document template string split once into its substrings.
struct TemplateParts {
    std::array<std::array<char, 32>, 9> parts{};
    TemplateParts() {
        const char* p = UserText(TextId::DocTemplate);
        for (auto& part : parts) {
            const char* end = std::strchr(p, '\n');
            const std::size_t n = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
            std::memcpy(part.data(), p, n < part.size() - 1 ? n : part.size() - 1);
            if (!end) {
                break;
            }
            p = end + 1;
        }
    }
};

// The ids alone, for those who list the table.
constexpr auto kStringIds = [] {
    std::array<int, kStrings.size()> ids{};
    for (std::size_t i = 0; i < kStrings.size(); ++i) {
        ids[i] = kStrings[i].first;
    }
    return ids;
}();

} // namespace

std::span<const int> ResourceStringIds() {
    return kStringIds;
}

const char* LoadResourceString(int id) {
    for (const auto& [key, text] : kStrings) {
        if (key == id) {
            return UserText(text);
        }
    }
    return nullptr;
}

const char* DocTemplateSubstring(int index) {
    static const TemplateParts parts;
    if (index < 0 || index >= static_cast<int>(parts.parts.size())) {
        return "";
    }
    return parts.parts[static_cast<std::size_t>(index)].data();
}
