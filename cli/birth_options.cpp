#include "cli/birth_options.h"

#include "app/number_text.h"

namespace {

const char* const kValueNames[] = {"DAY", "MONTH", "YEAR", "HOUR", "MINUTE"};

} // namespace

places::DstChoice DstOptionChoice(const ParsedArgs& parsed) {
    return parsed.Has(kDstOption.name)     ? places::DstChoice::Dst
           : parsed.Has(kNoDstOption.name) ? places::DstChoice::NoDst
                                           : places::DstChoice::None;
}

std::optional<std::string> ReadBirthArgs(const ParsedArgs& parsed, const CommandSyntax& syntax,
                                         const BirthWording& wording, BirthArgs& out) {
    bool tzGiven = false;
    bool takesTz = false;
    for (const OptionSpec& spec : syntax.options) {
        takesTz = takesTz || spec.name == kTzOption.name;
    }
    for (const ParsedOption& option : parsed.options) {
        const std::string_view name = option.spec->name;
        if (name == kTzOption.name) {
            out.input.timeZone = option.integer;
            tzGiven = true;
        } else if (name == kSouthernOption.name) {
            out.input.southern = true;
        } else if (name == kConstZoneOption.name) {
            out.input.constZone = true;
        } else if (name == kPlaceOption.name || name == kZoneOption.name) {
            out.zone = ZoneSource{name == kPlaceOption.name ? ZoneSource::Kind::Place
                                                            : ZoneSource::Kind::Zone,
                                  option.value};
        } else if (name == kDstOption.name) {
            out.zoneChoice.dst = places::DstChoice::Dst;
        } else if (name == kNoDstOption.name) {
            out.zoneChoice.dst = places::DstChoice::NoDst;
        } else if (name == kRoundOption.name) {
            out.zoneChoice.round = true;
        }
    }
    if (tzGiven && out.zone) {
        return CommandMessage(syntax, TextId::CliTzExcludes,
                              {out.zone->kind == ZoneSource::Kind::Place ? "place" : "zone"});
    }
    if (takesTz && !out.zone &&
        (out.zoneChoice.dst != places::DstChoice::None || out.zoneChoice.round)) {
        return CommandMessage(syntax, TextId::CliZoneChoiceNeedsSource);
    }
    const std::vector<std::string>& values = parsed.words;
    if (values.size() != wording.leading + 5) {
        const size_t given = values.size() > wording.leading ? values.size() - wording.leading : 0;
        return CommandMessage(syntax, wording.count, {std::to_string(given)});
    }
    out.leading.assign(values.begin(), values.begin() + static_cast<long>(wording.leading));
    int32_t BirthInput::*const targets[] = {&BirthInput::day, &BirthInput::month, &BirthInput::year,
                                            &BirthInput::hour, &BirthInput::minute};
    for (size_t k = 0; k < 5; ++k) {
        const std::string& text = values[wording.leading + k];
        const std::optional<int32_t> value = ParseInteger(text);
        if (!value) {
            return CommandMessage(syntax, wording.notInteger,
                                  {PlaceholderText(kValueNames[k]), text});
        }
        out.input.*targets[k] = *value;
    }
    return std::nullopt;
}

std::optional<std::string> ParseBirthArgs(const Args& args, const CommandSyntax& syntax,
                                          const BirthWording& wording, ParsedArgs& parsed,
                                          BirthArgs& out) {
    std::optional<std::string> error = ParseArgs(args, syntax, parsed);
    if (!error && parsed.stop == nullptr) {
        error = ReadBirthArgs(parsed, syntax, wording, out);
    }
    return error;
}
