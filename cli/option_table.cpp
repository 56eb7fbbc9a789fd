#include "cli/option_table.h"

#include "app/message_language.h"

#include <cctype>

#include "app/number_text.h"

namespace {

// A negative number such as "-5": a value where numbers are values.
bool LooksNumeric(const std::string& text) {
    return text.size() >= 2 && text[0] == '-' &&
           std::isdigit(static_cast<unsigned char>(text[1])) != 0;
}

// The option an argument names: the name alone, or for a value option "name=value".
const OptionSpec* FindOption(const CommandSyntax& syntax, const std::string& arg) {
    for (const OptionSpec& spec : syntax.options) {
        if (arg == spec.name) {
            return &spec;
        }
        if (spec.value != ValueKind::None && arg.size() > spec.name.size() &&
            arg.compare(0, spec.name.size(), spec.name) == 0 && arg[spec.name.size()] == '=') {
            return &spec;
        }
    }
    return nullptr;
}

const OptionGroup* FindGroup(const CommandSyntax& syntax, int id) {
    for (const OptionGroup& group : syntax.groups) {
        if (group.id == id) {
            return &group;
        }
    }
    return nullptr;
}

// The usage error of an option given after another of its group, if any.
std::optional<std::string> GroupConflict(const CommandSyntax& syntax, const ParsedArgs& parsed,
                                         const OptionSpec& spec) {
    const OptionGroup* group = spec.group != 0 ? FindGroup(syntax, spec.group) : nullptr;
    if (group == nullptr) {
        return std::nullopt;
    }
    for (const ParsedOption& earlier : parsed.options) {
        if (earlier.spec->group == spec.group && (!group->repeatable || earlier.spec != &spec)) {
            return CommandMessage(syntax, group->conflict);
        }
    }
    return std::nullopt;
}

constexpr std::string_view kPlaceholders[] = {
    "DAY",  "MONTH", "YEAR", "HOUR",  "MINUTE",
    "FILE", "NAME",  "ZONE", "QUERY", "CSV",
    "OUT",  "TEXT",  "N",    "D",     "birth options as eval",
};

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The placeholder that begins at text[at] as a word of its own, if any.
const std::string_view* PlaceholderAt(std::string_view text, size_t at) {
    if (at > 0 && IsWordCharacter(text[at - 1])) {
        return nullptr;
    }
    for (const std::string_view& placeholder : kPlaceholders) {
        const size_t end = at + placeholder.size();
        if (text.substr(at).starts_with(placeholder) &&
            (end == text.size() || !IsWordCharacter(text[end]))) {
            return &placeholder;
        }
    }
    return nullptr;
}

// The width of a text on a terminal: its characters, not its bytes ("ANNÉE" is five).
size_t Width(std::string_view text) {
    size_t width = 0;
    for (const char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u ? 1 : 0;
    }
    return width;
}

// A help text in the user's language (its English text is the key of the translation).
std::string HelpText(std::string_view english) {
    const std::string own(english);
    return MessagesTranslated() ? std::string(TranslatedMessage(own.c_str())) : own;
}

} // namespace

bool ParsedArgs::Has(std::string_view name) const {
    return Last(name) != nullptr;
}

const ParsedOption* ParsedArgs::Last(std::string_view name) const {
    const ParsedOption* found = nullptr;
    for (const ParsedOption& option : options) {
        if (option.spec->name == name) {
            found = &option;
        }
    }
    return found;
}

std::span<const std::string_view> Placeholders() {
    return kPlaceholders;
}

std::string PlaceholderText(std::string_view english) {
    if (!MessagesTranslated()) {
        return std::string(english);
    }
    std::string out;
    for (size_t at = 0; at < english.size();) {
        if (const std::string_view* placeholder = PlaceholderAt(english, at)) {
            out.append(TranslatedMessage("placeholder", std::string(*placeholder).c_str()));
            at += placeholder->size();
        } else {
            out.push_back(english[at++]);
        }
    }
    return out;
}

std::string CommandMessage(const CommandSyntax& syntax, TextId id,
                           std::initializer_list<std::string_view> args) {
    return std::string(syntax.name) + ": " + UserText(id, args);
}

std::optional<std::string> ParseArgs(const Args& args, const CommandSyntax& syntax,
                                     ParsedArgs& out) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-' &&
                              !(syntax.numbersAreValues && LooksNumeric(arg));
        if (!isOption) {
            out.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* spec = FindOption(syntax, arg);
        if (spec == nullptr) {
            return CommandMessage(syntax, TextId::CliUnknownOption, {arg});
        }
        if (spec->stops) {
            out.stop = spec;
            return std::nullopt;
        }
        ParsedOption option{spec, {}, 0};
        if (spec->value != ValueKind::None) {
            if (arg.size() > spec->name.size()) {
                option.value = arg.substr(spec->name.size() + 1);
            } else if (i + 1 < args.size()) {
                option.value = args[++i];
            } else {
                return CommandMessage(syntax,
                                      spec->value == ValueKind::Integer
                                          ? syntax.integerMissing
                                          : TextId::CliOptionNeedsValue,
                                      {spec->name});
            }
        }
        if (spec->value == ValueKind::Integer) {
            const std::optional<int32_t> value = ParseInteger(option.value);
            if (!value) {
                return CommandMessage(syntax, syntax.integerInvalid, {spec->name, option.value});
            }
            option.integer = *value;
        }
        if (auto conflict = GroupConflict(syntax, out, *spec)) {
            return conflict;
        }
        out.options.push_back(std::move(option));
    }
    return std::nullopt;
}

std::optional<std::string> ParseArgs(const Args& args, const CommandSyntax& syntax, ParsedArgs& out,
                                     size_t words, std::string_view expects) {
    std::optional<std::string> error = ParseArgs(args, syntax, out);
    if (!error && out.words.size() != words) {
        error = CommandMessage(syntax, TextId::CliExpects, {PlaceholderText(expects)});
    }
    return error;
}

std::string SynopsisText(std::string_view lead, const CommandSyntax& syntax) {
    std::string out;
    for (const std::string_view line : syntax.synopsis) {
        if (out.empty()) {
            out.append(lead);
        } else {
            out.append(Width(lead), ' ');
        }
        out.append(PlaceholderText(line)).append("\n");
    }
    return out;
}

std::string OptionHelpText(const CommandSyntax& syntax) {
    constexpr size_t kColumn = 15; // where the help begins, after two blanks of indent
    std::string out;
    for (const OptionSpec& spec : syntax.options) {
        if (spec.help.empty()) {
            continue;
        }
        std::string label(spec.label);
        if (label.empty()) {
            label = std::string(spec.name);
            if (!spec.valueName.empty()) {
                label.append(" ").append(spec.valueName);
            }
        }
        label = PlaceholderText(label);
        out.append("  ").append(label);
        const size_t width = Width(label);
        out.append(width + 2 > kColumn ? 2 : kColumn - width, ' ');
        const std::string translated = HelpText(spec.help);
        std::string_view help = translated;
        for (size_t end = help.find('\n'); end != std::string_view::npos; end = help.find('\n')) {
            out.append(help.substr(0, end)).append("\n").append(kColumn + 2, ' ');
            help.remove_prefix(end + 1);
        }
        out.append(help).append("\n");
    }
    return out;
}

std::string CommandUsage(const CommandSyntax& syntax) {
    return SynopsisText(HelpText("Usage: ") + "vexamo-cli " + std::string(syntax.name) + " ",
                        syntax) +
           "\n" + HelpText(syntax.summary) + "\n" + OptionHelpText(syntax);
}
