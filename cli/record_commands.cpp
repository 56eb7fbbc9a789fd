// vexamo-cli list, show, remove and export: reading and changing ".dat" record files.
#include <string>

#include "app/export_text.h"
#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/record_common.h"

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

} // namespace

int RunList(const Args& args, CliStreams& io) {
    if (args.size() != 1) {
        return UsageError(io, "list: expects FILE");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, args[0], doc, false)) {
        return kExitRefused;
    }
    std::string text;
    for (const std::string& name : RecordNames(doc.m_mapDateStore)) {
        text.append(name).append("\n");
    }
    return WriteOutput(io, text);
}

int RunShow(const Args& args, CliStreams& io) {
    if (args.size() != 2) {
        return UsageError(io, "show: expects FILE NAME");
    }
    if (!NameIsStorable(io, args[1])) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, args[0], doc, false)) {
        return kExitRefused;
    }
    VXDateStore r;
    if (const RecordRefusal refusal = LookupRecord(doc.m_mapDateStore, args[1], r);
        refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, args[1]);
        return kExitRefused;
    }
    std::string text = UserText(TextId::ShowName) + args[1] + "\n";
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
    if (args.size() != 2) {
        return UsageError(io, "remove: expects FILE NAME");
    }
    if (!NameIsStorable(io, args[1])) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, args[0], doc, false)) {
        return kExitRefused;
    }
    if (const RecordRefusal refusal = RemoveRecord(doc.m_mapDateStore, args[1]);
        refusal != RecordRefusal::None) {
        PrintRefusal(io, refusal, args[1]);
        return kExitRefused;
    }
    doc.SetModifiedFlag(true);
    return SaveRecordFile(io, args[0], doc) ? kExitOk : kExitRefused;
}

int RunExport(const Args& args, CliStreams& io) {
    if (args.size() != 1) {
        return UsageError(io, "export: expects FILE");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(io, args[0], doc, false)) {
        return kExitRefused;
    }
    return WriteOutput(io, CopyAllText(doc.m_mapDateStore));
}
