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

// As the table of all records evaluates it: the stored values as they are.
BirthEvaluation EvaluateStored(const VXDateStore& r) {
    return EvaluateBirth(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone,
                         r.m_bSouthern, r.m_bConstZone);
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
            AppendResultCsv(out, EvaluateStored(r));
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
        const VXDateStore& r = entry.record;
        JsonRowWriter row(out, terminal);
        row.Integer("format", kOutputFormatVersion);
        row.String("name", NameOfKey(entry.name));
        row.Integer("day", r.m_nDay);
        row.Integer("month", r.m_nMonth);
        row.Integer("year", r.m_nYear);
        row.Integer("hour", r.m_nHour);
        row.Integer("minute", r.m_nMinute);
        row.Integer("tz", r.m_nTimeZone);
        row.Integer("southern", r.m_bSouthern);
        row.Integer("const_zone", r.m_bConstZone);
        if (Evaluable(r)) {
            WriteResultJson(row, EvaluateStored(r));
        }
        row.End();
    }
    return out;
}
