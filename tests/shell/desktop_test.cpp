// The desktop utilities against the real system: under Wine, the test session's own prefix.
// openWebPage is never called: it would start a browser.
#include "shell/desktop.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane {
namespace {

std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring thisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path;
}

std::wstring systemFolder() {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void createFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create the file, error " << GetLastError();
    DWORD written = 0;
    WriteFile(file, "[Orvane]\r\n", 10, &written, nullptr);
    CloseHandle(file);
}

bool sameFile(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

TEST(DeleteSettingsFileTest, RemovesTheFileWhateverTheCaseOfItsName) {
    const wchar_t* const names[] = {
        L"C:\\Orvane.INI",
        L"C:\\Orvane.ini",
        L"C:\\orvane.ini",
        L"C:\\ORVANE.INI",
    };
    for (const wchar_t* name : names) {
        createFile(name);
        ASSERT_TRUE(exists(name)) << "could not create " << name;
        deleteSettingsFile();
        EXPECT_FALSE(exists(name)) << name << " is still there";
        DeleteFileW(name);
    }
}

TEST(DeleteSettingsFileTest, PassesSilentlyWhenTheFileIsAbsent) {
    DeleteFileW(L"C:\\Orvane.INI");
    ASSERT_FALSE(exists(L"C:\\Orvane.INI"));
    deleteSettingsFile();
    EXPECT_FALSE(exists(L"C:\\Orvane.INI"));
}

// Counts the processes this test starts: the test program runs in a job, and every process it
// starts belongs to the job too, even after it has ended.
class ProcessCounter {
  public:
    ProcessCounter() {
        static HANDLE job = [] {
            HANDLE created = CreateJobObjectW(nullptr, nullptr);
            if (created != nullptr && !AssignProcessToJobObject(created, GetCurrentProcess())) {
                CloseHandle(created);
                created = nullptr;
            }
            return created;
        }();
        job_ = job;
        start_ = total();
    }
    bool works() const { return job_ != nullptr; }
    DWORD started() const { return total() - start_; }

  private:
    DWORD total() const {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        if (job_ == nullptr || !QueryInformationJobObject(job_, JobObjectBasicAccountingInformation,
                                                          &info, sizeof info, nullptr)) {
            return 0;
        }
        return info.TotalProcesses;
    }

    HANDLE job_ = nullptr;
    DWORD start_ = 0;
};

// Plants copies of the stand-in calculator as calc.exe and removes them afterwards. The stand-in
// logs each start into a file of the test's own.
class StartCalculatorTest : public testing::Test {
  protected:
    void SetUp() override {
        standIn_ = folderOf(thisProgram()) + L"\\fake_calc.exe";
        ASSERT_TRUE(exists(standIn_)) << "missing " << standIn_;

        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        scratch_ = std::wstring(temp) + L"orvane-calc-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(scratch_.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        log_ = scratch_ + L"\\starts.log";
        DeleteFileW(log_.c_str());
        ASSERT_TRUE(SetEnvironmentVariableW(L"ORVANE_FAKE_CALC_LOG", log_.c_str()));

        wchar_t current[MAX_PATH];
        ASSERT_NE(GetCurrentDirectoryW(MAX_PATH, current), 0u);
        previousDirectory_ = current;
        ASSERT_TRUE(SetCurrentDirectoryW(scratch_.c_str()));
    }

    void TearDown() override {
        for (const std::wstring& path : planted_) {
            DeleteFileW(path.c_str());
        }
        SetEnvironmentVariableW(L"ORVANE_FAKE_CALC_LOG", nullptr);
        if (!previousDirectory_.empty()) {
            SetCurrentDirectoryW(previousDirectory_.c_str());
        }
        DeleteFileW(log_.c_str());
        RemoveDirectoryW(scratch_.c_str());
    }

    void plantIn(const std::wstring& folder) {
        std::wstring target = folder + L"\\calc.exe";
        ASSERT_TRUE(CopyFileW(standIn_.c_str(), target.c_str(), FALSE))
            << "cannot plant " << target << ", error " << GetLastError();
        planted_.push_back(target);
    }

    // The lines the stand-in wrote, waiting up to 30 s for the expected number to arrive.
    std::vector<std::string> starts(std::size_t expected) const {
        std::vector<std::string> lines;
        for (int attempt = 0; attempt < 600; ++attempt) {
            lines.clear();
            std::ifstream file(log_.c_str());
            for (std::string line; std::getline(file, line);) {
                lines.push_back(line);
            }
            if (lines.size() >= expected) {
                break;
            }
            Sleep(50);
        }
        return lines;
    }

    std::wstring standIn_;
    std::wstring scratch_;
    std::wstring log_;
    std::wstring previousDirectory_;
    std::vector<std::wstring> planted_;
};

TEST_F(StartCalculatorTest, StartsTheSystemCalculatorShownNormallyAndNoPlantedCopy) {
    ProcessCounter counter;
    ASSERT_TRUE(counter.works()) << "cannot count started processes";
    plantIn(folderOf(thisProgram()));
    plantIn(scratch_);
    plantIn(systemFolder());

    startCalculator();

    std::vector<std::string> lines = starts(1);
    ASSERT_EQ(lines.size(), 1u);
    std::vector<std::string> fields;
    std::istringstream line(lines[0]);
    for (std::string field; std::getline(line, field, '\t');) {
        fields.push_back(field);
    }
    ASSERT_EQ(fields.size(), 4u) << lines[0];
    EXPECT_TRUE(sameFile(fromUtf8(fields[0]), systemFolder() + L"\\calc.exe"))
        << "started " << fields[0];
    EXPECT_EQ(fields[1], "calc.exe") << "command line";
    EXPECT_EQ(fields[2], "1") << "show-window flag";
    EXPECT_EQ(fields[3], std::to_string(SW_SHOWNORMAL)) << "show state";
    EXPECT_EQ(counter.started(), 1u);
}

TEST_F(StartCalculatorTest, ReturnsAndStartsNothingWhenTheSystemHasNoCalculator) {
    ASSERT_FALSE(exists(systemFolder() + L"\\calc.exe"))
        << "this system has a calc.exe; the case needs one without";
    ProcessCounter counter;
    ASSERT_TRUE(counter.works()) << "cannot count started processes";
    plantIn(folderOf(thisProgram()));
    plantIn(scratch_);

    startCalculator();

    EXPECT_EQ(counter.started(), 0u) << "a planted calc.exe was started";
}

}  // namespace
}  // namespace orvane
