// Autumn's repeated hour in batch and import: the dst column (in any of its header names) and
// --dst/--no-dst for the rows that leave it empty, as eval takes them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_messages.h"
#include "app/record_commands.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

namespace {

// 29 October 2000, 02:30 in Berlin happened twice: in summer time (UTC+2), then in winter time
// (UTC+1). 1 June 2000, 02:30 happened once, in summer time.
constexpr const char* kTwice = "29,10,2000,2,30,Europe/Berlin";
constexpr const char* kOnce = "1,6,2000,2,30,Europe/Berlin";

struct DstCase {
    const char* moment;
    const char* column; // the row's dst
    std::vector<std::string> options;
    int offsetMinutes;  // 0: refused
    const char* reason; // a part of the refusal
};

const DstCase kCases[] = {
    {kTwice, "", {}, 0, "--no-dst"},
    {kTwice, "1", {}, 120, ""},
    {kTwice, "0", {}, 60, ""},
    {kTwice, "", {"--dst"}, 120, ""},
    {kTwice, "", {"--no-dst"}, 60, ""},
    {kTwice, "0", {"--dst"}, 60, ""}, // the column wins
    {kTwice, "1", {"--no-dst"}, 120, ""},
    {kOnce, "0", {}, 120, ""}, // ignored, as eval ignores --no-dst
    {kOnce, "", {"--no-dst"}, 120, ""},
    {kTwice, "x", {"--dst"}, 0, "dst"},
    {kTwice, "2", {}, 0, "dst"},
    {kTwice, "yes", {}, 0, "dst"},
};

std::string Csv(const DstCase& c, const char* dstHeader = "dst") {
    return std::string("name,day,month,year,hour,minute,zone,") + dstHeader + "\nAnna," + c.moment +
           "," + c.column + "\n";
}

std::string Describe(const DstCase& c) {
    std::string text = std::string(c.moment) + " dst='" + c.column + "'";
    for (const std::string& option : c.options) {
        text += " " + option;
    }
    return text;
}

using CliDstRows = TempDirTest;

TEST_F(CliDstRows, BatchTakesTheColumnThenTheOption) {
    for (const DstCase& c : kCases) {
        std::vector<std::string> args{"batch"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = RunCliWith(args, Csv(c));
        if (c.offsetMinutes != 0) {
            EXPECT_EQ(r.status, 0) << Describe(c) << r.out;
            EXPECT_NE(r.out.find(",Europe/Berlin," + std::to_string(c.offsetMinutes) + ",ok,"),
                      std::string::npos)
                << Describe(c) << r.out;
        } else {
            EXPECT_EQ(r.status, 1) << Describe(c) << r.out;
            EXPECT_NE(r.out.find(",error,"), std::string::npos) << Describe(c);
            EXPECT_NE(r.out.find(c.reason), std::string::npos) << Describe(c) << r.out;
        }
    }
}

TEST_F(CliDstRows, ImportStoresTheChosenTimeDifference) {
    int n = 0;
    for (const DstCase& c : kCases) {
        const std::string file = Path("d" + std::to_string(n++) + ".dat");
        std::vector<std::string> args{"import", file, "-"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = RunCliWith(args, Csv(c));
        if (c.offsetMinutes == 0) {
            EXPECT_EQ(r.status, 1) << Describe(c);
            EXPECT_NE(r.err.find("line 2"), std::string::npos) << Describe(c) << r.err;
            EXPECT_NE(r.err.find(c.reason), std::string::npos) << Describe(c) << r.err;
            continue;
        }
        ASSERT_EQ(r.status, 0) << Describe(c) << r.err;
        CVexamoDoc doc;
        std::string error;
        ASSERT_TRUE(OpenRecordDocument(doc, file, error)) << error;
        VXDateStore stored;
        ASSERT_EQ(LookupRecord(doc.m_mapDateStore, "Anna", stored), RecordRefusal::None);
        // The form's time difference: the hours to add to reach Greenwich time.
        EXPECT_EQ(stored.m_nTimeZone, -c.offsetMinutes / 60) << Describe(c);
    }
}

TEST_F(CliDstRows, TheColumnHasGermanAndFrenchNames) {
    const DstCase summer{kTwice, "1", {"--no-dst"}, 120, ""};
    for (const char* header : {"dst", "DST", "Sommerzeit", "sommerzeit", "Heure d'\u00E9t\u00E9",
                               "HEURE D'\u00C9T\u00C9"}) {
        const CliResult r = RunCliWith({"batch", "--no-dst"}, Csv(summer, header));
        EXPECT_NE(r.out.find(",Europe/Berlin,120,ok,"), std::string::npos) << header << r.out;
    }
}

TEST_F(CliDstRows, TheOptionsAreEvalsAndExcludeEachOther) {
    const DstCase twice{kTwice, "", {}, 0, ""};
    for (const char* command : {"batch", "import"}) {
        std::vector<std::string> args{command};
        if (std::string(command) == "import") {
            args.push_back(Path("x.dat"));
        }
        args.insert(args.end(), {"-", "--dst", "--no-dst"});
        const CliResult r = RunCliWith(args, Csv(twice));
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_NE(r.err.find("--dst"), std::string::npos) << command << r.err;
        const CliResult help = RunCliCaptured({command, "--help"});
        EXPECT_NE(help.out.find("--dst, --no-dst"), std::string::npos) << command;
    }
    // Rows with a time difference of their own take no dst.
    const CliResult tz =
        RunCliWith({"batch", "--dst"}, "day,month,year,hour,minute,tz,dst\n29,10,2000,2,30,1,1\n");
    EXPECT_EQ(tz.status, 0) << tz.out;
}

} // namespace
