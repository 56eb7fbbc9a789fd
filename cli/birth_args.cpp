#include "cli/birth_args.h"

#include <algorithm>
#include <optional>

#include "cli/int_arg.h"

namespace {

const char* const kValueNames[] = {"DAY", "MONTH", "YEAR", "HOUR", "MINUTE"};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::string Replace(std::string text, const std::string& mark, const std::string& by) {
    const size_t at = text.find(mark);
    if (at != std::string::npos) {
        text.replace(at, mark.size(), by);
    }
    return text;
}

// The value of an option given as "--name VALUE" or "--name=VALUE". Returns false when it is
// missing.
bool OptionValue(const Args& args, size_t& i, const std::string& name, std::string& value) {
    const std::string& arg = args[i];
    if (arg.size() > name.size()) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 < args.size()) {
        value = args[++i];
        return true;
    }
    return false;
}

bool IsOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

} // namespace

bool BirthArgs::Has(const std::string& flag) const {
    return Contains(flags, flag);
}

bool ParseBirthArgs(const Args& args, size_t first, const BirthSyntax& syntax, BirthArgs& out,
                    std::string& error) {
    const std::string prefix = syntax.command + ": ";
    std::vector<std::string> values;
    bool optionsEnded = false;
    bool tzGiven = false;
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption =
            !optionsEnded && arg.size() > 1 && arg[0] == '-' && !LooksNumeric(arg);
        if (!isOption) {
            values.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (syntax.birthOptions && (arg == "--tz" || arg.rfind("--tz=", 0) == 0)) {
            std::string text;
            if (arg != "--tz") {
                text = arg.substr(5);
            } else if (i + 1 < args.size()) {
                text = args[++i];
            } else {
                error = prefix + syntax.tzMissing;
                return false;
            }
            const std::optional<int32_t> tz = ParseInt32(text);
            if (!tz) {
                error = prefix + syntax.tzNotNumber + "'" + text + "'";
                return false;
            }
            out.input.timeZone = *tz;
            tzGiven = true;
        } else if (syntax.birthOptions && arg == "--southern") {
            out.input.southern = true;
        } else if (syntax.birthOptions && arg == "--const-zone") {
            out.input.constZone = true;
        } else if (IsOption(arg, "--place") || IsOption(arg, "--zone")) {
            const bool place = IsOption(arg, "--place");
            const std::string name = place ? "--place" : "--zone";
            std::string value;
            if (!OptionValue(args, i, name, value)) {
                error = prefix + name + " needs a value";
                return false;
            }
            if (out.zone) {
                error = prefix + "give only one --place or --zone";
                return false;
            }
            out.zone = ZoneSource{place ? ZoneSource::Kind::Place : ZoneSource::Kind::Zone, value};
        } else if (arg == "--dst" || arg == "--no-dst") {
            const places::DstChoice dst =
                arg == "--dst" ? places::DstChoice::Dst : places::DstChoice::NoDst;
            if (out.zoneChoice.dst != places::DstChoice::None && out.zoneChoice.dst != dst) {
                error = prefix + "--dst and --no-dst exclude each other";
                return false;
            }
            out.zoneChoice.dst = dst;
        } else if (arg == "--round") {
            out.zoneChoice.round = true;
        } else if (Contains(syntax.flags, arg)) {
            out.flags.push_back(arg);
        } else if (Contains(syntax.stopFlags, arg)) {
            out.stopFlag = arg;
            return true;
        } else {
            error = prefix + "unknown option '" + arg + "'";
            return false;
        }
    }
    if (tzGiven && out.zone) {
        error = prefix + "--tz and --" +
                (out.zone->kind == ZoneSource::Kind::Place ? "place" : "zone") +
                " exclude each other";
        return false;
    }
    if (syntax.birthOptions && !out.zone &&
        (out.zoneChoice.dst != places::DstChoice::None || out.zoneChoice.round)) {
        error = prefix + "--dst, --no-dst and --round need --place or --zone";
        return false;
    }
    if (values.size() != syntax.leading + 5) {
        const size_t given = values.size() > syntax.leading ? values.size() - syntax.leading : 0;
        error = prefix + Replace(syntax.countWrong, "%n", std::to_string(given));
        return false;
    }
    out.leading.assign(values.begin(), values.begin() + static_cast<long>(syntax.leading));
    values.erase(values.begin(), values.begin() + static_cast<long>(syntax.leading));
    int32_t* const targets[] = {&out.input.day, &out.input.month, &out.input.year, &out.input.hour,
                                &out.input.minute};
    for (size_t k = 0; k < values.size(); ++k) {
        const std::optional<int32_t> value = ParseInt32(values[k]);
        if (!value) {
            error = prefix + kValueNames[k] + syntax.valueNotNumber + "'" + values[k] + "'";
            return false;
        }
        *targets[k] = *value;
    }
    return true;
}
