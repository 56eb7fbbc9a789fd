// vexamo-cli list, show, remove and export: reading and changing ".dat" record files.
#include <string>

#include <nlohmann/json.hpp>

#include "app/export_text.h"
#include "app/text_catalogue.h"
#include "app/text_guards.h"
#include "cli/arg_scan.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/record_common.h"
#include "cli/record_rows.h"

namespace {

void AppendField(std::string& out, TextId label, int value) {
    out.append(UserText(label)).append(std::to_string(value)).append("\n");
}

// Checks the name before the file is read, as every record command does.
bool NameIsStorable(CliStreams& io, const std::string& name) {
    std::string key;
    const RecordRefusal refusal = StoreKey(name, key);
    PrintRefusal(io, refusal, name);
    return refusal == RecordRefusal::None;
}

// Scans the arguments and checks that exactly the expected positionals are there.
bool Scan(CliStreams& io, const Args& args, const ArgRules& rules, size_t positionals,
          const char* expects, ScannedArgs& out, int& status) {
    std::string error;
    if (!ScanArgs(args, rules, out, error)) {
        status = UsageError(io, error);
        return false;
    }
    if (out.positionals.size() != positionals) {
        status = UsageError(io, rules.command + ": expects " + expects);
        return false;
    }
    return true;
}

} // namespace

int RunList(const Args& args, CliStreams& io) {
    ScannedArgs a;
    int status = kExitOk;
    if (!Scan(io, args, {"list", {"--json"}, {}}, 1, "FILE", a, status)) {
        return status;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, a.positionals[0], doc, false)) {
        return kExitRefused;
    }
    const std::vector<std::string> names = RecordNames(doc.m_mapDateStore);
    if (a.Has("--json")) {
        return WriteOutput(io, JsonDocument(nlohmann::ordered_json(names), io.outTerminal));
    }
    std::string text;
    for (const std::string& name : names) {
        text.append(TerminalText(name, io.outTerminal)).append("\n");
    }
    return WriteOutput(io, text);
}

int RunShow(const Args& args, CliStreams& io) {
    ScannedArgs a;
    int status = kExitOk;
    if (!Scan(io, args, {"show", {"--json"}, {}}, 2, "FILE NAME", a, status)) {
        return status;
    }
    const std::string& file = a.positionals[0];
    const std::string& name = a.positionals[1];
    if (!NameIsStorable(io, name)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, file, doc, false)) {
        return kExitRefused;
    }
    VXDateStore r;
    if (const RecordRefusal refusal = LookupRecord(doc.m_mapDateStore, name, r);
        refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, name);
        return kExitRefused;
    }
    if (a.Has("--json")) {
        nlohmann::ordered_json object = StoredRecordJson(name, r);
        return WriteOutput(io, JsonDocument(object, io.outTerminal));
    }
    std::string text = UserText(TextId::ShowName) + TerminalText(name, io.outTerminal) + "\n";
    AppendField(text, TextId::ShowYear, r.m_nYear);
    AppendField(text, TextId::ShowMonth, r.m_nMonth);
    AppendField(text, TextId::ShowDay, r.m_nDay);
    AppendField(text, TextId::ShowHour, r.m_nHour);
    AppendField(text, TextId::ShowMinute, r.m_nMinute);
    AppendField(text, TextId::ShowSouthern, r.m_bSouthern);
    AppendField(text, TextId::ShowConstZone, r.m_bConstZone);
    AppendField(text, TextId::ShowTimeZone, r.m_nTimeZone);
    return WriteOutput(io, text);
}

int RunRemove(const Args& args, CliStreams& io) {
    ScannedArgs a;
    int status = kExitOk;
    if (!Scan(io, args, {"remove", {}, {}}, 2, "FILE NAME", a, status)) {
        return status;
    }
    const std::string& file = a.positionals[0];
    const std::string& name = a.positionals[1];
    if (!NameIsStorable(io, name)) {
        return kExitRefused;
    }
    return ChangeRecordFile(io, file, false, [&](DateStoreMap& store) {
        const RecordRefusal refusal = RemoveRecord(store, name);
        if (refusal != RecordRefusal::None) {
            PrintRefusal(io, refusal, name);
        }
        return refusal == RecordRefusal::None;
    });
}

int RunExport(const Args& args, CliStreams& io) {
    ScannedArgs a;
    int status = kExitOk;
    if (!Scan(io, args, {"export", {}, {"--format"}}, 1, "FILE", a, status)) {
        return status;
    }
    const std::string format = a.Value("--format").value_or("tsv");
    if (format != "tsv" && format != "csv" && format != "jsonl") {
        return UsageError(io, "export: --format expects tsv, csv or jsonl, not '" + format + "'");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, a.positionals[0], doc, false)) {
        return kExitRefused;
    }
    if (format == "tsv") {
        return WriteOutput(io, CopyAllText(doc.m_mapDateStore));
    }
    return WriteOutput(io, format == "csv" ? RecordsCsv(doc.m_mapDateStore)
                                           : RecordsJsonl(doc.m_mapDateStore, io.outTerminal));
}
