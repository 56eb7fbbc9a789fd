#include "cli/birth_rows.h"

#include <optional>

#include "app/text_catalogue.h"
#include "app/zone_resolution.h"
#include "app/zone_text.h"
#include "cli/int_arg.h"

bool MapBirthColumns(const std::vector<std::string>& header, bool needName, BirthColumns& columns,
                     std::string& error) {
    struct Known {
        const char* name;
        int* index;
        bool required;
    };
    const Known known[] = {
        {"day", &columns.day, true},
        {"month", &columns.month, true},
        {"year", &columns.year, true},
        {"hour", &columns.hour, true},
        {"minute", &columns.minute, true},
        {"tz", &columns.tz, false},
        {"place", &columns.place, false},
        {"zone", &columns.zone, false},
        {"southern", &columns.southern, false},
        {"const_zone", &columns.constZone, false},
        {"name", &columns.name, needName},
    };
    columns.count = header.size();
    for (size_t i = 0; i < header.size(); ++i) {
        for (const Known& k : known) {
            if (header[i] != k.name) {
                continue;
            }
            if (*k.index >= 0) {
                error = std::string("the column '") + k.name + "' appears twice";
                return false;
            }
            *k.index = static_cast<int>(i);
        }
    }
    for (const Known& k : known) {
        if (k.required && *k.index < 0) {
            error = std::string("the column '") + k.name + "' is missing";
            return false;
        }
    }
    return true;
}

namespace {

const std::string& Field(const CsvRecord& row, int index) {
    static const std::string empty;
    return index >= 0 ? row.fields[static_cast<size_t>(index)] : empty;
}

} // namespace

bool ResolveRowZone(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                    std::string& error) {
    const std::string& place = Field(row, columns.place);
    const std::string& zone = Field(row, columns.zone);
    if (place.empty() && zone.empty()) {
        return true;
    }
    if (!Field(row, columns.tz).empty() || (!place.empty() && !zone.empty())) {
        error = UserText(TextId::ZoneColumnsExclusive);
        return false;
    }
    const ZoneSource source{place.empty() ? ZoneSource::Kind::Zone : ZoneSource::Kind::Place,
                            place.empty() ? zone : place};
    const ZoneResolution r = ResolveZone(source, LocalMomentOf(in), ZoneChoice{});
    if (!r.Determined()) {
        error = ZoneRefusalText(r, source.name);
        return false;
    }
    in.timeZone = *r.timeDifference;
    return true;
}

bool ReadBirthRow(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                  std::string& error) {
    struct Number {
        int index;
        const char* name;
        int32_t* target;
    };
    const Number numbers[] = {
        {columns.day, "day", &in.day},          {columns.month, "month", &in.month},
        {columns.year, "year", &in.year},       {columns.hour, "hour", &in.hour},
        {columns.minute, "minute", &in.minute}, {columns.tz, "tz", &in.timeZone},
    };
    in = BirthInput{};
    for (const Number& n : numbers) {
        if (n.index < 0) {
            continue;
        }
        const std::string& text = row.fields[static_cast<size_t>(n.index)];
        if (n.target == &in.timeZone && text.empty()) {
            continue;
        }
        const std::optional<int32_t> value = ParseInt32(text);
        if (!value) {
            error = UserText(TextId::FieldNotInteger, {n.name});
            return false;
        }
        *n.target = *value;
    }
    const std::pair<int, const char*> flags[] = {{columns.southern, "southern"},
                                                 {columns.constZone, "const_zone"}};
    bool* const targets[] = {&in.southern, &in.constZone};
    for (size_t k = 0; k < 2; ++k) {
        if (flags[k].first < 0) {
            continue;
        }
        const std::string& text = row.fields[static_cast<size_t>(flags[k].first)];
        if (text != "" && text != "0" && text != "1") {
            error = UserText(TextId::FieldNotFlag, {flags[k].second});
            return false;
        }
        *targets[k] = text == "1";
    }
    return true;
}
