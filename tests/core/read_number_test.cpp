#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/number.h"
#include "same_double.h"

namespace orvane {
namespace {

using testing::sameDouble;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Exactly half the smallest subnormal, 2^-1075: every one of its 752 significant digits
// decides how it rounds.
const std::string kHalfSmallestSubnormal =
    "2.47032822920623272088284396434110686182529901307162382212792841250337753635104375932649"
    "9181808179961898982823477228588654633283551779698981993873980053909390631503565951557022"
    "6392290858392449105184435931802849936536152500319370457678249219365623669863658480757001"
    "5857692699037063119282795585513329278343384093519780155312465972635795746227664652728272"
    "2005637400648549997709659947045402082816622623785739345073633900796776193057750674017632"
    "4673600968951340535537458516661134223766678604162159680461914467291840300530057530849048"
    "7653917113865916462395249126236538818796362393732804238910186723484976682350898633885879"
    "2562830275599565752445550725518931369083625477918694866799496832404970582102851318545139"
    "6213837722826145437693412532098591327667236328125"
    "e-324";

// Exactly halfway between the largest double and 2^1024.
const std::string kHalfwayPastLargest =
    "1797693134862315807937289714053034150799341327100378269361737789804449682927647509466490"
    "1797758720709633028641669288791094655554785194040263065748867150582068190890200070838367"
    "6273854845817711531764475730270069855571366959622842914819860834936475292719074168444365"
    "510704342711559699508093042880177904174497792";

struct ReadCase {
    std::string text;
    double expected;
    const char* message;
};

void expectReads(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        EXPECT_TRUE(sameDouble(readNumber(c.text), c.expected)) << c.message;
    }
}

TEST(ReadNumber, ReadsTheLongestNumericPrefix) {
    expectReads({
        {"", 0.0, "empty text"},
        {"abc", 0.0, "no digit at all"},
        {" 12.5kg", 12.5, "leading blank and a unit after the number"},
        {"\t\n\v\f\r 7", 7.0, "every ASCII white space is skipped"},
        {"1d3", 1000.0, "d is an exponent letter"},
        {"1D3", 1000.0, "D is an exponent letter"},
        {"2E2", 200.0, "E is an exponent letter"},
        {"1e+2", 100.0, "exponent with a plus sign"},
        {"1e-2", 0.01, "exponent with a minus sign"},
        {"5e", 5.0, "exponent letter without digits is not part of the number"},
        {"1e+", 1.0, "exponent sign without digits is not part of the number"},
        {"1e-x", 1.0, "exponent sign followed by a letter"},
        {"1e+-3", 1.0, "two exponent signs"},
        {"1ee3", 1.0, "two exponent letters"},
        {".5", 0.5, "digits after the point only"},
        {"-.5", -0.5, "sign and digits after the point only"},
        {"5.", 5.0, "digits before the point only"},
        {"1.e2", 100.0, "point then exponent"},
        {"1,000", 1.0, "a comma ends the number"},
        {"1.2.3", 1.2, "a second point ends the number"},
        {"+7", 7.0, "plus sign"},
        {"--7", 0.0, "two signs"},
        {"+-7", 0.0, "plus then minus"},
        {"- 7", 0.0, "blank between sign and digits"},
        {"-", 0.0, "a sign alone"},
        {".", 0.0, "a point alone"},
        {"-.e5", 0.0, "no digit before the exponent"},
        {"7 8", 7.0, "a blank ends the number"},
        {"1234567:89", 1234567.0, "the character after 9 ends a long run of digits"},
        {"1234567/89", 1234567.0, "the character before 0 ends a long run of digits"},
        {"0.000125", 0.000125, "leading zeros of a fraction"},
        {"000123", 123.0, "leading zeros of a whole number"},
    });
}

TEST(ReadNumber, RejectsWhatOnlyTheCLibraryTakesForNumbers) {
    expectReads({
        {"0x1A", 0.0, "hexadecimal reads as the 0 before the x"},
        {"-0x10", -0.0, "negative hexadecimal reads as negative zero"},
        {"0x1p3", 0.0, "hexadecimal with a binary exponent"},
        {"inf", 0.0, "inf is no number"},
        {"-infinity", 0.0, "infinity is no number"},
        {"nan", 0.0, "nan is no number"},
        {"NAN(123)", 0.0, "nan with a payload is no number"},
    });
}

TEST(ReadNumber, FoldsFullWidthForms) {
    expectReads({
        {"１２．５", 12.5, "full-width digits and point"},
        {"\u30008", 8.0, "ideographic space before the number"},
        {"\u3000\u3000 \u3000３", 3.0, "ideographic and ASCII spaces mixed"},
        {"－３", -3.0, "full-width minus"},
        {"＋３", 3.0, "full-width plus"},
        {"１ｅ３", 1000.0, "full-width small e"},
        {"２Ｄ２", 200.0, "full-width capital D"},
        {"1ｄ－2", 0.01, "full-width exponent letter and sign after ASCII digits"},
        {"．５", 0.5, "full-width point first"},
        {"１，０００", 1.0, "full-width comma ends the number"},
        {"１２千卡", 12.0, "Chinese text after the number"},
        {"\u00A05", 0.0, "a no-break space is not white space"},
    });
}

TEST(ReadNumber, LeavesInvalidUtf8AsItIs) {
    expectReads({
        {"\xFF\xFE"
         "5",
         0.0, "bytes that never occur in UTF-8"},
        {"\xEF\xBC", 0.0, "a full-width character cut short at the end"},
        {"12\xEF\xBC", 12.0, "a cut-short character after digits"},
        {"\xE3\x80"
         "8",
         0.0, "an ideographic space missing its last byte is no blank"},
        {"\xEF\xBC\xEF\xBC\x91", 0.0, "a cut-short character before a full-width digit"},
        {"3\xEF\xBC\x91\xC0\x80", 31.0, "an overlong NUL after the digits"},
        {"\xC0\xA0"
         "5",
         0.0, "an overlong space is no blank"},
        {std::string("4\0"
                     "2",
                     3),
         4.0, "a NUL byte ends the number"},
    });
}

// The text need not end in a NUL: each one lies in a heap block of exactly its size, so that
// the sanitizer build catches a read past its end.
TEST(ReadNumber, ReadsNothingPastTheEndOfTheText) {
    const std::vector<ReadCase> cases = {
        {"1\xEF\xBC", 1.0, "a full-width character cut short"},
        {"\xE3\x80", 0.0, "an ideographic space cut short"},
        {"2e", 2.0, "an exponent letter at the end"},
        {"2e-", 2.0, "an exponent sign at the end"},
        {"12345678", 12345678.0, "eight digits"},
        {"1234567890123456", 1234567890123456.0, "sixteen digits"},
        {"-", 0.0, "a sign"},
    };
    for (const ReadCase& c : cases) {
        const auto bytes = std::make_unique<char[]>(c.text.size());
        std::memcpy(bytes.get(), c.text.data(), c.text.size());
        EXPECT_TRUE(
            sameDouble(readNumber(std::string_view(bytes.get(), c.text.size())), c.expected))
            << c.message;
    }
}

TEST(ReadNumber, RoundsToTheNearestDouble) {
    expectReads({
        {"0.1", 0.1, "the double nearest to a tenth"},
        {"9007199254740993", 9007199254740992.0, "a tie goes to the even neighbour"},
        {"9007199254740993.000000000000000000000000001", 9007199254740994.0,
         "just above the tie goes up"},
        {"9007199254740993." + std::string(1000, '0') + "1", 9007199254740994.0,
         "a non-zero digit a thousand places after the tie still counts"},
        {"9007199254740993." + std::string(1000, '0'), 9007199254740992.0,
         "a thousand trailing zeros do not move a tie"},
        {"9007199254740993." + std::string(784, '0') + "1", 9007199254740994.0,
         "a non-zero 801st significant digit still counts"},
        {"64708321.257442331", 64708321.25744233,
         "seventeen digits and a power of ten rounded only once"},
        {"2.2250738585072012e-308", 2.2250738585072014e-308, "near the smallest normal"},
        {"1.7976931348623157e308", 1.7976931348623157e308, "the largest double"},
        {"4.9406564584124654e-324", 4.9406564584124654e-324, "the smallest subnormal"},
        {"2.4703282292062328e-324", 4.9406564584124654e-324,
         "just above half the smallest subnormal rounds up"},
        {kHalfSmallestSubnormal, 0.0, "exactly half the smallest subnormal ties to even zero"},
        {kHalfSmallestSubnormal.substr(0, kHalfSmallestSubnormal.size() - 5) + "0001e-324",
         4.9406564584124654e-324, "a last digit past the half rounds up"},
        {kHalfwayPastLargest, kInfinity,
         "halfway past the largest double ties to even, which overflows"},
        {kHalfwayPastLargest.substr(0, kHalfwayPastLargest.size() - 1) + "1",
         1.7976931348623157e308, "one below halfway past the largest double"},
    });
}

TEST(ReadNumber, BeyondTheDoubleRangeGivesInfinityOrZero) {
    expectReads({
        {"1e400", kInfinity, "overflow"},
        {"-1e400", -kInfinity, "negative overflow"},
        {"1.8e308", kInfinity, "just past the largest double"},
        {"1e99999999999999999999", kInfinity, "an exponent of twenty digits"},
        {"-1d99999999999999999999999999999999999999", -kInfinity, "an exponent of forty digits"},
        {"1e-400", 0.0, "underflow"},
        {"-1e-400", -0.0, "negative underflow keeps its sign"},
        {"2.4703282292062327e-324", 0.0, "just below half the smallest subnormal"},
        {"1e-99999999999999999999", 0.0, "a negative exponent of twenty digits"},
        {"0e99999999999999999999", 0.0, "zero with a huge exponent"},
        {"-0", -0.0, "negative zero"},
        {"-0.000e5", -0.0, "negative zero with an exponent"},
    });
}

TEST(ReadNumber, ReadsMillionCharacterTexts) {
    const std::string million(1'000'000, '0');
    expectReads({
        {std::string(1'000'000, '9'), kInfinity, "a million nines"},
        {million, 0.0, "a million zeros"},
        {million + "1", 1.0, "a million leading zeros"},
        {std::string(1'000'000, ' ') + "5", 5.0, "a million blanks"},
        {std::string(1'000'000, '\t') + "x", 0.0, "a million tabs and no number"},
        {"0." + std::string(999'999, '0') + "1e1000000", 1.0,
         "a million fraction zeros made up by the exponent"},
        {"1" + million + "e-1000000", 1.0, "a million trailing zeros taken back by the exponent"},
        {"1e" + std::string(1'000'000, '9'), kInfinity, "an exponent of a million digits"},
        {"1e-" + std::string(1'000'000, '9'), 0.0, "a negative exponent of a million digits"},
        {"0.0" + std::string(1'000'000, '1') + "e1", 0.1111111111111111,
         "a million significant digits"},
    });
}

}  // namespace
}  // namespace orvane
