// The desktop utilities on Windows, through the wide-character calls. Each is one request to the
// system whose outcome is not looked at: the caller writes its fixed line whatever happened.
#include "shell/desktop.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace orvane {
namespace {

// A bare host name: the shell hands it to the default browser, which adds the scheme.
constexpr wchar_t kWebAddress[] = L"www.baidu.com";

constexpr wchar_t kSettingsFile[] = L"C:\\Orvane.INI";

// The calculator is named by its full path in the system folder. Given only "calc.exe", the
// system would look in the program's own folder and in the current folder first, so a calc.exe
// planted there (say, beside the program in a downloads folder) would run instead.
std::wstring systemCalculatorPath() {
    UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring folder(size, L'\0');
    UINT length = GetSystemDirectoryW(folder.data(), size);
    if (length == 0 || length >= size) {
        return {};
    }
    folder.resize(length);
    return folder + L"\\calc.exe";
}

}  // namespace

void startCalculator() {
    std::wstring application = systemCalculatorPath();
    if (application.empty()) {
        return;
    }
    // CreateProcessW may write into the command line, so it must not be a literal.
    wchar_t commandLine[] = L"calc.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return;
    }
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void openWebPage() {
    ShellExecuteW(nullptr, L"open", kWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void deleteSettingsFile() {
    DeleteFileW(kSettingsFile);
}

}  // namespace orvane
