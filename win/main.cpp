// vexamo.exe: the desktop program for Windows.
#include <windows.h>
// After <windows.h>, which they need.
#include <commctrl.h>
#include <shellapi.h>
#include <string>
#include <vector>

#include "win/file_dialog_service.h"
#include "win/message_service.h"
#include "win/vexamo_app.h"
#include "win/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; argv != nullptr && i < count; ++i) {
        arguments.push_back(Narrow(argv[i]));
    }
    LocalFree(argv);

    CSystemMessageService messages;
    CSystemFileDialogs files;
    CVexamoApp app(messages, files);
    if (!app.InitInstance(instance, arguments, show)) {
        return 1;
    }
    return app.Run();
}
