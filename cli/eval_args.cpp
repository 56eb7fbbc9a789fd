#include "cli/eval_args.h"

#include <optional>
#include <vector>

#include "cli/int_arg.h"

namespace {

const char* const kPositionalNames[] = {"DAY", "MONTH", "YEAR", "HOUR", "MINUTE"};

bool ParseTimeZone(const std::string& text, EvalArgs& out, std::string& error) {
    const std::optional<int32_t> value = ParseInt32(text);
    if (!value) {
        error = "eval: --tz needs an integer, got '" + text + "'";
        return false;
    }
    out.timeZone = *value;
    return true;
}

} // namespace

bool ParseEvalArgs(const Args& args, EvalArgs& out, std::string& error) {
    std::vector<std::string> positionals;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption =
            !optionsEnded && arg.size() > 1 && arg[0] == '-' && !LooksNumeric(arg);
        if (!isOption) {
            positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--tz") {
            if (i + 1 >= args.size()) {
                error = "eval: --tz needs a value";
                return false;
            }
            if (!ParseTimeZone(args[++i], out, error)) {
                return false;
            }
        } else if (arg.rfind("--tz=", 0) == 0) {
            if (!ParseTimeZone(arg.substr(5), out, error)) {
                return false;
            }
        } else if (arg == "--southern") {
            out.southern = true;
        } else if (arg == "--const-zone") {
            out.constZone = true;
        } else if (arg == "--before-1900") {
            out.before1900 = true;
        } else if (arg == "--json") {
            out.json = true;
        } else if (arg == "--help" || arg == "-h") {
            out.help = true;
            return true;
        } else if (arg == "--version") {
            out.version = true;
            return true;
        } else {
            error = "eval: unknown option '" + arg + "'";
            return false;
        }
    }
    if (positionals.size() != 5) {
        error = "eval: expected DAY MONTH YEAR HOUR MINUTE, got " +
                std::to_string(positionals.size()) + " value(s)";
        return false;
    }
    int32_t* const targets[] = {&out.day, &out.month, &out.year, &out.hour, &out.minute};
    for (size_t k = 0; k < positionals.size(); ++k) {
        const std::optional<int32_t> value = ParseInt32(positionals[k]);
        if (!value) {
            error = std::string("eval: ") + kPositionalNames[k] + " must be an integer, got '" +
                    positionals[k] + "'";
            return false;
        }
        *targets[k] = *value;
    }
    return true;
}
