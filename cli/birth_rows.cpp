#include "cli/birth_rows.h"

#include <optional>
#include <unordered_set>

#include "app/record_fields.h"
#include "app/text_catalogue.h"
#include "app/zone_resolution.h"
#include "app/zone_text.h"

namespace {

// The columns of unknown names that a message lists; a wide header's others are counted.
constexpr size_t kUnknownListed = 10;

// The column of a folded header name: a stored field's, or place, zone or round.
int* ColumnOf(BirthColumns& columns, const std::string& folded) {
    const InputColumn* const column = FindFoldedInputColumn(folded);
    if (column == nullptr) {
        return nullptr;
    }
    if (column->field == nullptr) {
        return column->key == "place"   ? &columns.place
               : column->key == "zone"  ? &columns.zone
               : column->key == "round" ? &columns.round
                                        : &columns.dst;
    }
    return &columns.fields[static_cast<size_t>(column->field - RecordFields().data())];
}

// The missing column, with the first columns that were not recognised (of unknownCount) and the
// names that are.
std::string MissingColumn(std::string_view key, const std::vector<std::string_view>& unknown,
                          size_t unknownCount) {
    const std::string missing = UserText(TextId::CsvColumnMissing, {key});
    if (unknown.empty()) {
        return UserText(TextId::CliTwoClauses,
                        {missing, UserText(TextId::CsvNamesAccepted, {AcceptedColumnNames()})});
    }
    std::string names;
    for (const std::string_view name : unknown) {
        names.append(names.empty() ? "" : ", ").append(UserText(TextId::CliQuotedName, {name}));
    }
    if (unknownCount > unknown.size()) {
        names = UserText(TextId::CsvMoreColumns,
                         {names, std::to_string(unknownCount - unknown.size())});
    }
    return UserText(TextId::CliTwoClauses, {missing, UserText(TextId::CsvColumnsAccepted,
                                                              {names, AcceptedColumnNames()})});
}

} // namespace

bool MapBirthColumns(const std::vector<std::string>& header, bool needName, BirthColumns& columns,
                     std::string& error, const std::function<bool(std::string_view)>& reserved) {
    columns.count = header.size();
    columns.names = header;
    columns.fields.assign(RecordFields().size(), -1);
    // The folded names seen so far, hashed: each header is compared with the others at once.
    std::unordered_set<std::string> seen;
    seen.reserve(header.size());
    std::vector<std::string_view> unknown;
    size_t unknownCount = 0;
    for (size_t i = 0; i < header.size(); ++i) {
        std::string folded = FoldedHeader(header[i]);
        int* const column = ColumnOf(columns, folded);
        const bool output = reserved && reserved(folded);
        if (!seen.insert(std::move(folded)).second) {
            error = UserText(TextId::CsvColumnTwice, {header[i]});
            return false;
        }
        if (output) {
            error = UserText(TextId::CsvColumnReserved, {header[i]});
            return false;
        }
        if (column != nullptr && *column >= 0) {
            error = UserText(TextId::CsvColumnTwice, {header[i]});
            return false;
        }
        if (column == nullptr) {
            if (unknown.size() < kUnknownListed) {
                unknown.push_back(header[i]);
            }
            ++unknownCount;
            continue;
        }
        *column = static_cast<int>(i);
    }
    const std::span<const RecordField> fields = RecordFields();
    for (size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].kind == RecordFieldKind::Name) {
            columns.name = columns.fields[k];
        } else if (fields[k].requiredColumn && columns.fields[k] < 0) {
            error = MissingColumn(fields[k].key, unknown, unknownCount);
            return false;
        }
    }
    if (needName && columns.name < 0) {
        error = MissingColumn("name", unknown, unknownCount);
        return false;
    }
    return true;
}

namespace {

size_t TzField() {
    return static_cast<size_t>(FindRecordField("tz") - RecordFields().data());
}

const std::string& Field(const CsvRecord& row, int index) {
    static const std::string empty;
    return index >= 0 ? row.fields[static_cast<size_t>(index)] : empty;
}

// A column's name as the header writes it.
const std::string& Name(const BirthColumns& columns, int index) {
    return columns.names[static_cast<size_t>(index)];
}

} // namespace

namespace {

// A row's flag column: "1" sets, "0" clears, empty keeps what the option gave. False for any other
// text.
bool ReadChoiceFlag(const std::string& text, bool& value) {
    if (text == "1" || text == "0") {
        value = text == "1";
    }
    return text.empty() || text == "1" || text == "0";
}

} // namespace

std::vector<bool> TextColumns(const BirthColumns& columns) {
    std::vector<bool> text(columns.count, true);
    const std::span<const RecordField> fields = RecordFields();
    for (size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].kind != RecordFieldKind::Name && columns.fields[k] >= 0) {
            text[static_cast<size_t>(columns.fields[k])] = false;
        }
    }
    for (const int flag : {columns.round, columns.dst}) {
        if (flag >= 0) {
            text[static_cast<size_t>(flag)] = false;
        }
    }
    return text;
}

bool ResolveRowZone(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                    std::string& error, ZoneChoice choice, ZoneResolution* used) {
    if (!ReadChoiceFlag(Field(row, columns.round), choice.round)) {
        error = UserText(TextId::FieldNotFlag, {Name(columns, columns.round)});
        return false;
    }
    // The row's dst is its answer for a time that occurs twice; it stands over the option's.
    const std::string& dstText = Field(row, columns.dst);
    bool dst = false;
    if (!ReadChoiceFlag(dstText, dst)) {
        error = UserText(TextId::FieldNotFlag, {Name(columns, columns.dst)});
        return false;
    }
    if (!dstText.empty()) {
        choice.dst = dst ? places::DstChoice::Dst : places::DstChoice::NoDst;
    }
    const std::string& place = Field(row, columns.place);
    const std::string& zone = Field(row, columns.zone);
    if (place.empty() && zone.empty()) {
        return true;
    }
    // The first two of tz, place and zone that are filled.
    std::vector<std::string_view> filled;
    for (const int column : {columns.fields[TzField()], columns.place, columns.zone}) {
        if (!Field(row, column).empty()) {
            filled.push_back(Name(columns, column));
        }
    }
    if (filled.size() > 1) {
        error = UserText(TextId::CsvZoneColumnsFilled, {filled[0], filled[1]});
        return false;
    }
    const ZoneSource source{place.empty() ? ZoneSource::Kind::Zone : ZoneSource::Kind::Place,
                            place.empty() ? zone : place};
    ZoneResolution r = ResolveZone(source, LocalMomentOf(in), choice);
    if (!r.Determined()) {
        error = ZoneRefusalText(r, source.name);
        if (r.status == ZoneStatus::Ambiguous) {
            error += UserText(TextId::CsvDstHint,
                              {columns.dst >= 0 ? std::string_view(Name(columns, columns.dst))
                                                : std::string_view("dst")});
        } else if (r.status == ZoneStatus::UnknownZone || r.status == ZoneStatus::DateNotCovered) {
            const int tz = columns.fields[TzField()];
            error += UserText(TextId::CsvTzInstead, {tz >= 0 ? std::string_view(Name(columns, tz))
                                                             : std::string_view("tz")});
        }
        return false;
    }
    in.timeZone = *r.timeDifference;
    if (used != nullptr) {
        *used = std::move(r);
    }
    return true;
}

bool ReadBirthRow(const CsvRecord& row, const BirthColumns& columns, BirthInput& in,
                  std::string& error) {
    in = BirthInput{};
    const std::span<const RecordField> fields = RecordFields();
    for (size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].kind == RecordFieldKind::Name || columns.fields[k] < 0) {
            continue;
        }
        if (const auto refusal = ReadRecordField(fields[k], Field(row, columns.fields[k]), in)) {
            error = UserText(*refusal, {Name(columns, columns.fields[k])});
            return false;
        }
    }
    return true;
}
