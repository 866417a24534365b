// Stands in for calc.exe in the tests of startCalculator. When ORVANE_FAKE_CALC_LOG names a
// file, it appends one line saying which file ran and how it was started:
// module path, tab, command line, tab, show-window flag (0 or 1), tab, show state.
#include <windows.h>

#include <string>

namespace {

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

}  // namespace

int wmain() {
    wchar_t logPath[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"ORVANE_FAKE_CALC_LOG", logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    wchar_t module[MAX_PATH];
    DWORD moduleLength = GetModuleFileNameW(nullptr, module, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);

    std::string line = toUtf8(std::wstring(module, moduleLength)) + '\t' +
                       toUtf8(GetCommandLineW()) + '\t' +
                       ((startup.dwFlags & STARTF_USESHOWWINDOW) ? "1" : "0") + '\t' +
                       std::to_string(startup.wShowWindow) + '\n';
    HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
