// vexamo-cli add: stores a record under a name, as "Ajouter" does (no range checks).
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/int_arg.h"
#include "cli/record_common.h"

namespace {

struct AddArgs {
    std::string file;
    std::string name;
    bool replace = false;
    int32_t timeZone = 1; // the form's default
    int32_t southern = 0;
    int32_t constZone = 0;
    std::vector<int32_t> values; // day, month, year, hour, minute
};

const char* const kValueNames[] = {"DAY", "MONTH", "YEAR", "HOUR", "MINUTE"};

// Returns 0 when parsed, else the exit status of the usage error already reported.
int ParseAddArgs(const Args& args, AddArgs& out) {
    if (args.size() < 2) {
        return UsageError("add: expects FILE NAME DAY MONTH YEAR HOUR MINUTE");
    }
    out.file = args[0];
    out.name = args[1];
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool isOption = !optionsEnded && a.size() > 1 && a[0] == '-' && !LooksNumeric(a);
        if (!isOption) {
            positional.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--replace") {
            out.replace = true;
        } else if (a == "--southern") {
            out.southern = 1;
        } else if (a == "--const-zone") {
            out.constZone = 1;
        } else if (a == "--tz" || a.rfind("--tz=", 0) == 0) {
            std::string value;
            if (a != "--tz") {
                value = a.substr(5);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return UsageError("add: --tz expects a number");
            }
            const std::optional<int32_t> tz = ParseInt32(value);
            if (!tz) {
                return UsageError("add: --tz expects a number, not '" + value + "'");
            }
            out.timeZone = *tz;
        } else {
            return UsageError("add: unknown option '" + a + "'");
        }
    }
    if (positional.size() != 5) {
        return UsageError("add: expects DAY MONTH YEAR HOUR MINUTE after FILE NAME");
    }
    for (size_t k = 0; k < positional.size(); ++k) {
        const std::optional<int32_t> v = ParseInt32(positional[k]);
        if (!v) {
            return UsageError(std::string("add: ") + kValueNames[k] + " must be an integer, not '" +
                              positional[k] + "'");
        }
        out.values.push_back(*v);
    }
    return 0;
}

} // namespace

int RunAdd(const Args& args) {
    AddArgs a;
    if (const int status = ParseAddArgs(args, a); status != 0) {
        return status;
    }
    std::string name;
    if (!StoreName(a.name, name)) {
        return kExitRefused;
    }
    CVexamoDoc doc;
    if (!LoadRecordFile(a.file, doc, true)) {
        return kExitRefused;
    }
    const VXDateStore record(a.values[2], a.values[1], a.values[0], a.values[3], a.values[4],
                             a.southern, a.constZone, a.timeZone);
    VXDateStore existing;
    if (doc.m_mapDateStore.Lookup(name, existing)) {
        if (!a.replace) {
            PrintError("Der Datensatz '" + a.name + "' existiert bereits; --replace ersetzt ihn.");
            return kExitRefused;
        }
        // A replacement moves the entry to the head of its chain.
        doc.m_mapDateStore.RemoveKey(name);
    }
    doc.m_mapDateStore.SetAt(name, record);
    doc.SetModifiedFlag(true);
    return SaveRecordFile(a.file, doc) ? kExitOk : kExitRefused;
}
