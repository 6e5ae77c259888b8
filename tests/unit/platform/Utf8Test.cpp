#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/text/Utf8.h"

namespace orvantix::text {
namespace {

struct CountCase {
    std::string_view text;
    std::size_t characters;
};

TEST(Utf8Test, CountsCharactersAndTreatsEachStrayByteAsOne) {
    const CountCase cases[] = {
        {"", 0},
        {"abc", 3},
        {"\xC3\xA4\xC3\xB6", 2},  // two 2-byte characters
        {"\xE2\x82\xAC", 1},      // 3 bytes
        {"\xF0\x9F\x98\x80", 1},  // 4 bytes
        {"\x80", 1},              // lone continuation byte
        {"\xE2\x82", 2},          // sequence cut short
        {"\xC0\x80", 2},          // overlong form
        {"\xED\xA0\x80", 3},      // surrogate
        {"\xF4\x90\x80\x80", 4},  // beyond U+10FFFF
        {"a\xC3\xA4\xFF"
         "b",
         4},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(CharacterCount(c.text), c.characters) << testing::PrintToString(c.text);
    }
}

struct CutCase {
    std::string_view text;
    std::size_t capacity;
    std::string_view expected;
};

TEST(Utf8Test, CutToCapacityKeepsCapacityMinusOneWholeCharacters) {
    const CutCase cases[] = {
        {"abcdef", 0, ""},
        {"abcdef", 1, ""},
        {"abcdef", 4, "abc"},
        {"abc", 4, "abc"},
        {"abc", 100, "abc"},
        {"\xC3\xA4\xC3\xB6\xC3\xBC", 3, "\xC3\xA4\xC3\xB6"},
        {"a\xF0\x9F\x98\x80"
         "b",
         3, "a\xF0\x9F\x98\x80"},
        {"a\xE2\x82", 3, "a\xE2"},  // a broken sequence is cut byte by byte
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(CutToCapacity(c.text, c.capacity), c.expected)
            << testing::PrintToString(c.text) << " capacity " << c.capacity;
    }
}

TEST(Utf8Test, FirstCharactersNeverSplitsACharacter) {
    const std::string_view text = "\xE2\x82\xAC\xE2\x82\xAC";
    EXPECT_EQ(FirstCharacters(text, 1), "\xE2\x82\xAC");
    EXPECT_EQ(FirstCharacters(text, 5), text);
    EXPECT_EQ(FirstCharacters(text, 0), "");
}

struct CompareCase {
    std::string_view a;
    std::string_view b;
    bool equal;
};

TEST(Utf8Test, FindsTheFirstMalformedByte) {
    const std::pair<std::string_view, std::optional<std::size_t>> cases[] = {
        {"", std::nullopt},
        {"plain", std::nullopt},
        {"\xC3\xA4 \xE2\x86\x92 \xF0\x9F\x98\x80", std::nullopt},
        {"ab\x80", 2},            // continuation without a lead
        {"a\xC0\x80", 1},         // overlong NUL
        {"\xED\xA0\x80", 0},      // surrogate
        {"\xF4\x90\x80\x80", 0},  // above U+10FFFF
        {"ok\xE2\x86", 2},        // cut short at the end
        {"\xC3\xA4\xFF", 2},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(FirstMalformedByte(text), expected) << text;
    }
}

TEST(Utf8Test, ComparesIgnoringAsciiCaseOnly) {
    const CompareCase cases[] = {
        {"General", "gENERAL", true},
        {"", "", true},
        {"Key1", "KEY1", true},
        {"Key", "Key ", false},
        {"[", "{", false},  // 0x5B and 0x7B differ only by the case bit
        {"@", "`", false},
        {"\xC3\x84", "\xC3\xA4", false},  // non-ASCII letters are not folded
    };
    for (const CompareCase& c : cases) {
        EXPECT_EQ(EqualsIgnoreCase(c.a, c.b), c.equal) << c.a << " vs " << c.b;
    }
}

}  // namespace
}  // namespace orvantix::text
