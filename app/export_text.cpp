#include "app/export_text.h"

#include <vector>

#include "app/birth_input.h"
#include "app/csv_text.h"
#include "app/number_text.h"
#include "app/ordered_blocks.h"
#include "app/record_commands.h"
#include "app/record_fields.h"
#include "app/result_fields.h"
#include "app/text_guards.h"
#include "astro/birth.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "astro/text_format.h"
#include "astro/vector_state.h"

namespace {

const char* const kHeader = "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n";

// "%d.%d.%d %d:%d Uhr " of the values as entered.
void AppendBirthMoment(std::string& out, const VXDateStore& r) {
    AppendInteger(out, r.m_nDay);
    out.push_back('.');
    AppendInteger(out, r.m_nMonth);
    out.push_back('.');
    AppendInteger(out, r.m_nYear);
    out.push_back(' ');
    AppendInteger(out, r.m_nHour);
    out.push_back(':');
    AppendInteger(out, r.m_nMinute);
    out.append(" Uhr ");
}

// The name as a spreadsheet field. A key of printable ASCII, the usual case, is its own UTF-8.
void AppendNameField(std::string& out, NameKeyView key) {
    if (!key.IsWide() && IsPrintableAscii(key.Bytes())) {
        AppendSpreadsheetField(out, key.Bytes());
    } else {
        AppendSpreadsheetField(out, NameOfKey(key));
    }
}

void AppendRecordLine(std::string& out, NameKeyView key, const VXDateStore& r) {
    AppendNameField(out, key);
    out.push_back('\t');
    if (!CanEvaluate(r)) {
        // Values the engine cannot evaluate: the moment as entered, the rest left empty.
        out.push_back('\t');
        AppendBirthMoment(out, r);
        out.append("\t\t\n");
        return;
    }
    const double jd =
        BirthJulianDate(r.m_nDay, r.m_nMonth, r.m_nYear, r.m_nHour, r.m_nMinute, r.m_nTimeZone);
    // Each quantity computed once; the classification reuses the fractions.
    const double moonFraction = MoonIllumination(jd);
    const double sunPhase = SunPhase(jd, r.m_bSouthern);
    const double moon = moonFraction * 100.0;
    const double sun = sunPhase * 100.0;
    const BirthType type = ClassifyMoment(jd, sunPhase, moonFraction, r.m_bConstZone);
    out.append(BirthTypeName(type));
    out.push_back('\t');
    AppendBirthMoment(out, r);
    out.append("\t ");
    out.append(FormatPercentText(moon));
    out.push_back('\t');
    out.append(FormatPercentText(sun));
    out.push_back('\n');
}

void AppendRecordCsvLine(std::string& out, NameKeyView key, const VXDateStore& r, char delimiter) {
    AppendRecordCsv(out, NameOfKey(key), r, delimiter);
    if (CanEvaluate(r)) {
        thread_local BirthEvaluation evaluation; // its texts keep their storage
        EvaluateRecordInto(r, evaluation);
        AppendResultCsv(out, evaluation, delimiter);
    } else {
        AppendEmptyResultCsv(out, delimiter);
    }
    out.append("\r\n");
}

void AppendRecordJsonLine(std::string& out, NameKeyView key, const VXDateStore& r, bool asciiOnly) {
    JsonWriter json(out, JsonLayout{-1, 1 << 30, asciiOnly});
    json.BeginObject();
    json.Key("format").Integer(kOutputFormatVersion);
    WriteRecordJson(json, NameOfKey(key), r);
    if (CanEvaluate(r)) {
        thread_local BirthEvaluation evaluation; // its texts keep their storage
        EvaluateRecordInto(r, evaluation);
        WriteResultJson(json, evaluation);
    }
    json.EndObject();
    out.push_back('\n');
}

// Records per piece: enough to keep every thread busy, few enough to bound the text held.
constexpr size_t kBlockRecords = 8192;

} // namespace

bool WriteRecords(const DateStoreMap& store, RecordsFormat format, const RecordsStyle& style,
                  unsigned jobs, const std::function<bool(std::string_view piece)>& sink) {
    ClearUpperVectorState();
    std::string text;
    if (format == RecordsFormat::Tsv) {
        text = kHeader;
    } else if (format == RecordsFormat::Csv) {
        if (style.byteOrderMark) {
            text.append(kUtf8ByteOrderMark);
        }
        AppendRecordCsvHeader(text, style.delimiter);
        AppendResultCsvHeader(text, style.delimiter);
        text.append("\r\n");
    }
    using Entry = std::pair<NameKeyView, const VXDateStore*>;
    std::vector<Entry> block;
    block.reserve(kBlockRecords);
    const auto flush = [&] {
        AppendInOrder(
            block.size(), jobs,
            [&](size_t begin, size_t end, std::string& out) {
                ClearUpperVectorState();
                for (size_t i = begin; i < end; ++i) {
                    const auto& [key, record] = block[i];
                    switch (format) {
                    case RecordsFormat::Tsv:
                        AppendRecordLine(out, key, *record);
                        break;
                    case RecordsFormat::Csv:
                        AppendRecordCsvLine(out, key, *record, style.delimiter);
                        break;
                    case RecordsFormat::Jsonl:
                        AppendRecordJsonLine(out, key, *record, style.asciiOnly);
                        break;
                    }
                }
            },
            text);
        block.clear();
        const bool ok = sink(text);
        text.clear();
        return ok;
    };
    for (const auto& entry : store) {
        block.emplace_back(entry.name, &entry.record);
        if (block.size() == kBlockRecords && !flush()) {
            return false;
        }
    }
    return flush();
}

namespace {

std::string RecordsText(const DateStoreMap& store, RecordsFormat format,
                        const RecordsStyle& style) {
    std::string all;
    WriteRecords(store, format, style, DefaultJobs(), [&](std::string_view piece) {
        all += piece;
        return true;
    });
    return all;
}

} // namespace

std::string CopyAllText(const DateStoreMap& store) {
    return RecordsText(store, RecordsFormat::Tsv, {});
}

std::string CopyLineText(const std::string& name, const std::string& type, const std::string& moon,
                         const std::string& sun) {
    std::string text;
    const std::string field = SpreadsheetField(name);
    text.reserve(field.size() + type.size() + moon.size() + sun.size() + 3);
    text.append(field).append("\t").append(type).append("\t").append(moon).append("\t").append(sun);
    return text;
}

std::string RecordsCsv(const DateStoreMap& store, char delimiter, bool byteOrderMark) {
    return RecordsText(store, RecordsFormat::Csv, {false, delimiter, byteOrderMark});
}

std::string RecordsJsonl(const DateStoreMap& store, bool asciiOnly) {
    return RecordsText(store, RecordsFormat::Jsonl, {asciiOnly});
}
