// Reads a UTF-8 field text one character at a time with the full-width forms folded to ASCII,
// so that numbers typed with a Chinese input method in full-width mode read like plain ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orvane {

class FoldedText {
  public:
    explicit FoldedText(std::string_view text) : text_(text) { load(); }

    // The folded character at the cursor; '\0' at the end. A byte that is neither ASCII nor
    // part of a folded character comes back as itself, which no caller mistakes for a digit,
    // sign, point, letter or blank.
    char current() const { return current_; }
    void advance() {
        position_ += width_;
        load();
    }

    // The run of ASCII digits at the cursor, which the cursor then passes; empty when the
    // cursor is not on an ASCII digit. Long texts are mostly such runs, so they are taken
    // eight bytes at a time rather than one folded character at a time.
    std::string_view takeAsciiDigits() {
        const std::size_t start = position_;
        std::size_t end = start;
        while (text_.size() - end >= 8 && areEightDigits(text_.data() + end)) {
            end += 8;
        }
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') {
            ++end;
        }
        if (end != start) {
            position_ = end;
            load();
        }
        return std::string_view(text_.data() + start, end - start);
    }

  private:
    // Whether all eight bytes are '0' to '9': subtracting '0' sets the top bit of a byte below
    // it, adding 0x46 that of a byte above '9', and a byte's borrow or carry only reaches the
    // next byte when that byte has already failed.
    static bool areEightDigits(const char* bytes) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, sizeof word);
        return (((word + 0x4646464646464646u) | (word - 0x3030303030303030u)) &
                0x8080808080808080u) == 0;
    }

    void load() {
        if (position_ >= text_.size()) {
            current_ = '\0';
            width_ = 0;
            return;
        }
        const auto byteAt = [this](std::size_t i) { return static_cast<unsigned char>(text_[i]); };
        const unsigned char lead = byteAt(position_);
        current_ = static_cast<char>(lead);
        width_ = 1;
        // The folded characters are all three bytes long and begin with EF or E3, which never
        // continue another character, so matching them anywhere is the same as decoding; any
        // other byte, valid UTF-8 or not, stays as it is.
        if (lead < 0x80 || text_.size() - position_ < 3) {
            return;
        }
        const unsigned char second = byteAt(position_ + 1);
        const unsigned char third = byteAt(position_ + 2);
        if (lead == 0xEF && second == 0xBC && third >= 0x81 && third <= 0xBF) {
            // U+FF01..U+FF3F: "!" through "_".
            current_ = static_cast<char>(third - 0x81 + 0x21);
            width_ = 3;
        } else if (lead == 0xEF && second == 0xBD && third >= 0x80 && third <= 0x9E) {
            // U+FF40..U+FF5E: "`" through "~".
            current_ = static_cast<char>(third - 0x80 + 0x60);
            width_ = 3;
        } else if (lead == 0xE3 && second == 0x80 && third == 0x80) {
            // U+3000, the ideographic space.
            current_ = ' ';
            width_ = 3;
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t width_ = 0;
    char current_ = '\0';
};

}  // namespace orvane
