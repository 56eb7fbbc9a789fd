#include "app/record_fields.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "app/csv_text.h"
#include "app/number_text.h"

namespace {

using K = RecordFieldKind;
using S = VXDateStore;
using B = BirthInput;

constexpr RecordField kFields[] = {
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

void AppendRecordCsvHeader(std::string& out, char delimiter) {
    for (const RecordField& field : kFields) {
        if (&field != kFields) {
            out.push_back(delimiter);
        }
        out.append(field.key);
    }
}

void AppendRecordCsv(std::string& out, std::string_view utf8Name, const VXDateStore& r,
                     char delimiter) {
    for (const RecordField& field : kFields) {
        if (&field != kFields) {
            out.push_back(delimiter);
        }
        if (field.kind == K::Name) {
            AppendCsvField(out, utf8Name, delimiter);
        } else {
            AppendInteger(out, r.*field.stored);
        }
    }
}

void AppendRecordCsv(std::string& out, std::string_view utf8Name, const VXDateStore& r,
                     const SpreadsheetDialect& dialect) {
    for (const RecordField& field : kFields) {
        if (&field != kFields) {
            out.push_back(dialect.delimiter);
        }
        if (field.kind == K::Name) {
            AppendGuardedCsvField(out, utf8Name, dialect.delimiter);
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

namespace {

// A stored field's column: its key is the field's.
constexpr InputColumn Stored(size_t field, std::string_view german, std::string_view french,
                             std::string_view germanOther = "") {
    return {kFields[field].key, {german, germanOther}, french, &kFields[field]};
}

constexpr InputColumn kInputColumns[] = {
    Stored(0, "Name", "Nom"),
    Stored(1, "Tag", "Jour"),
    Stored(2, "Monat", "Mois"),
    Stored(3, "Jahr", "Ann\u00E9e"),
    Stored(4, "Stunde", "Heure"),
    Stored(5, "Minute", "Minute"),
    Stored(6, "Zeitzone", "Fuseau horaire", "Zeitverschiebung"),
    Stored(7, "S\u00FCdhalbkugel", "H\u00E9misph\u00E8re sud"),
    Stored(8, "Konstante Zone", "Zone constante"),
    {"place", {"Ort", ""}, "Lieu", nullptr},
    {"zone", {"", ""}, "", nullptr},
    {"round", {"Runden", ""}, "Arrondir", nullptr},
    {"dst", {"Sommerzeit", ""}, "Heure d'\u00E9t\u00E9", nullptr},
};

static_assert(std::size(kInputColumns) == std::size(kFields) + 4);

} // namespace

std::span<const InputColumn> InputColumns() {
    return kInputColumns;
}

std::string FoldedHeader(std::string_view header) {
    const size_t first = header.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    header = header.substr(first, header.find_last_not_of(" \t") - first + 1);
    std::string out(header);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE (but U+00D7, the multiplication sign) to U+00E0..U+00FE.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                out[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        }
    }
    return out;
}

namespace {

// Every accepted name, folded, to its column: a header of a million columns is looked up name by
// name in constant time.
const std::unordered_map<std::string, const InputColumn*>& InputColumnsByName() {
    static const auto byName = [] {
        std::unordered_map<std::string, const InputColumn*> names;
        for (const InputColumn& column : kInputColumns) {
            for (const std::string_view name :
                 {column.key, column.german[0], column.german[1], column.french}) {
                if (!name.empty()) {
                    names.emplace(FoldedHeader(name), &column);
                }
            }
        }
        return names;
    }();
    return byName;
}

} // namespace

const InputColumn* FindFoldedInputColumn(const std::string& folded) {
    const auto& byName = InputColumnsByName();
    const auto found = byName.find(folded);
    return found != byName.end() ? found->second : nullptr;
}

const InputColumn* FindInputColumn(std::string_view header) {
    return FindFoldedInputColumn(FoldedHeader(header));
}

std::string AcceptedColumnNames() {
    std::string out;
    for (const InputColumn& column : kInputColumns) {
        if (!out.empty()) {
            out.append(", ");
        }
        out.append(column.key);
        std::string others;
        for (const std::string_view name : {column.german[0], column.german[1], column.french}) {
            const bool repeated = FoldedHeader(name) == FoldedHeader(column.key) ||
                                  others.find(name) != std::string::npos;
            if (!name.empty() && !repeated) {
                others.append(others.empty() ? "" : ", ").append(name);
            }
        }
        if (!others.empty()) {
            out.append(" (").append(others).append(")");
        }
    }
    return out;
}
