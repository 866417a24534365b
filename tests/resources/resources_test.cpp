// The resources the program embeds, read back from inside a process that embeds the same ones:
// the icon group, the application manifest and the version information.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

namespace {

// The on-disk layout of an icon group resource (it has no declaration in the SDK headers).
#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes findResource(const wchar_t* name, const wchar_t* type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name, type);
    if (info == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, info);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, info)};
}

std::uint32_t bigEndian32(const BYTE* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

struct BitmapSize {
    LONG width = 0;
    LONG height = 0;
    WORD bitsPerPixel = 0;
};

// The size of an icon's colour bitmap, which is the size Windows made the icon.
BitmapSize iconBitmapSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight, bitmap.bmBitsPixel};
}

TEST(IconGroup, HoldsOne512PixelImageIn32BitColour) {
    ResourceBytes group = findResource(L"DEFAULT_ICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group.data, nullptr) << "no icon group DEFAULT_ICON";
    ASSERT_GE(group.size, sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
    GroupIconHeader header;
    std::memcpy(&header, group.data, sizeof header);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 1);
    GroupIconEntry entry;
    std::memcpy(&entry, group.data + sizeof header, sizeof entry);
    EXPECT_EQ(entry.width, 0) << "0 stands for 256 pixels or more";
    EXPECT_EQ(entry.height, 0);
    EXPECT_EQ(entry.bitCount, 32);

    ResourceBytes image = findResource(MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));  // RT_ICON
    ASSERT_NE(image.data, nullptr);
    EXPECT_EQ(image.size, entry.bytesInRes);
    // Images of 256 pixels and more are stored as PNG: signature, then the IHDR chunk.
    ASSERT_GE(image.size, 33u);
    const BYTE signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    ASSERT_EQ(std::memcmp(image.data, signature, sizeof signature), 0) << "not a PNG image";
    ASSERT_EQ(std::memcmp(image.data + 12, "IHDR", 4), 0);
    EXPECT_EQ(bigEndian32(image.data + 16), 512u) << "width";
    EXPECT_EQ(bigEndian32(image.data + 20), 512u) << "height";
    EXPECT_EQ(image.data[24], 8) << "bits per channel";
    EXPECT_EQ(image.data[25], 6) << "colour type: RGB with alpha";

    // Made at its own size, the icon is the full image.
    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE,
                                          0x00030000, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    BitmapSize size = iconBitmapSize(icon);
    EXPECT_EQ(size.width, 512);
    EXPECT_EQ(size.height, 512);
    EXPECT_EQ(size.bitsPerPixel, 32);
    DestroyIcon(icon);
}

TEST(IconGroup, LoadsAtTheWindowsIconSizes) {
    for (int side : {32, 16}) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, side, side,
                                 LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << side << " pixels";
        BitmapSize size = iconBitmapSize(static_cast<HICON>(icon));
        EXPECT_EQ(size.width, side) << side << " pixels";
        EXPECT_EQ(size.height, side) << side << " pixels";
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(Manifest, IsResourceOneOfTypeManifest) {
    ResourceBytes manifest = findResource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest.data, nullptr) << "no RT_MANIFEST resource 1";
    std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("asInvoker"), std::string::npos);
}

std::wstring moduleFileName(HMODULE module) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return length == 0 || length == MAX_PATH ? std::wstring() : std::wstring(path, length);
}

TEST(Manifest, GivesTheProcessCommonControlsVersion6) {
    // Without the manifest a button belongs to user32; with it, the process's activation context
    // redirects the class to the one that comctl32 version 6 registers and draws in the
    // desktop's visual style.
    WNDCLASSEXW button{};
    button.cbSize = sizeof button;
    ASSERT_TRUE(GetClassInfoExW(nullptr, L"BUTTON", &button));
    HMODULE owner = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(button.lpfnWndProc), &owner));
    // The side-by-side copy of version 6: on Windows and in Wine alike it lives in a folder
    // named after the assembly the manifest asks for.
    std::wstring path = moduleFileName(owner);
    for (wchar_t& c : path) {
        c = std::towlower(c);
    }
    EXPECT_NE(path.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << "the button class is not that of common controls version 6";
    EXPECT_NE(path.find(L"comctl32.dll"), std::wstring::npos);
}

TEST(Manifest, DeclaresNoAwarenessOfDisplayScaling) {
    // Windows reads these two settings from the activation context the manifest made; neither
    // may be there.
    struct Row {
        const wchar_t* settingsNamespace;
        const wchar_t* name;
    };
    const Row rows[] = {
        {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"},
        {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"},
    };
    for (const Row& row : rows) {
        wchar_t value[64] = L"";
        SIZE_T written = 0;
        EXPECT_FALSE(QueryActCtxSettingsW(0, nullptr, row.settingsNamespace, row.name, value,
                                          ARRAYSIZE(value), &written))
            << "the manifest sets " << std::string(row.name, row.name + wcslen(row.name));
    }
}

std::vector<BYTE> ownVersionInfo() {
    std::wstring path = moduleFileName(nullptr);
    DWORD ignored = 0;
    DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        return {};
    }
    return info;
}

TEST(VersionInfo, NamesTheProgramAndItsPurpose) {
    std::vector<BYTE> info = ownVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";

    struct Row {
        const wchar_t* key;
        std::wstring expected;
    };
    const Row rows[] = {
        {L"ProductName", L"Orvane"},
        {L"InternalName", L"Orvane"},
        {L"OriginalFilename", L"Orvane.exe"},
        {L"FileDescription", L"Orvane 营养计算器 (nutrition calculator)"},
    };
    for (const Row& row : rows) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + row.key;
        void* value = nullptr;
        UINT characters = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), query.c_str(), &value, &characters))
            << "no " << std::string(row.key, row.key + wcslen(row.key));
        EXPECT_TRUE(static_cast<const wchar_t*>(value) == row.expected)
            << std::string(row.key, row.key + wcslen(row.key));
    }

    void* translation = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translation, &bytes));
    ASSERT_EQ(bytes, 4u);
    WORD languageAndCodePage[2];
    std::memcpy(languageAndCodePage, translation, sizeof languageAndCodePage);
    EXPECT_EQ(languageAndCodePage[0], 0x0804) << "Simplified Chinese";
    EXPECT_EQ(languageAndCodePage[1], 1200) << "Unicode";
}

TEST(VersionInfo, CarriesTheProjectVersion) {
    std::vector<BYTE> info = ownVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";
    void* value = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &bytes));
    ASSERT_EQ(bytes, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), ORVANE_TEST_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), ORVANE_TEST_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed.dwFileVersionLS), ORVANE_TEST_VERSION_PATCH);
    EXPECT_EQ(LOWORD(fixed.dwFileVersionLS), 0);
    EXPECT_EQ(fixed.dwProductVersionMS, fixed.dwFileVersionMS);
    EXPECT_EQ(fixed.dwProductVersionLS, fixed.dwFileVersionLS);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
