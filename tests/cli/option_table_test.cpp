// The command lines described as tables: accepted syntax, the first bad argument reported, each
// command's wording, and the help written from the tables.
#include "cli/option_table.h"

#include <gtest/gtest.h>

#include "cli/birth_options.h"
#include "tests/cli/cli_runner.h"

namespace {

// The test's own options first, then the birth options.
const OptionSpec kOptions[] = {
    {"--flag"},
    {"--text", ValueKind::Text},
    {"--stop", ValueKind::None, {}, {}, {}, 0, true},
    kTzOption,
    kSouthernOption,
    kConstZoneOption,
    kPlaceOption,
    kZoneOption,
    kDstOption,
    kNoDstOption,
    kRoundOption,
};
const std::string_view kSynopsis[] = {"[--flag]", "DAY MONTH YEAR HOUR MINUTE"};
const CommandSyntax kSyntax{"cmd", "Tries the table.", kOptions, kSynopsis, true, kBirthGroups};
const BirthWording kWording{TextId::CliBirthValueCount, TextId::CliNotInteger, 0};

// The usage error of the arguments, or "" with the birth in out.
std::string Parse(const Args& args, BirthArgs& out, ParsedArgs* parsed = nullptr) {
    ParsedArgs local;
    return ParseBirthArgs(args, kSyntax, kWording, parsed != nullptr ? *parsed : local, out)
        .value_or("");
}

std::string ErrorOf(const Args& args) {
    BirthArgs out;
    return Parse(args, out);
}

TEST(OptionTable, NegativeNumbersAreValuesAndOptionsGoAnywhere) {
    BirthArgs a;
    ParsedArgs parsed;
    EXPECT_EQ(Parse({"-5", "--tz", "-1", "13", "--southern", "-1850", "--flag", "25", "--tz=+3",
                     "-1", "--const-zone", "--text", "--southern"},
                    a, &parsed),
              "");
    EXPECT_EQ(a.input, (BirthInput{-5, 13, -1850, 25, -1, 3, true, true}));
    EXPECT_TRUE(parsed.Has("--flag"));
    EXPECT_EQ(parsed.Last("--text")->value, "--southern"); // a value option takes the next word
    EXPECT_EQ(parsed.stop, nullptr);
    // After "--" everything is a value; the time difference stays at the form's 1.
    BirthArgs b;
    EXPECT_EQ(Parse({"--", "1", "2", "3", "4", "-5"}, b), "");
    EXPECT_EQ(b.input, (BirthInput{1, 2, 3, 4, -5, 1}));
    // Blanks around a number, as in the form.
    EXPECT_EQ(Parse({" 1", "2 ", "3", "4", "5", "--tz", " -2 "}, b), "");
    EXPECT_EQ(b.input.timeZone, -2);
}

TEST(OptionTable, FirstBadArgumentWins) {
    const std::pair<Args, std::string> cases[] = {
        {{"1", "2", "3", "4", "--", "--southern"},
         "cmd: MINUTE must be an integer, not '--southern'"},
        {{"--bogus", "--stop"}, "cmd: unknown option '--bogus'"},
        {{"--tz", "x", "--bogus"}, "cmd: --tz must be an integer, not 'x'"},
        {{"--tz="}, "cmd: --tz must be an integer, not ''"},
        {{"--tz=", "1"}, "cmd: --tz must be an integer, not ''"},
        {{"1", "--tz"}, "cmd: --tz needs a value"},
        {{"--text"}, "cmd: --text needs a value"},
        {{"1", "2"}, "cmd: expected DAY MONTH YEAR HOUR MINUTE, got 2 value(s)"},
        {{"1", "2", "99999999999", "x", "5"}, "cmd: YEAR must be an integer, not '99999999999'"},
        {{"--southern=1", "1", "2", "3", "4", "5"}, "cmd: unknown option '--southern=1'"},
        {{"--place", "A", "--place", "B", "--bogus"}, "cmd: give only one --place or --zone"},
        {{"--dst", "--dst", "--no-dst", "--bogus"}, "cmd: --dst and --no-dst exclude each other"},
        {{"--tz", "2", "--zone", "Europe/Berlin", "1", "2", "3", "4", "5"},
         "cmd: --tz and --zone exclude each other"},
        {{"--round", "1", "2", "3", "4", "5"},
         "cmd: --dst, --no-dst and --round need --place or --zone"},
    };
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(ErrorOf(args), message);
    }
    ParsedArgs parsed;
    BirthArgs a;
    EXPECT_EQ(Parse({"--stop", "--bogus"}, a, &parsed), "");
    EXPECT_EQ(parsed.stop->name, "--stop");
}

TEST(OptionTable, HelpComesFromTheTable) {
    EXPECT_EQ(SynopsisText("  x cmd ", kSyntax), "  x cmd [--flag]\n"
                                                 "        DAY MONTH YEAR HOUR MINUTE\n");
    const std::string help = OptionHelpText(kSyntax);
    EXPECT_EQ(help.rfind("  --tz N         hours to add", 0), 0u) << help;
    EXPECT_NE(help.find("\n  --place NAME   instead of --tz: the time difference in force at the "
                        "birthplace\n                 (the most populous"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("\n  --dst, --no-dst  for a time"), std::string::npos) << help;
    EXPECT_EQ(help.find("--no-dst"), help.rfind("--no-dst")); // listed once, with --dst
    EXPECT_EQ(help.find("--flag"), std::string::npos);        // no help line: not listed
    // Every option of eval's help is one it accepts.
    const CliResult eval = RunCliCaptured({"eval", "--help"});
    for (const OptionSpec& option : kOptions) {
        if (!option.help.empty()) {
            EXPECT_NE(eval.out.find(option.name), std::string::npos) << option.name;
        }
    }
}

TEST(OptionTable, EachCommandKeepsItsWording) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "missing command"},
        {{"eval"}, "eval: expected DAY MONTH YEAR HOUR MINUTE, got 0 value(s)"},
        {{"eval", "1", "2", "3", "4", "x"}, "eval: MINUTE must be an integer, not 'x'"},
        {{"eval", "--tz"}, "eval: --tz needs a value"},
        {{"eval", "--tz=x", "1", "2", "3", "4", "5"}, "eval: --tz must be an integer, not 'x'"},
        {{"eval", "--bogus"}, "eval: unknown option '--bogus'"},
        {{"add", "f.dat"}, "add: expects FILE NAME DAY MONTH YEAR HOUR MINUTE"},
        {{"add", "f.dat", "N", "1", "2", "3", "4"},
         "add: expects DAY MONTH YEAR HOUR MINUTE after FILE NAME"},
        {{"add", "f.dat", "N", "--tz"}, "add: --tz expects a number"},
        {{"add", "f.dat", "N", "--tz", "y", "1", "2", "3", "4", "5"},
         "add: --tz expects a number, not 'y'"},
        {{"add", "f.dat", "N", "1", "2", "3", "4", "5.5"},
         "add: MINUTE must be an integer, not '5.5'"},
        {{"add", "f.dat", "N", "-h", "1", "2", "3", "4", "5"}, "add: unknown option '-h'"},
        {{"zone", "--tz", "1"}, "zone: unknown option '--tz'"},
        {{"zone", "1", "2", "3", "4", "5"}, "zone: expected --place NAME or --zone ZONE"},
        {{"places"}, "places: expected QUERY"},
        {{"list"}, "list: expects FILE"},
        {{"show", "f.dat", "--format=csv"}, "show: unknown option '--format=csv'"},
        {{"remove", "f.dat"}, "remove: expects FILE NAME"},
        {{"import", "f.dat", "c.csv", "x"}, "import: expects FILE CSV"},
        {{"batch", "a", "b"}, "batch: expects at most one FILE"},
        {{"batch", "--format", "tsv"}, "batch: --format expects csv or jsonl, not 'tsv'"},
        {{"export", "f.dat", "--format"}, "export: --format needs a value"},
        {{"export", "f.dat", "--format=xml"},
         "export: --format expects tsv, csv or jsonl, not 'xml'"},
        {{"bogus"}, "unknown command 'bogus'"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = RunCliCaptured(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vexamo-cli: " + message + "\nTry 'vexamo-cli --help'.\n");
    }
}

TEST(OptionTable, VersionComesFromTheBuild) {
    for (const Args& args : {Args{"--version"}, Args{"eval", "--version"}}) {
        const CliResult r = RunCliCaptured(args);
        EXPECT_EQ(r.status, 0);
        // The first line as ever; the second credits the licence, the data and the libraries.
        const std::string first = "vexamo-cli " VEXAMO_VERSION "\n";
        ASSERT_EQ(r.out.substr(0, first.size()), first);
        const std::string second = r.out.substr(first.size());
        ASSERT_FALSE(second.empty());
        EXPECT_EQ(second.find('\n'), second.size() - 1) << second; // one line, ended
#ifdef _WIN32
        const char* const window = "the window uses Win32."; // vexamo.exe's, which has no Qt
#else
        const char* const window = "Qt 6.";
#endif
        for (const char* fact :
             {"GPL-3.0-or-later", "GeoNames", "CC BY 4.0", "libgeonames", "tzdata", window}) {
            EXPECT_NE(second.find(fact), std::string::npos) << fact << " in " << second;
        }
    }
}

} // namespace
