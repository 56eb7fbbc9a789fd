// Names in every script through each record command of vexamo-cli: what goes in as UTF-8 comes
// out as the same UTF-8, decomposed input finds the composed name, malformed UTF-8 is refused.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/file_messages.h"
#include "app/record_commands.h"
#include "records/vexamo_doc.h"
#include "tests/cli/cli_runner.h"
#include "tests/records/temp_dir.h"

using json = nlohmann::json;

namespace {

struct ScriptName {
    const char* script;
    std::string name;
    bool wide; // kept as UTF-16 in the file
};

const ScriptName kNames[] = {
    {"Latin", "\u0141ukasz \u017Bak", true},
    {"Latin within Windows-1252", "Zo\u00EB M\u00FCller", false},
    {"Greek", "\u039D\u03AF\u03BA\u03BF\u03C2", true},
    {"Cyrillic", "\u041C\u043E\u0441\u043A\u0432\u0430 \u0418\u0432\u0430\u043D", true},
    {"Hebrew", "\u05D3\u05D5\u05D3 \u05DB\u05D4\u05DF", true},
    {"Arabic", "\u0639\u0644\u064A \u062D\u0633\u0646", true},
    {"Chinese", "\u674E\u5C0F\u9F99", true},
    {"emoji", "Eva \U0001F600\U0001F30D", true},
};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> AllNames() {
    std::vector<std::string> names;
    for (const ScriptName& n : kNames) {
        names.push_back(n.name);
    }
    return Sorted(names);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

class CliScriptNames : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        file_ = Path("p.dat");
    }

    CliResult Run(const std::vector<std::string>& args, const std::string& input = {}) const {
        return RunCliWith(args, input);
    }

    DateStoreMap Load(const std::string& path) const {
        CVexamoDoc doc;
        std::string error;
        EXPECT_TRUE(OpenRecordDocument(doc, path, error)) << error;
        return std::move(doc.m_mapDateStore);
    }

    // Every name added with add, each on its own day.
    void AddAll() const {
        int day = 1;
        for (const ScriptName& n : kNames) {
            const CliResult r =
                Run({"add", file_, n.name, std::to_string(day++), "3", "2000", "12", "0"});
            ASSERT_EQ(r.status, 0) << n.script << ": " << r.err;
        }
    }

    std::string file_;
};

TEST_F(CliScriptNames, AddShowListRemoveKeepEveryName) {
    AddAll();
    const DateStoreMap store = Load(file_);
    int day = 1;
    for (const ScriptName& n : kNames) {
        NameKey key;
        ASSERT_TRUE(Utf8ToNameKey(n.name, key));
        EXPECT_EQ(key.IsWide(), n.wide) << n.script;
        VXDateStore record;
        ASSERT_TRUE(store.Lookup(key, record)) << n.script;
        EXPECT_EQ(record.m_nDay, day++);

        const CliResult shown = Run({"show", file_, n.name});
        EXPECT_EQ(shown.status, 0) << n.script << ": " << shown.err;
        EXPECT_EQ(shown.out.rfind("Nom : " + n.name + "\n", 0), 0u) << shown.out;
        const CliResult asJson = Run({"show", file_, n.name, "--json"});
        ASSERT_EQ(asJson.status, 0) << asJson.err;
        EXPECT_EQ(json::parse(asJson.out)["name"], n.name);
    }
    EXPECT_EQ(Sorted(Lines(Run({"list", file_}).out)), AllNames());
    EXPECT_EQ(Sorted(json::parse(Run({"list", "--json", file_}).out)), AllNames());

    for (const ScriptName& n : kNames) {
        EXPECT_EQ(Run({"remove", file_, n.name}).status, 0) << n.script;
        EXPECT_EQ(Run({"show", file_, n.name}).status, 1) << n.script;
    }
    EXPECT_TRUE(Load(file_).IsEmpty());
}

TEST_F(CliScriptNames, EveryExportFormatReadsBackThroughImport) {
    AddAll();
    const DateStoreMap original = Load(file_);
    const CliResult csv = Run({"export", "--format", "csv", file_});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string copy = Path("copy.dat");
    ASSERT_EQ(Run({"import", copy, "-"}, csv.out).status, 0);
    EXPECT_EQ(Sorted(RecordNames(Load(copy))), AllNames());

    const CliResult table = Run({"export", file_});
    ASSERT_EQ(table.status, 0);
    const CliResult jsonl = Run({"export", "--format=jsonl", file_});
    ASSERT_EQ(jsonl.status, 0);
    std::vector<std::string> fromJson;
    for (const std::string& line : Lines(jsonl.out)) {
        fromJson.push_back(json::parse(line)["name"]);
    }
    EXPECT_EQ(fromJson, RecordNames(original)); // the store's order
    for (const ScriptName& n : kNames) {
        EXPECT_NE(table.out.find("\n" + n.name + "\t"), std::string::npos) << n.script;
        EXPECT_NE(csv.out.find("\n" + n.name + ","), std::string::npos) << n.script;
    }
}

TEST_F(CliScriptNames, ImportAndBatchTakeNamesFromCsv) {
    std::string csv = "name,day,month,year,hour,minute\n";
    for (const ScriptName& n : kNames) {
        csv += "\"" + n.name + "\",1,2,2000,3,4\n";
    }
    ASSERT_EQ(Run({"import", file_, "-"}, csv).status, 0);
    EXPECT_EQ(Sorted(RecordNames(Load(file_))), AllNames());

    const CliResult batch = Run({"batch", "--format", "jsonl", "-"}, csv);
    ASSERT_EQ(batch.status, 0) << batch.err;
    std::vector<std::string> passed;
    for (const std::string& line : Lines(batch.out)) {
        passed.push_back(json::parse(line)["name"]);
    }
    EXPECT_EQ(Sorted(passed), AllNames());
}

TEST_F(CliScriptNames, DecomposedInputFindsTheComposedName) {
    // "Zoë" and "Żak" as another system may send them: a base letter and a combining mark.
    const std::string composed = "Zo\u00EB \u017Bak";
    const std::string decomposed = "Zoe\u0308 Z\u0307ak";
    ASSERT_EQ(Run({"add", file_, composed, "1", "1", "2000", "0", "0"}).status, 0);
    EXPECT_EQ(Run({"show", file_, decomposed}).status, 0);
    EXPECT_EQ(Run({"add", file_, decomposed, "1", "1", "2000", "0", "0"}).status, 1);
    const std::string row =
        "name,day,month,year,hour,minute\n\"" + decomposed + "\",1,1,2000,0,0\n";
    EXPECT_EQ(Run({"import", file_, "-", "--replace"}, row).status, 0);
    EXPECT_EQ(RecordNames(Load(file_)), std::vector<std::string>{composed});
    EXPECT_EQ(Run({"remove", file_, decomposed}).status, 0);
    EXPECT_TRUE(Load(file_).IsEmpty());
}

TEST_F(CliScriptNames, MalformedUtf8IsRefusedAndChangesNothing) {
    ASSERT_EQ(Run({"add", file_, "Eva", "1", "1", "2000", "0", "0"}).status, 0);
    const std::string before = ReadAll(file_);
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string message;
    };
    const Case cases[] = {
        {{"add", file_, "Ev\xFF", "1", "1", "2000", "0", "0"}, "", "Stelle 3"},
        {{"add", file_, "\xE6\x9D", "1", "1", "2000", "0", "0"}, "", "Stelle 1"},
        {{"remove", file_, "\xC3\x28"}, "", "Stelle 1"},
        {{"show", file_, "a\xED\xA0\x80"}, "", "Stelle 2"},
    };
    for (const Case& c : cases) {
        const CliResult r = Run(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("\xFF"), std::string::npos); // no raw bytes on the terminal
        EXPECT_EQ(ReadAll(file_), before);
    }
    // A CSV file that is not UTF-8 is what a spreadsheet saves in Windows-1252: read as such.
    const CliResult r =
        Run({"import", file_, "-"}, "name,day,month,year,hour,minute\n\"Be\xC0rt\",1,1,2000,0,0\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Windows-1252"), std::string::npos) << r.err;
    EXPECT_EQ(Run({"show", file_, "Be\u00C0rt"}).status, 0);
}
