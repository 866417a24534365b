// The program as a process: started, it shows its window; closed, it ends with code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "open_window.h"

namespace orvane::testing {
namespace {

// The program lies at a fixed place relative to this test executable in the build tree.
std::wstring programPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path.erase(path.find_last_of(L"\\/") + 1);
    for (const wchar_t* c = ORVANE_PROGRAM_FROM_TEST; *c; ++c) {
        path += (*c == L'/') ? L'\\' : *c;
    }
    return path;
}

struct ProgramWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchProgramWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ProgramWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        windowText(window) == L"                    Orvane") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND visibleWindowOf(DWORD processId) {
    ProgramWindowSearch search{processId, nullptr};
    EnumWindows(matchProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD processId, HANDLE process) {
    for (int waited = 0; waited < 30000; waited += 100) {
        if (const HWND window = visibleWindowOf(processId)) {
            return window;
        }
        if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

TEST(StartUp, TheProgramShowsItsWindowAndExitsWithZeroWhenItIsClosed) {
    const std::wstring program = programPath();
    // Arguments are not looked at.
    std::wstring commandLine = L"\"" + program + L"\" --unknown /x";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process))
        << GetLastError();

    const HWND window = waitForWindow(process.dwProcessId, process.hProcess);
    EXPECT_NE(window, nullptr);
    if (window) {
        RECT outer{};
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.right - outer.left, 677);
        EXPECT_EQ(outer.bottom - outer.top, 423);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }

    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended);
    if (!ended) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    DWORD exitCode = 99;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace orvane::testing
