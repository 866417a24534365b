// readNumber against a reference built from the C library's strtod on many generated texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/number.h"
#include "same_double.h"

namespace orvane {
namespace {

// UTF-8 of a code point from U+0800 to U+FFFF.
std::string encodeThreeBytes(char32_t codePoint) {
    std::string bytes;
    bytes += static_cast<char>(0xE0 | (codePoint >> 12));
    bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    return bytes;
}

// Every full-width ASCII form becomes its ASCII character, the ideographic space a blank.
std::string foldPlainly(const std::string& text) {
    static const std::map<std::string, char> folds = [] {
        std::map<std::string, char> table;
        for (char32_t codePoint = 0xFF01; codePoint <= 0xFF5E; ++codePoint) {
            table[encodeThreeBytes(codePoint)] = static_cast<char>(codePoint - 0xFF01 + '!');
        }
        table[encodeThreeBytes(0x3000)] = ' ';
        return table;
    }();
    std::string folded;
    for (std::size_t i = 0; i < text.size();) {
        const auto fold = folds.find(text.substr(i, 3));
        if (fold != folds.end()) {
            folded += fold->second;
            i += 3;
        } else {
            folded += text[i];
            i += 1;
        }
    }
    return folded;
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod on the folded text with d and D made into e. The program never sets a locale, so
// strtod works in the "C" locale and its decimal point is ".".
double referenceRead(const std::string& text) {
    std::string rest = foldPlainly(text);
    const std::size_t start = rest.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos) {
        return 0.0;
    }
    rest.erase(0, start);
    rest += '\0';  // so that looking one past a sign or point stays inside

    // strtod also reads hexadecimal, infinity and NaN, which are no numbers here: a number
    // starts, after its sign, with a digit or with a point and a digit, and "0x" ends at the 0.
    const bool negative = rest[0] == '-';
    const std::size_t body = rest[0] == '+' || rest[0] == '-' ? 1 : 0;
    if (!isAsciiDigit(rest[body]) && !(rest[body] == '.' && isAsciiDigit(rest[body + 1]))) {
        return 0.0;
    }
    if (rest[body] == '0' && (rest[body + 1] == 'x' || rest[body + 1] == 'X')) {
        return negative ? -0.0 : 0.0;
    }
    for (char& c : rest) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    return std::strtod(rest.c_str(), nullptr);
}

// Numeric-looking texts from a fixed seed, so every run checks the same ones.
class TextMaker {
  public:
    std::string make() {
        if (chance(10)) {
            return soup();
        }
        std::string text = blanks();
        if (chance(60)) {
            text += pick({"+", "-", "＋", "－", "--", "+-"});
        }
        text += digits();
        if (chance(50)) {
            text += pick({".", ".", "．"});
            text += digits();
        }
        if (chance(50)) {
            text += pick({"e", "E", "d", "D", "ｅ", "Ｅ", "ｄ", "Ｄ"});
            if (chance(50)) {
                text += pick({"+", "-", "＋", "－"});
            }
            text += exponentDigits();
        }
        if (chance(50)) {
            text += pick(junk());
        }
        return text;
    }

  private:
    std::uint32_t below(std::uint32_t n) {
        // SplitMix64: small, and the same on every platform.
        state_ += 0x9E3779B97F4A7C15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return static_cast<std::uint32_t>(z % n);
    }

    bool chance(std::uint32_t percent) { return below(100) < percent; }

    std::string pick(const std::vector<std::string>& options) {
        return options[below(static_cast<std::uint32_t>(options.size()))];
    }

    static const std::vector<std::string>& junk() {
        static const std::vector<std::string> pieces = {
            "kg",   "x",        ",5",      ".5",      "e",
            "E+",   "d-",       "5",       "0x1",     "inf",
            "nan",  "千卡",     "１",      "．",      "\xEF\xBC",
            "\xFF", "\xE3\x80", " 9",      "\u30009", std::string(1, '\0') + "7",
            ":",    "/",        "\xC0\x80"};
        return pieces;
    }

    std::string blanks() {
        std::string text;
        if (chance(2)) {
            return std::string(1000 + below(3000), ' ');
        }
        for (std::uint32_t n = below(4); n > 0; --n) {
            text += pick({" ", "\t", "\n", "\v", "\f", "\r", "\u3000"});
        }
        return text;
    }

    std::string digits() {
        std::uint32_t length = below(6);
        if (chance(20)) {
            length = 6 + below(15);  // around the 15 to 19 digits a 64-bit integer holds
        } else if (chance(3)) {
            length = 20 + below(1200);  // past the digits that decide the rounding
        }
        const bool zeros = chance(15);
        const bool fullWidth = chance(20);
        std::string text;
        for (std::uint32_t i = 0; i < length; ++i) {
            const char digit = zeros && chance(95) ? '0' : static_cast<char>('0' + below(10));
            if (fullWidth || chance(3)) {
                text += encodeThreeBytes(0xFF10 + static_cast<char32_t>(digit - '0'));
            } else {
                text += digit;
            }
        }
        return text;
    }

    std::string exponentDigits() {
        std::uint32_t length = below(4);
        if (chance(5)) {
            length = 4 + below(22);  // far beyond any int
        }
        std::string text;
        for (std::uint32_t i = 0; i < length; ++i) {
            text += static_cast<char>('0' + below(10));
        }
        return text;
    }

    // Pieces of numbers in any order.
    std::string soup() {
        static const std::vector<std::string> pieces = {
            "0",  "1", "9",      "00",   "12",   "５",       "０",  ".",        "．",
            "+",  "-", "＋",     "－",   "e",    "E",        "d",   "D",        "ｅ",
            "Ｄ", " ", "\u3000", "\t",   "x",    "0x",       "inf", "infinity", "nan",
            "p",  ",", "\xEF",   "\xBC", "\x91", "\xE3\x80", "千",  "\xFF"};
        std::string text;
        for (std::uint32_t n = 1 + below(8); n > 0; --n) {
            text += pick(pieces);
        }
        return text;
    }

    std::uint64_t state_ = 20240601;
};

std::string escaped(const std::string& text) {
    std::string shown;
    for (const char c : text.substr(0, 200)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            shown += hex;
        }
    }
    return text.size() > 200 ? shown + "... (" + std::to_string(text.size()) + " bytes)" : shown;
}

TEST(ReadNumberProperty, AgreesWithStrtodOnGeneratedTexts) {
    TextMaker maker;
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 10; ++i) {
        const std::string text = maker.make();
        const auto agreement = testing::sameDouble(readNumber(text), referenceRead(text));
        if (!agreement) {
            ++failures;
            ADD_FAILURE() << agreement.message() << " for \"" << escaped(text) << "\"";
        }
    }
}

}  // namespace
}  // namespace orvane
