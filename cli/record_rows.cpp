#include "cli/record_rows.h"

#include "app/birth_input.h"
#include "app/record_commands.h"
#include "astro/text_format.h"
#include "cli/result_fields.h"

namespace {

const char* const kStoredColumns = "name,day,month,year,hour,minute,tz,southern,const_zone";

bool Evaluable(const VXDateStore& r) {
    return IsEvaluableBirth(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone);
}

} // namespace

std::string JsonDocument(const nlohmann::ordered_json& document, bool terminal) {
    return document.dump(-1, ' ', terminal, nlohmann::ordered_json::error_handler_t::replace) +
           "\n";
}

nlohmann::ordered_json StoredRecordJson(const std::string& utf8Name, const VXDateStore& r) {
    nlohmann::ordered_json row;
    row["format"] = kOutputFormatVersion;
    row["name"] = utf8Name;
    row["day"] = r.m_nDay;
    row["month"] = r.m_nMonth;
    row["year"] = r.m_nYear;
    row["hour"] = r.m_nHour;
    row["minute"] = r.m_nMinute;
    row["tz"] = r.m_nTimeZone;
    row["southern"] = r.m_bSouthern;
    row["const_zone"] = r.m_bConstZone;
    return row;
}

std::string RecordsCsv(const DateStoreMap& store) {
    std::string out = kStoredColumns;
    for (const std::string& column : ResultColumns()) {
        out.append(",").append(column);
    }
    out.append("\r\n");
    for (const auto& entry : store) {
        const VXDateStore& r = entry.record;
        AppendCsvField(out, NameOfKey(entry.name));
        for (const int32_t v : {r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute,
                                r.m_nTimeZone, r.m_bSouthern, r.m_bConstZone}) {
            out.append(",").append(FormatInt(v));
        }
        if (Evaluable(r)) {
            AppendResultCsv(out, Evaluate(FromRecord(r)));
        } else {
            AppendEmptyResultCsv(out);
        }
        out.append("\r\n");
    }
    return out;
}

std::string RecordsJsonl(const DateStoreMap& store, bool terminal) {
    std::string out;
    for (const auto& entry : store) {
        nlohmann::ordered_json row = StoredRecordJson(NameOfKey(entry.name), entry.record);
        if (Evaluable(entry.record)) {
            AddResultJson(row, Evaluate(FromRecord(entry.record)));
        }
        out.append(JsonDocument(row, terminal));
    }
    return out;
}
