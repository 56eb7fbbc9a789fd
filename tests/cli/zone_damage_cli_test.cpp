// Damaged zone data under the commands that look zones up: the zone is refused with the reason
// and exit 1, and batch still writes every other row.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "places/place_catalogue.h"
#include "places/zone_offset.h"
#include "tests/cli/cli_runner.h"
#include "tests/language_scope.h"
#include "tests/places/zone_fixture.h"

using json = nlohmann::json;

namespace {

// The remedy depends on where the zone files come from: the system's package, or on Windows the
// program's own installation.
struct Wording {
    const char* language;
    const char* text;
};
#ifdef _WIN32
constexpr Wording kWordings[] = {
    {"en", "The program's time-zone files for \u201CEurope/Berlin\u201D are missing or damaged: "
           "reinstall Vexamo."},
    {"de", "Die Zeitzonendateien des Programms f\u00FCr \u201EEurope/Berlin\u201C fehlen oder "
           "sind besch\u00E4digt: bitte Vexamo neu installieren."},
    {"fr", "Les fichiers du fuseau horaire \u00AB Europe/Berlin \u00BB livr\u00E9s avec le "
           "programme manquent ou sont endommag\u00E9s : r\u00E9installez Vexamo."},
};
#else
constexpr Wording kWordings[] = {
    {"en", "The time-zone data for \u201CEurope/Berlin\u201D is damaged or unreadable: "
           "reinstall the tzdata package."},
    {"de", "Die Zeitzonendaten f\u00FCr \u201EEurope/Berlin\u201C sind besch\u00E4digt oder "
           "unlesbar: bitte das Paket tzdata neu installieren."},
    {"fr", "Les donn\u00E9es du fuseau horaire \u00AB Europe/Berlin \u00BB sont "
           "endommag\u00E9es ou illisibles : r\u00E9installez le paquet tzdata."},
};
#endif
// The catalogue's own words are the French.
constexpr const char* kDamaged = kWordings[2].text;

std::string SystemFile(const std::string& zone) {
    std::ifstream in(zone_fixture::SystemZoneFolder() / zone, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

// Europe/Berlin cut in half; the other zones copied as they are.
class CliZoneDamage : public zone_fixture::ZoneFolderTest {
  protected:
    void SetUp() override {
        ZoneFolderTest::SetUp();
        Write("UTC", SystemFile("Etc/UTC"));
        Write("Europe/Paris", SystemFile("Europe/Paris"));
        const std::string berlin = SystemFile("Europe/Berlin");
        Write("Europe/Berlin", berlin.substr(0, berlin.size() / 2));
        places::UseZoneFolder(dir_.string());
    }
    void TearDown() override {
        places::UseZoneFolder({});
        ZoneFolderTest::TearDown();
    }
};

TEST_F(CliZoneDamage, CommandsRefuseTheZoneWithTheReason) {
    const std::string file = Path("p.dat");
    const std::vector<std::vector<std::string>> commands = {
        {"zone", "--zone", "Europe/Berlin", "15", "1", "2000", "12", "0"},
        {"zone", "--json", "--place", "München", "15", "1", "2000", "12", "0"},
        {"eval", "--zone", "Europe/Berlin", "15", "1", "2000", "12", "0"},
        {"eval", "--place", "München", "15", "1", "2000", "12", "0"},
        {"add", file, "Eva", "--zone", "Europe/Berlin", "15", "1", "2000", "12", "0"},
    };
    for (const auto& args : commands) {
        const CliResult r = RunCliCaptured(args);
        EXPECT_EQ(r.status, 1) << args[0] << " " << args[1];
        EXPECT_NE(r.err.find(kDamaged), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << args[0] << " " << args[1];
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    // A sound zone of the same folder still works.
    EXPECT_EQ(
        RunCliCaptured({"zone", "--zone", "Europe/Paris", "15", "1", "2000", "12", "0"}).status, 0);
}

TEST_F(CliZoneDamage, BatchRefusesTheRowAndWritesEveryOther) {
    const std::string csv = "name,day,month,year,hour,minute,zone\n"
                            "a,20,3,2000,8,0,Europe/Paris\n"
                            "b,20,3,2000,8,0,Europe/Berlin\n"
                            "c,20,3,2000,8,0,Europe/Paris\n";
    const CliResult r = RunCliWith({"batch", "--format", "jsonl"}, csv);
    EXPECT_EQ(r.status, 1);
    std::vector<json> rows;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(json::parse(line));
    }
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["status"], "ok");
    EXPECT_EQ(rows[1]["status"], "error");
    EXPECT_EQ(rows[1]["error"], kDamaged);
    EXPECT_EQ(rows[2]["status"], "ok");
    EXPECT_EQ(rows[2]["julian_date_text"], rows[0]["julian_date_text"]);
}

// Zone files missing altogether, their folder empty or gone, as after a damaged installation.
TEST_F(CliZoneDamage, MissingZoneFilesSayWhatToReinstallInEveryLanguage) {
    // The place list is read once per program, in the language then in force: here, before
    // any other is chosen, in that of the other tests.
    places::SharedPlaceCatalogue();
    std::filesystem::create_directories(Path("empty"));
    for (const char* folder : {"empty", "gone"}) {
        places::UseZoneFolder(Path(folder));
        for (const Wording& w : kWordings) {
            const LanguageScope language(w.language);
            const CliResult r =
                RunCliCaptured({"zone", "--zone", "Europe/Berlin", "15", "1", "2000", "12", "0"});
            EXPECT_EQ(r.status, 1) << folder << " " << w.language;
            EXPECT_NE(r.err.find(w.text), std::string::npos) << folder << ": " << r.err;
        }
        // The catalogue's own words, where no language is chosen.
        const CliResult own =
            RunCliCaptured({"eval", "--zone", "Europe/Berlin", "15", "1", "2000", "12", "0"});
        EXPECT_NE(own.err.find(kDamaged), std::string::npos) << folder << ": " << own.err;
    }
}
