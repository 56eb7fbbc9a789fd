// The one birth parser of "eval" and "add": accepted syntax and the wording of each command.
#include "cli/birth_args.h"

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace {

const BirthSyntax kSyntax{"cmd",     {"--flag"}, {"--stop"},      "tz missing",
                          "tz bad ", "count %n", " not a number "};

BirthArgs Parse(const Args& args, std::string* error = nullptr) {
    BirthArgs out;
    std::string message;
    const bool ok = ParseBirthArgs(args, 0, kSyntax, out, message);
    EXPECT_EQ(ok, message.empty()) << message;
    if (error != nullptr) {
        *error = message;
    }
    return out;
}

TEST(BirthArgs, NegativeNumbersAreValuesAndOptionsGoAnywhere) {
    const BirthArgs a = Parse({"-5", "--tz", "-1", "13", "--southern", "-1850", "--flag", "25",
                               "--tz=+3", "-1", "--const-zone"});
    EXPECT_EQ(a.input, (BirthInput{-5, 13, -1850, 25, -1, 3, true, true}));
    EXPECT_TRUE(a.Has("--flag"));
    EXPECT_EQ(a.stopFlag, "");
    // After "--" everything is a value; the time difference stays at the form's 1.
    std::string error;
    Parse({"1", "2", "3", "4", "--", "--southern"}, &error);
    EXPECT_EQ(error, "cmd: MINUTE not a number '--southern'");
    EXPECT_EQ(Parse({"--", "1", "2", "3", "4", "-5"}).input, (BirthInput{1, 2, 3, 4, -5, 1}));
}

TEST(BirthArgs, StopFlagEndsParsingAtOnce) {
    std::string error;
    EXPECT_EQ(Parse({"--stop", "--bogus"}, &error).stopFlag, "--stop");
    Parse({"--bogus", "--stop"}, &error);
    EXPECT_EQ(error, "cmd: unknown option '--bogus'");
}

TEST(BirthArgs, FirstErrorInArgumentOrder) {
    std::string error;
    Parse({"--tz", "x", "--bogus"}, &error);
    EXPECT_EQ(error, "cmd: tz bad 'x'");
    Parse({"--tz="}, &error);
    EXPECT_EQ(error, "cmd: tz bad ''");
    Parse({"1", "--tz"}, &error);
    EXPECT_EQ(error, "cmd: tz missing");
    Parse({"1", "2"}, &error);
    EXPECT_EQ(error, "cmd: count 2");
    Parse({"1", "2", "99999999999", "x", "5"}, &error);
    EXPECT_EQ(error, "cmd: YEAR not a number '99999999999'");
    Parse({"--southern=1", "1", "2", "3", "4", "5"}, &error);
    EXPECT_EQ(error, "cmd: unknown option '--southern=1'");
}

TEST(BirthArgs, EachCommandKeepsItsWording) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"eval"}, "eval: expected DAY MONTH YEAR HOUR MINUTE, got 0 value(s)"},
        {{"eval", "1", "2", "3", "4", "x"}, "eval: MINUTE must be an integer, got 'x'"},
        {{"eval", "--tz"}, "eval: --tz needs a value"},
        {{"eval", "--tz=x", "1", "2", "3", "4", "5"}, "eval: --tz needs an integer, got 'x'"},
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
        {{"bogus"}, "unknown command 'bogus'"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = RunCliCaptured(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vexamo-cli: " + message + "\nTry 'vexamo-cli --help'.\n");
    }
}

} // namespace
