#include "ui/utf16.h"

#include <windows.h>

#include <climits>

namespace orvane {

namespace {

// The conversion functions count in int; no field text comes near that, so a longer text is
// cut rather than overflowing the count.
int clampedLength(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

}  // namespace

std::wstring toUtf16(std::string_view utf8) {
    const int length = clampedLength(utf8.size());
    if (length == 0) {
        return {};
    }
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), needed);
    }
    return utf16;
}

std::string toUtf8(std::wstring_view utf16) {
    const int length = clampedLength(utf16.size());
    if (length == 0) {
        return {};
    }
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), needed, nullptr,
                            nullptr);
    }
    return utf8;
}

}  // namespace orvane
