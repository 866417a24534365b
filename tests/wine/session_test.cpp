// What the Wine test session promises the tests that run in it: the Chinese code page, the
// replacement faces for the program's fonts, Wine's own faces, the virtual desktop, and crashes
// that end at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::wstring besideThisProgram(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

// The size of the font file that a request for the face selects.
DWORD fontFileSize(const wchar_t* face) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face);
    HGDIOBJ previous = SelectObject(screen, font);
    DWORD size = GetFontData(screen, 0, 0, nullptr, 0);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size;
}

TEST(WineSessionTest, RunsWithTheChineseCodePage) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(WineSessionTest, DrawsTheProgramsFacesWithTheInstalledKaiAndSongFaces) {
    struct Row {
        const wchar_t* requested;
        const wchar_t* installed;
        const wchar_t* other;
    };
    const Row rows[] = {
        {L"楷体", L"AR PL UKai CN", L"AR PL UMing CN"},
        {L"新宋体", L"AR PL UMing CN", L"AR PL UKai CN"},
    };
    for (const Row& row : rows) {
        DWORD selected = fontFileSize(row.requested);
        EXPECT_NE(selected, GDI_ERROR) << row.requested;
        EXPECT_EQ(selected, fontFileSize(row.installed))
            << row.requested << " is not drawn with " << row.installed;
        EXPECT_NE(selected, fontFileSize(row.other)) << row.requested;
    }
}

TEST(WineSessionTest, HasTheSymbolFaceOfTheCaptionButtons) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"Marlett");
    HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(std::wstring(face), L"Marlett");
}

TEST(WineSessionTest, ShowsWindowsOnTheVirtualDesktop) {
    int width = 0;
    int height = 0;
    if (std::sscanf(ORVANE_WINE_DESKTOP, "%dx%d", &width, &height) != 2) {
        GTEST_SKIP() << "the session has no virtual desktop";
    }
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), height);
}

TEST(WineSessionTest, EndsACrashingProcessAtOnceWithItsExceptionCode) {
    std::wstring program = besideThisProgram(L"crash_helper.exe");
    std::wstring commandLine = L"crash_helper.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process))
        << "error " << GetLastError();
    DWORD waited = WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the crashed process is waiting (a debugger or a dialog)";
    EXPECT_EQ(exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}

}  // namespace
