#pragma once
// The Windows program for tests: message boxes recorded and answered from a queue, file
// choosers returning prepared paths, the window made hidden, a folder of its own for files,
// and the recent files under a registry key of their own.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/birth_input.h"
#include "win/file_dialog_service.h"
#include "win/message_service.h"
#include "win/template_dialog.h"
#include "win/vexamo_app.h"

struct ShownMessage {
    MessageKind kind;
    std::string caption;
    std::string text;
};

class CScriptedMessages : public CMessageService {
  public:
    // Questions take the next answer, Yes when none is left; other boxes answer Ok.
    MessageAnswer Show(HWND owner, MessageKind kind, const std::string& text) override;
    std::vector<std::string> Texts() const;

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
};

class CScriptedFiles : public CFileDialogService {
  public:
    std::optional<std::string> OpenFileName(HWND owner, const std::string& filterName,
                                            const std::string& extension) override;
    std::optional<std::string> SaveFileName(HWND owner, const std::string& filterName,
                                            const std::string& extension,
                                            const std::string& suggested) override;

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::string lastFilter;
    std::string lastSuggested;
};

// The registry key of the tests' recent files, beside the program's own.
inline constexpr const wchar_t* kTestApplication = L"Calcul Orlinde Tests";

class WinAppTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program (hidden) with the arguments; false when it ends at once. The computer
    // has no zone the form follows unless computerZone names one.
    bool Start(const std::vector<std::string>& arguments = {});

    HWND Form() const;
    HWND Frame() const;
    void SetText(int id, const std::string& utf8);
    std::string Text(int id) const;
    void SetCheck(int id, bool checked);
    // A click on the form's button id.
    void Click(int id);
    // A menu or accelerator command of the frame.
    void Command(int command);
    // Day, month, year, hour, minute and time difference into their fields.
    void EnterBirth(int day, int month, int year, int hour, int minute, int timeZone);
    // The record list's rows as shown.
    std::vector<std::string> ListRows() const;
    int SelectedRow() const;
    void SelectRow(int row); // as the user would: the list tells the form
    // A menu item's text by command.
    std::string MenuText(int command) const;
    bool MenuEnabled(int command) const;

    // A path in the test's own folder (UTF-8).
    std::string PathOf(const std::string& name) const;

    CScriptedMessages messages;
    CScriptedFiles files;
    // The program's modal dialogs: each is made modeless and worked by the next script through
    // its controls; it ends with the button the script pressed (Cancel when none).
    std::deque<std::function<void(CTemplateDialog&)>> dialogScripts;
    std::function<std::string()> computerZone = [] { return std::string(); };
    const PlaceCatalogue* places = nullptr;
    std::unique_ptr<CVexamoApp> app;
    std::filesystem::path folder;
    int aboutRuns = 0;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// A record file of the program with the entries, as written by its own save.
std::string RecordFileBytes(const std::vector<std::pair<std::string, BirthInput>>& entries);
