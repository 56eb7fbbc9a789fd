#include "cli/arg_scan.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

bool ScannedArgs::Has(const std::string& flag) const {
    return Contains(flags, flag);
}

std::optional<std::string> ScannedArgs::Value(const std::string& option) const {
    std::optional<std::string> found;
    for (const auto& [name, value] : values) {
        if (name == option) {
            found = value;
        }
    }
    return found;
}

bool ScanArgs(const Args& args, const ArgRules& rules, ScannedArgs& out, std::string& error) {
    const std::string prefix = rules.command + ": ";
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            out.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (Contains(rules.flags, arg)) {
            out.flags.push_back(arg);
            continue;
        }
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        if (!Contains(rules.valueOptions, name)) {
            error = prefix + "unknown option '" + arg + "'";
            return false;
        }
        if (eq != std::string::npos) {
            out.values.emplace_back(name, arg.substr(eq + 1));
        } else if (i + 1 < args.size()) {
            out.values.emplace_back(name, args[++i]);
        } else {
            error = prefix + name + " needs a value";
            return false;
        }
    }
    return true;
}
