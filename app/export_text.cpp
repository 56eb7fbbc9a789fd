#include "app/export_text.h"

#include "app/birth_input.h"
#include "app/csv_text.h"
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
    out.append(FormatInt(r.m_nDay)).append(".");
    out.append(FormatInt(r.m_nMonth)).append(".");
    out.append(FormatInt(r.m_nYear)).append(" ");
    out.append(FormatInt(r.m_nHour)).append(":");
    out.append(FormatInt(r.m_nMinute)).append(" Uhr ");
}

void AppendRecordLine(std::string& out, NameKeyView key, const VXDateStore& r) {
    out.append(SpreadsheetField(NameOfKey(key)));
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
    const BirthType type =
        ClassifyPhases(sunPhase, moonFraction, UndeterminedZone(jd, r.m_bConstZone));
    out.append(BirthTypeName(type));
    out.push_back('\t');
    AppendBirthMoment(out, r);
    out.append("\t ");
    out.append(FormatPercentText(moon));
    out.push_back('\t');
    out.append(FormatPercentText(sun));
    out.push_back('\n');
}

} // namespace

std::string CopyAllText(const DateStoreMap& store) {
    ClearUpperVectorState();
    std::string text = kHeader;
    for (const auto& entry : store) {
        AppendRecordLine(text, entry.name, entry.record);
    }
    return text;
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
    std::string out;
    if (byteOrderMark) {
        out.append(kUtf8ByteOrderMark);
    }
    AppendRecordCsvHeader(out, delimiter);
    AppendResultCsvHeader(out, delimiter);
    out.append("\r\n");
    for (const auto& entry : store) {
        AppendRecordCsv(out, NameOfKey(entry.name), entry.record, delimiter);
        if (CanEvaluate(entry.record)) {
            AppendResultCsv(out, EvaluateRecord(entry.record), delimiter);
        } else {
            AppendEmptyResultCsv(out, delimiter);
        }
        out.append("\r\n");
    }
    return out;
}

std::string RecordsJsonl(const DateStoreMap& store, bool asciiOnly) {
    std::string out;
    for (const auto& entry : store) {
        JsonWriter json(out, JsonLayout{-1, 1 << 30, asciiOnly});
        json.BeginObject();
        json.Key("format").Integer(kOutputFormatVersion);
        WriteRecordJson(json, NameOfKey(entry.name), entry.record);
        if (CanEvaluate(entry.record)) {
            WriteResultJson(json, EvaluateRecord(entry.record));
        }
        json.EndObject();
        out.push_back('\n');
    }
    return out;
}
