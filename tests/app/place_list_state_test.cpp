// What the programs say when the place list cannot be used, and how the state is told.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "app/place_list_state.h"
#include "app/text_catalogue.h"
#include "records/utf8_paths.h"

namespace {

using places::PlaceTableState;

class PlaceListStateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vexamo_place_list_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const char* name, const std::string& bytes) {
        const std::filesystem::path file = dir_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return Utf8OfPath(file);
    }

    std::filesystem::path dir_;
};

TEST_F(PlaceListStateTest, FilesThatHoldNoPlaceTable) {
    const struct {
        const char* what;
        std::string file;
        PlaceTableState state;
    } cases[] = {
        {"no file", Utf8OfPath(dir_ / "places.bin"), PlaceTableState::Missing},
        {"no folder", Utf8OfPath(dir_ / "share" / "places.bin"), PlaceTableState::Missing},
        {"empty", Write("empty.bin", ""), PlaceTableState::Damaged},
        {"other bytes", Write("text.bin", "München,Bayern,DE\n"), PlaceTableState::Damaged},
        {"a folder", Utf8OfPath(dir_), PlaceTableState::Damaged},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(places::PlaceTableStateOf(c.file), c.state) << c.what;
    }
}

TEST_F(PlaceListStateTest, TheMessageNamesTheFileAndWhatIsWrong) {
    const std::string file = Utf8OfPath(dir_ / "places.bin");
    const std::string missing = PlaceListProblem(PlaceTableState::Missing, file);
    const std::string damaged = PlaceListProblem(PlaceTableState::Damaged, file);
    EXPECT_EQ(missing, UserText(TextId::PlaceListMissing, {file}));
    EXPECT_EQ(damaged, UserText(TextId::PlaceListDamaged, {file}));
    EXPECT_NE(missing.find(file), std::string::npos);
    EXPECT_NE(damaged.find(file), std::string::npos);
    EXPECT_NE(missing, damaged);
    EXPECT_EQ(PlaceListProblem(PlaceTableState::Sound, file), "");
}

// Another file is read at each asking: the message follows what the file has become.
TEST_F(PlaceListStateTest, AnotherFilesMessageFollowsTheFile) {
    const std::string file = Utf8OfPath(dir_ / "places.bin");
    EXPECT_EQ(PlaceListProblemOf(file), PlaceListProblem(PlaceTableState::Missing, file));
    Write("places.bin", "VXPLACE");
    EXPECT_EQ(PlaceListProblemOf(file), PlaceListProblem(PlaceTableState::Damaged, file));
}

// The build tree's own table is found and sound, on Linux and under Wine alike.
TEST(PlaceListState, TheProgramsTableIsSound) {
    EXPECT_EQ(places::ProgramPlaceTableState(), PlaceTableState::Sound) << places::PlaceTableFile();
    EXPECT_EQ(PlaceListProblem(), "");
}

} // namespace
