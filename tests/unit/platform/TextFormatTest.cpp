#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/TextFormat.h"

namespace orvantix::text {
namespace {

struct FormatCase {
    std::string_view format;
    std::vector<FormatArg> args;
    std::string expected;
};

// FormatText takes an initializer list; the tables hold at most three arguments.
std::string FormatWith(std::string_view format, const std::vector<FormatArg>& args) {
    switch (args.size()) {
        case 0:
            return FormatText(format, {});
        case 1:
            return FormatText(format, {args[0]});
        case 2:
            return FormatText(format, {args[0], args[1]});
        default:
            return FormatText(format, {args[0], args[1], args[2]});
    }
}

void ExpectFormats(const std::vector<FormatCase>& cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatWith(c.format, c.args), c.expected) << "format \"" << c.format << '"';
    }
}

TEST(TextFormatTest, FormatsIntegersLikePrintf) {
    ExpectFormats({
        {"%d", {42}, "42"},
        {"%i", {-7}, "-7"},
        {"%5d|", {42}, "   42|"},
        {"%-5d|", {42}, "42   |"},
        {"%05d", {-42}, "-0042"},
        {"%+d % d", {5, 5}, "+5  5"},
        {"%.3d", {7}, "007"},
        {"%.0d", {0}, ""},
        {"%04X", {0xAB}, "00AB"},
        {"%x", {255}, "ff"},
        {"%#x %#o", {255, 8}, "0xff 010"},
        {"%o", {8}, "10"},
        {"%u", {std::int64_t{3000000000}}, "3000000000"},
        {"%lld", {std::int64_t{1} << 40}, "1099511627776"},
        {"%zu", {5}, "5"},
        {"Key %d of %d", {3, 18}, "Key 3 of 18"},
        {"100%% sure", {}, "100% sure"},
    });
}

TEST(TextFormatTest, CutsIntegersToTheWidthTheLengthModifierNames) {
    ExpectFormats({
        {"%u", {-1}, "4294967295"},
        {"%x", {-1}, "ffffffff"},
        {"%X", {-2}, "FFFFFFFE"},
        {"%o", {-1}, "37777777777"},
        {"%hhx", {-1}, "ff"},
        {"%hu", {-1}, "65535"},
        {"%lu", {-1}, "18446744073709551615"},
        {"%llx", {-1}, "ffffffffffffffff"},
        {"%d", {std::int64_t{4294967295}}, "-1"},
        {"%hhd", {255}, "-1"},
        {"%hd", {65535}, "-1"},
        {"%ld", {std::int64_t{-5000000000}}, "-5000000000"},
    });
}

TEST(TextFormatTest, FormatsTextsAndCharacters) {
    ExpectFormats({
        {"%s", {"abc"}, "abc"},
        {"[%5s]", {"ab"}, "[   ab]"},
        {"[%-5s]", {"ab"}, "[ab   ]"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%.1s",
         {"\xC3\xA4"
          "b"},
         "\xC3\xA4"},  // precision counts characters
        {"[%3s]",
         {"\xC3\xA4"
          "b"},
         "[ \xC3\xA4"
         "b]"},  // and so does width
        {"%s", {""}, ""},
        {"%c", {65}, "A"},
        {"%c", {0xE4}, "\xC3\xA4"},
        {"%c", {0x20AC}, "\xE2\x82\xAC"},
        {"%c", {0x1F600}, "\xF0\x9F\x98\x80"},
        {"[%3c]", {65}, "[  A]"},
        {"%c", {-5}, "\xEF\xBF\xBD"},
        {"%c", {0xD800}, "\xEF\xBF\xBD"},
        {"%c", {0x110000}, "\xEF\xBF\xBD"},
        {"a%cb", {0}, "ab"},
        {"%s: %d", {"Macro", 2}, "Macro: 2"},
    });
}

TEST(TextFormatTest, ShowsAnArgumentOfTheOtherKindInItsNaturalForm) {
    ExpectFormats({
        {"%s", {42}, "42"},
        {"%s", {-42}, "-42"},
        {"[%4s]", {7}, "[   7]"},
        {"%d", {"abc"}, "abc"},
        {"%08x", {"abc"}, "     abc"},  // width still applies
        {"%c", {"xyz"}, "xyz"},
        {"%.1d", {"abc"}, "abc"},
    });
}

TEST(TextFormatTest, CopiesWhatItCannotFormatSafely) {
    ExpectFormats({
        {"%n", {1}, "%n"},
        {"%hn%d", {1}, "%hn1"},
        {"%*d", {5, 1}, "%*d"},
        {"%.*d", {5, 1}, "%.*d"},
        {"%p", {1}, "%p"},
        {"%f", {1}, "%f"},
        {"%I64d", {1}, "%I64d"},
        {"%", {1}, "%"},
        {"abc%", {}, "abc%"},
        {"%-", {1}, "%-"},
        {"%5", {1}, "%5"},
        {"%d %d %d", {1}, "1 %d %d"},
        {"%s", {}, "%s"},
        {"%-08.3lld", {}, "%-08.3lld"},
        {"no conversions", {1, "x"}, "no conversions"},
        {"%#d %+u % x %#c %#s", {5, 5, 5}, "5 5 5 %#c %#s"},
    });
}

TEST(TextFormatTest, CapsWidthAndPrecision) {
    const std::string wide = FormatText("%999999d", {1});
    EXPECT_EQ(wide, std::string(255, ' ') + "1");
    const std::string precise = FormatText("%.99999999999999999999d", {1});
    EXPECT_EQ(precise, std::string(255, '0') + "1");
    const std::string both = FormatText("%-999999.999999x|", {-1});
    EXPECT_EQ(both, std::string(248, '0') + "ffffffff|");
    EXPECT_EQ(FormatText("%999999s", {"a"}).size(), 256u);
    EXPECT_EQ(FormatText("%999999c", {65}).size(), 256u);
}

TEST(TextFormatTest, KeepsALongArgumentWhole) {
    const std::string text(100000, 'x');
    EXPECT_EQ(FormatText("<%s>", {std::string_view(text)}), "<" + text + ">");
}

}  // namespace
}  // namespace orvantix::text
