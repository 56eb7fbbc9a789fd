#include "app/record_fields.h"

#include <algorithm>
#include <vector>

#include "app/csv_text.h"
#include "app/number_text.h"

namespace {

using K = RecordFieldKind;
using S = VXDateStore;
using B = BirthInput;

const RecordField kFields[] = {
    {"name", K::Name, TextId::ShowName, 0, nullptr, nullptr, nullptr, false, false},
    {"day", K::Integer, TextId::ShowDay, 3, &S::m_nDay, &B::day, nullptr, true, false},
    {"month", K::Integer, TextId::ShowMonth, 2, &S::m_nMonth, &B::month, nullptr, true, false},
    {"year", K::Integer, TextId::ShowYear, 1, &S::m_nYear, &B::year, nullptr, true, false},
    {"hour", K::Integer, TextId::ShowHour, 4, &S::m_nHour, &B::hour, nullptr, true, false},
    {"minute", K::Integer, TextId::ShowMinute, 5, &S::m_nMinute, &B::minute, nullptr, true, false},
    {"tz", K::Integer, TextId::ShowTimeZone, 8, &S::m_nTimeZone, &B::timeZone, nullptr, false,
     true},
    {"southern", K::Flag, TextId::ShowSouthern, 6, &S::m_bSouthern, nullptr, &B::southern, false,
     false},
    {"const_zone", K::Flag, TextId::ShowConstZone, 7, &S::m_bConstZone, nullptr, &B::constZone,
     false, false},
};

} // namespace

std::span<const RecordField> RecordFields() {
    return kFields;
}

const RecordField* FindRecordField(std::string_view key) {
    for (const RecordField& field : kFields) {
        if (key == field.key) {
            return &field;
        }
    }
    return nullptr;
}

void AppendRecordCsvHeader(std::string& out) {
    for (const RecordField& field : kFields) {
        if (&field != kFields) {
            out.push_back(',');
        }
        out.append(field.key);
    }
}

void AppendRecordCsv(std::string& out, std::string_view utf8Name, const VXDateStore& r) {
    for (const RecordField& field : kFields) {
        if (&field != kFields) {
            out.push_back(',');
        }
        if (field.kind == K::Name) {
            AppendCsvField(out, utf8Name);
        } else {
            AppendInteger(out, r.*field.stored);
        }
    }
}

void WriteRecordJson(JsonWriter& json, std::string_view utf8Name, const VXDateStore& r) {
    for (const RecordField& field : kFields) {
        json.Key(field.key);
        if (field.kind == K::Name) {
            json.String(utf8Name);
        } else {
            json.Integer(r.*field.stored);
        }
    }
}

std::string RecordShowText(std::string_view name, const VXDateStore& r) {
    std::vector<const RecordField*> lines;
    for (const RecordField& field : kFields) {
        lines.push_back(&field);
    }
    std::sort(lines.begin(), lines.end(), [](const RecordField* a, const RecordField* b) {
        return a->showOrder < b->showOrder;
    });
    std::string out;
    for (const RecordField* field : lines) {
        out.append(UserText(field->showLabel));
        if (field->kind == K::Name) {
            out.append(name);
        } else {
            out.append(std::to_string(r.*field->stored));
        }
        out.push_back('\n');
    }
    return out;
}

std::optional<TextId> ReadRecordField(const RecordField& field, std::string_view text,
                                      BirthInput& in) {
    if (field.kind == K::Flag) {
        if (text != "" && text != "0" && text != "1") {
            return TextId::FieldNotFlag;
        }
        in.*field.flag = text == "1";
        return std::nullopt;
    }
    if (field.kind != K::Integer || (field.emptyIsDefault && text.empty())) {
        return std::nullopt;
    }
    const std::optional<int32_t> value = ParseInteger(text);
    if (!value) {
        return TextId::FieldNotInteger;
    }
    in.*field.integer = *value;
    return std::nullopt;
}
