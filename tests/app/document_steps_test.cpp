// The steps around the one document with scripted answers: the question whether to save the
// changes first, and the recent files on open (a file opened goes first, a listed file that is
// gone leaves the list and its failure is told).
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/document_steps.h"

class DocumentStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vexamo-steps-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // A record file holding one record under name.
    std::string WriteFile(const std::string& fileName, const std::string& name) const {
        CVexamoDoc other;
        other.m_mapDateStore.SetAt(name, VXDateStore(2000, 3, 20, 8, 0, 0, 0, -1));
        DocFault fault;
        EXPECT_TRUE(other.SaveDocument(Path(fileName), fault));
        return Path(fileName);
    }

    void Modify() {
        document.m_mapDateStore.SetAt("Muster", VXDateStore(1990, 1, 2, 3, 4, 0, 0, 0));
        document.SetModifiedFlag();
    }

    DocumentStepsFrontEnd FrontEnd() {
        return {
            .askSaveChanges =
                [this](const std::string& question) {
                    asked.push_back(question);
                    const SaveChangesAnswer answer = answers.front();
                    answers.pop_front();
                    return answer;
                },
            .save =
                [this] {
                    ++saves;
                    if (onSave) {
                        onSave();
                    }
                    return saveSucceeds;
                },
            .tell = [this](const std::string& message) { told.push_back(message); },
            .recentFiles = [this] { return recent; },
            .addRecent =
                [this](const std::string& path) {
                    std::erase(recent, path);
                    recent.insert(recent.begin(), path);
                },
            .removeRecent = [this](int index) { recent.erase(recent.begin() + index); },
        };
    }

    std::filesystem::path dir_;
    CVexamoDoc document;
    DocumentSession session{document, "Unbenannt", "Orlinde Berechnung"};
    std::deque<SaveChangesAnswer> answers;
    std::vector<std::string> asked;
    std::vector<std::string> told;
    std::vector<std::string> recent;
    bool saveSucceeds = true;
    int saves = 0;
    std::function<void()> onSave;
    DocumentSteps steps{session, FrontEnd()};
};

TEST_F(DocumentStepsTest, AnUnchangedDocumentIsLeftWithoutAQuestion) {
    EXPECT_FALSE(steps.SaveChangesQuestion());
    EXPECT_TRUE(steps.SaveModified());
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(saves, 0);
}

TEST_F(DocumentStepsTest, EachAnswerToTheQuestionLeadsOnOrBack) {
    const struct {
        SaveChangesAnswer answer;
        bool saveSucceeds;
        bool goesOn;
        int saves;
    } cases[] = {
        {SaveChangesAnswer::Yes, true, true, 1},
        {SaveChangesAnswer::Yes, false, false, 1}, // the save failed or its chooser was cancelled
        {SaveChangesAnswer::No, true, true, 0},
        {SaveChangesAnswer::Cancel, true, false, 0},
    };
    Modify();
    for (const auto& c : cases) {
        asked.clear();
        saves = 0;
        answers = {c.answer};
        saveSucceeds = c.saveSucceeds;
        EXPECT_EQ(steps.SaveModified(), c.goesOn) << static_cast<int>(c.answer);
        EXPECT_EQ(saves, c.saves);
        EXPECT_EQ(asked, std::vector<std::string>{"Änderungen an Unbenannt speichern?"});
    }
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentStepsTest, OpeningPutsTheFileFirstInTheRecentFiles) {
    const std::string a = WriteFile("a.dat", "Anna");
    const std::string b = WriteFile("b.dat", "Bert");
    recent = {b, Path("c.dat")};
    EXPECT_TRUE(steps.Open(a));
    EXPECT_TRUE(steps.Open(b));
    EXPECT_EQ(recent, (std::vector<std::string>{b, a, Path("c.dat")}));
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(document.GetPathName(), b);
}

TEST_F(DocumentStepsTest, CancellingTheQuestionOpensNothing) {
    const std::string a = WriteFile("a.dat", "Anna");
    recent = {a};
    Modify();
    answers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::Cancel};
    EXPECT_FALSE(steps.Open(a));
    EXPECT_FALSE(steps.OpenRecent(0));
    EXPECT_EQ(asked.size(), 2u);
    VXDateStore record;
    EXPECT_TRUE(document.m_mapDateStore.Lookup("Muster", record));
    EXPECT_EQ(recent, std::vector<std::string>{a});
    EXPECT_TRUE(told.empty());
}

TEST_F(DocumentStepsTest, AListedFileThatIsGoneLeavesTheListAndIsTold) {
    const std::string a = WriteFile("a.dat", "Anna");
    const std::string gone = Path("gone.dat");
    recent = {a, gone};
    Modify();
    answers = {SaveChangesAnswer::No};
    EXPECT_FALSE(steps.OpenRecent(1));
    EXPECT_EQ(recent, std::vector<std::string>{a});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("gone.dat"), std::string::npos);
    // The document stays as it was, changes and all.
    VXDateStore record;
    EXPECT_TRUE(document.m_mapDateStore.Lookup("Muster", record));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), "");
}

TEST_F(DocumentStepsTest, AGoneFileMovedBySavingTheChangesIsTakenFromItsNewPlace) {
    const std::string a = WriteFile("a.dat", "Anna");
    const std::string gone = Path("gone.dat");
    recent = {a, gone};
    Modify();
    answers = {SaveChangesAnswer::Yes};
    // The save puts the listed name at the head (as saving under it would), then the file
    // is gone again before it is read.
    onSave = [&] { recent = {gone, a}; };
    EXPECT_FALSE(steps.OpenRecent(1));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(recent, std::vector<std::string>{a});
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(DocumentStepsTest, ARecentFileOpensAndAnIndexOutsideTheListDoesNothing) {
    const std::string a = WriteFile("a.dat", "Anna");
    const std::string b = WriteFile("b.dat", "Bert");
    recent = {a, b};
    EXPECT_FALSE(steps.OpenRecent(2));
    EXPECT_FALSE(steps.OpenRecent(-1));
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_TRUE(steps.OpenRecent(1));
    EXPECT_EQ(recent, (std::vector<std::string>{b, a}));
    VXDateStore record;
    EXPECT_TRUE(document.m_mapDateStore.Lookup("Bert", record));
    EXPECT_TRUE(told.empty());
}

TEST_F(DocumentStepsTest, LoadOpensWithoutAQuestionAndTellsOfBytesAfterTheLastEntry) {
    const std::string a = WriteFile("a.dat", "Anna");
    std::ofstream(a, std::ios::binary | std::ios::app) << "xyz";
    Modify();
    std::string error;
    EXPECT_TRUE(steps.Load(a, error));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(recent, std::vector<std::string>{a});
    EXPECT_EQ(told.size(), 1u);

    told.clear();
    EXPECT_FALSE(steps.Load(Path("gone.dat"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(told.empty()); // the caller shows it
    EXPECT_EQ(recent, std::vector<std::string>{a});
}
