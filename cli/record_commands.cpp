// vexamo-cli list, show, remove and export: reading and changing ".dat" record files.
#include <string>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/record_common.h"
#include "records/cp1252.h"
#include "records/export_text.h"

namespace {

void AppendField(std::string& out, const char* label, int value) {
    out.append(label).append(std::to_string(value)).append("\n");
}

} // namespace

int RunList(const Args& args) {
    if (args.size() != 1) {
        return UsageError("list: expects FILE");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(args[0], doc, false)) {
        return kExitRefused;
    }
    std::string text;
    std::string name;
    VXDateStore record;
    DateStoreMap::Position pos = doc.m_mapDateStore.GetStartPosition();
    while (pos != nullptr) {
        doc.m_mapDateStore.GetNextAssoc(pos, name, record);
        text.append(Cp1252ToUtf8(name)).append("\n");
    }
    return WriteOutput(text);
}

int RunShow(const Args& args) {
    if (args.size() != 2) {
        return UsageError("show: expects FILE NAME");
    }
    std::string name;
    if (!StoreName(args[1], name)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(args[0], doc, false)) {
        return kExitRefused;
    }
    VXDateStore r;
    if (!doc.m_mapDateStore.Lookup(name, r)) {
        PrintError("Der Datensatz '" + args[1] + "' existiert nicht.");
        return kExitRefused;
    }
    std::string text = "Nom : " + args[1] + "\n";
    AppendField(text, "Année : ", r.m_nYear);
    AppendField(text, "Mois : ", r.m_nMonth);
    AppendField(text, "Jour : ", r.m_nDay);
    AppendField(text, "Heure : ", r.m_nHour);
    AppendField(text, "Minute : ", r.m_nMinute);
    AppendField(text, "Hémisphère Sud : ", r.m_bSouthern);
    AppendField(text, "Zone indéfinie constante : ", r.m_bConstZone);
    AppendField(text, "Fuseau horaire : ", r.m_nTimeZone);
    return WriteOutput(text);
}

int RunRemove(const Args& args) {
    if (args.size() != 2) {
        return UsageError("remove: expects FILE NAME");
    }
    std::string name;
    if (!StoreName(args[1], name)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(args[0], doc, false)) {
        return kExitRefused;
    }
    if (!doc.m_mapDateStore.RemoveKey(name)) {
        PrintError("Der Datensatz '" + args[1] + "' existiert nicht.");
        return kExitRefused;
    }
    doc.SetModifiedFlag(true);
    return SaveRecordFile(args[0], doc) ? kExitOk : kExitRefused;
}

int RunExport(const Args& args) {
    if (args.size() != 1) {
        return UsageError("export: expects FILE");
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(args[0], doc, false)) {
        return kExitRefused;
    }
    return WriteOutput(Cp1252ToUtf8(CopyAllText(doc.m_mapDateStore)));
}
