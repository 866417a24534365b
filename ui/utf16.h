// The program holds its texts in UTF-8; the Win32 W functions take UTF-16. Every text that
// crosses that boundary is converted here and nowhere else.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Ill-formed input becomes U+FFFD; nothing is rejected.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace orvane
