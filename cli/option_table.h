#pragma once
// The command line of each sub-command described as data: its options (name, kind of value,
// help line) and its synopsis. Parsing, the usage errors and the help text all come from it.
//
// Syntax: before "--", a word that begins with '-' (other than "-" alone, which names standard
// input, and, where numbers are values, a negative number) is an option; after "--" every word
// is a value, so a FILE or NAME that looks like an option follows "--". A value option takes
// "--name=VALUE" or the next word, whatever it is. Options may come before, between or after the
// values. The first bad argument is the one reported.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/text_catalogue.h"
#include "cli/commands.h"

enum class ValueKind {
    None,    // a flag
    Text,    // any word
    Integer, // ParseInteger (app/number_text.h)
};

struct OptionSpec {
    std::string_view name; // "--tz"
    ValueKind value = ValueKind::None;
    std::string_view valueName = {}; // "N": shown as "--tz N"
    std::string_view help = {};      // its lines, separated by '\n'; empty: not listed
    std::string_view label = {};     // listed as this instead ("--dst, --no-dst")
    int group = 0;                   // see OptionGroup
    bool stops = false;              // "--help": parsing ends there, successfully, whatever follows
};

// Options of one group exclude each other: a second one is a usage error (with repeatable,
// only when it is another option of the group).
struct OptionGroup {
    int id;
    bool repeatable;
    TextId conflict;
};

struct CommandSyntax {
    std::string_view name;    // "eval"
    std::string_view summary; // one line under the synopsis in its --help (English)
    std::span<const OptionSpec> options;
    std::span<const std::string_view> synopsis; // the lines after "vexamo-cli eval "
    bool numbersAreValues = false;              // "-5" is a value, not an option
    std::span<const OptionGroup> groups = {};
    // The messages for an Integer option without a value (%1: the option) and with one that is
    // not an integer (%1: the option, %2: the value).
    TextId integerMissing = TextId::CliOptionNeedsValue;
    TextId integerInvalid = TextId::CliNotInteger;
};

struct ParsedOption {
    const OptionSpec* spec = nullptr;
    std::string value;
    int32_t integer = 0; // for ValueKind::Integer
};

struct ParsedArgs {
    std::vector<std::string> words;    // the values, in order
    std::vector<ParsedOption> options; // in order given
    const OptionSpec* stop = nullptr;  // the stopping option met

    bool Has(std::string_view name) const;
    // The last one given.
    const ParsedOption* Last(std::string_view name) const;
};

// Parses args by the syntax. Returns the first usage error's message, beginning with the
// command's name ("eval: unknown option '--bogus'"), or nothing.
std::optional<std::string> ParseArgs(const Args& args, const CommandSyntax& syntax,
                                     ParsedArgs& out);

// The same for a command that takes exactly `words` values; another count is the usage error
// "<command>: expects <expects>".
std::optional<std::string> ParseArgs(const Args& args, const CommandSyntax& syntax, ParsedArgs& out,
                                     size_t words, std::string_view expects);

// The placeholders of synopses, help and usage errors ("DAY", "FILE", "OUT"), and the one phrase
// of a synopsis, "birth options as eval". Each is translated on its own, so that a usage line,
// the help under it and the messages name a value alike.
std::span<const std::string_view> Placeholders();

// The text with each placeholder word in the user's language: "FILE NAME" is "DATEI NAME" in
// German, "OUT.pdf" is "SORTIE.pdf" in French. Other words are kept.
std::string PlaceholderText(std::string_view english);

// "<command>: " followed by the text of id with its arguments: the wording of a usage error.
std::string CommandMessage(const CommandSyntax& syntax, TextId id,
                           std::initializer_list<std::string_view> args = {});

// The synopsis after lead ("  vexamo-cli eval "), its further lines aligned under the first.
std::string SynopsisText(std::string_view lead, const CommandSyntax& syntax);

// Concatenates option tables, in order: a table built from lists kept elsewhere.
template <size_t... N>
constexpr std::array<OptionSpec, (N + ...)> JoinOptions(const std::array<OptionSpec, N>&... parts) {
    std::array<OptionSpec, (N + ...)> all{};
    auto at = all.begin();
    ((at = std::copy(parts.begin(), parts.end(), at)), ...);
    return all;
}

// One entry per listed option: "  --tz N         hours to add ...", further lines aligned.
std::string OptionHelpText(const CommandSyntax& syntax);

// The help of "vexamo-cli <command> --help": "Usage: " with the synopsis, a blank line, the
// summary and the option help, in the user's language.
std::string CommandUsage(const CommandSyntax& syntax);
