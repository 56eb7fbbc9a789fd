#include "win_fixture.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/record_commands.h"
#include "win/main_frame.h"
#include "win/main_view.h"
#include "win/recent_file_list.h"
#include "win/wide_text.h"

MessageAnswer CScriptedMessages::Show(HWND /*owner*/, MessageKind kind, const std::string& text) {
    shown.push_back({kind, MessageCaption(kind), text});
    if (kind == MessageKind::AppOk || kind == MessageKind::ViewError) {
        return MessageAnswer::Ok;
    }
    if (answers.empty()) {
        return MessageAnswer::Yes;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> CScriptedMessages::Texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : shown) {
        texts.push_back(message.text);
    }
    return texts;
}

std::optional<std::string> CScriptedFiles::OpenFileName(HWND, const std::string& filterName,
                                                        const std::string&) {
    lastFilter = filterName;
    if (openAnswers.empty()) {
        ADD_FAILURE() << "an open dialog nobody expected";
        return std::nullopt;
    }
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> CScriptedFiles::SaveFileName(HWND, const std::string& filterName,
                                                        const std::string&,
                                                        const std::string& suggested) {
    lastFilter = filterName;
    lastSuggested = suggested;
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "a save dialog nobody expected";
        return std::nullopt;
    }
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void WinAppTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() / "vexamo-win-tests" /
             (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::wstring key =
        std::wstring(L"Software\\") + kRegistryOrganization + L"\\" + kTestApplication;
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

void WinAppTest::TearDown() {
    app.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool WinAppTest::Start(const std::vector<std::string>& arguments) {
    app = std::make_unique<CVexamoApp>(messages, files, CRecentFileList(kTestApplication));
    app->m_runAbout = [this](HWND) { ++aboutRuns; };
    // A fixed moment for the form of an empty document.
    app->m_clock = [] { return LocalNow{2024, 3, 20, 9, 15}; };
    app->m_computerZone = [this] { return computerZone(); };
    app->m_places = places;
    app->m_runDialog = [this](CTemplateDialog& dialog, HWND owner) {
        if (dialogScripts.empty()) {
            ADD_FAILURE() << "a dialog nobody expected";
            return IDCANCEL;
        }
        const auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        if (!dialog.CreateModeless(owner)) {
            ADD_FAILURE() << "the dialog cannot be made";
            return IDCANCEL;
        }
        script(dialog);
        return dialog.EndCode() != 0 ? dialog.EndCode() : IDCANCEL;
    };
    if (!app->InitInstance(GetModuleHandleW(nullptr), arguments, SW_HIDE)) {
        return false;
    }
    return true;
}

HWND WinAppTest::Form() const {
    return app->View().Form();
}

HWND WinAppTest::Frame() const {
    return app->Frame().Window();
}

void WinAppTest::SetText(int id, const std::string& utf8) {
    SetDlgItemTextW(Form(), id, Widen(utf8).c_str());
}

std::string WinAppTest::Text(int id) const {
    return WindowTextUtf8(GetDlgItem(Form(), id));
}

void WinAppTest::SetCheck(int id, bool checked) {
    CheckDlgButton(Form(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void WinAppTest::Click(int id) {
    SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Form(), id)));
}

void WinAppTest::Command(int command) {
    SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void WinAppTest::EnterBirth(int day, int month, int year, int hour, int minute, int timeZone) {
    SetText(1004, std::to_string(day));
    SetText(1005, std::to_string(month));
    SetText(1006, std::to_string(year));
    SetText(1007, std::to_string(hour));
    SetText(1008, std::to_string(minute));
    SetText(1022, std::to_string(timeZone));
}

std::vector<std::string> WinAppTest::ListRows() const {
    // The list box holds only the number of rows; each shows the name of the view's row key.
    const std::vector<NameKey> keys = app->View().ListedKeys();
    EXPECT_EQ(SendDlgItemMessageW(Form(), 1003, LB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(keys.size()));
    std::vector<std::string> rows;
    rows.reserve(keys.size());
    for (const NameKey& key : keys) {
        rows.push_back(NameOfKey(key));
    }
    return rows;
}

int WinAppTest::SelectedRow() const {
    return static_cast<int>(SendDlgItemMessageW(Form(), 1003, LB_GETCURSEL, 0, 0));
}

void WinAppTest::SelectRow(int row) {
    HWND list = GetDlgItem(Form(), 1003);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(1003, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::string WinAppTest::MenuText(int command) const {
    wchar_t text[256] = {};
    GetMenuStringW(GetMenu(Frame()), static_cast<UINT>(command), text, 255, MF_BYCOMMAND);
    return Narrow(text);
}

bool WinAppTest::MenuEnabled(int command) const {
    const UINT state = GetMenuState(GetMenu(Frame()), static_cast<UINT>(command), MF_BYCOMMAND);
    return state != 0xFFFFFFFFu && !(state & (MF_GRAYED | MF_DISABLED));
}

std::string WinAppTest::PathOf(const std::string& name) const {
    return Narrow((folder / std::filesystem::path(Widen(name))).wstring());
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(Widen(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(Widen(path)), std::ios::binary);
    out << bytes;
}

std::string RecordFileBytes(const std::vector<std::pair<std::string, BirthInput>>& entries) {
    CVexamoDoc document;
    for (const auto& [name, input] : entries) {
        AddRecord(document.m_mapDateStore, name, input, AddMode::ReplaceExisting);
    }
    const auto path = std::filesystem::temp_directory_path() / "vexamo-win-tests-record.dat";
    DocFault fault;
    if (!document.SaveDocument(Narrow(path.wstring()), fault)) {
        ADD_FAILURE() << "cannot write the record file";
        return {};
    }
    return ReadBytes(Narrow(path.wstring()));
}
