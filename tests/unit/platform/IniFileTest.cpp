#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/AtomicFile.h"
#include "platform/ini/IniFile.h"
#include "tests/unit/support/TempDir.h"

namespace orvantix::ini {
namespace {

namespace stdfs = std::filesystem;

constexpr std::string_view kSample =
    "; settings of the main window\n"
    "Orphan=before any section\n"
    "[General]\n"
    "Name = Orvantix\n"
    "\tQuoted = \"  padded  \"\t\n"
    "Empty=\n"
    "EmptyQuoted=\"\"\n"
    "OneQuote=\"open\n"
    "Dup=first\n"
    "dup=second\n"
    "NoEquals line\n"
    ";Commented=yes\n"
    "  ; Indented=comment\n"
    "Equation=a=b\n"
    "Multi=\xC3\xA4\xC3\xB6\xC3\xBC\n"
    "Number = 42\n"
    "\n"
    "[general]\n"
    "Second=from the second section\n"
    "[ Other ]\n"
    "Key=other\n";

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::WriteFileAtomically(file_, kSample)); }

    test::TempDir dir_;
    stdfs::path file_ = dir_ / "sample.ini";
};

struct ReadCase {
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
    std::size_t capacity;
    std::string_view expected;
};

TEST_F(IniFileTest, ReadsLikeThePrivateProfileReader) {
    const ReadCase cases[] = {
        {"General", "Name", "-", 260, "Orvantix"},
        {"GENERAL", "nAME", "-", 260, "Orvantix"},
        {" General ", "Name\t", "-", 260, "Orvantix"},
        {"General", "Quoted", "-", 260, "  padded  "},
        {"General", "Empty", "-", 260, ""},
        {"General", "EmptyQuoted", "-", 260, ""},
        {"General", "OneQuote", "-", 260, "\"open"},
        {"General", "Dup", "-", 260, "first"},
        {"General", "DUP", "-", 260, "first"},
        {"General", "NoEquals line", "-", 260, "-"},
        {"General", "Commented", "-", 260, "-"},
        {"General", ";Commented", "-", 260, "-"},
        {"General", "; Indented", "-", 260, "-"},
        {"General", "Equation", "-", 260, "a=b"},
        {"General", "Second", "-", 260, "-"},  // only the first [general] counts
        {"General", "Orphan", "-", 260, "-"},
        {"Other", "Key", "-", 260, "other"},
        {"Missing", "Name", "fallback", 260, "fallback"},
        {"General", "Missing", "", 260, ""},
        {"General", "Name", "-", 4, "Orv"},
        {"General", "Name", "-", 1, ""},
        {"General", "Name", "-", 0, ""},
        {"General", "Multi", "-", 3, "\xC3\xA4\xC3\xB6"},
        {"General", "Missing", "Default", 4, "Def"},
        {"General", "Missing", "\xE2\x82\xAC\xE2\x82\xAC", 2, "\xE2\x82\xAC"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadString(file_, c.section, c.key, c.defaultValue, c.capacity), c.expected)
            << "[" << c.section << "] " << c.key << " capacity " << c.capacity;
    }
}

TEST_F(IniFileTest, MissingFileGivesTheDefaultCut) {
    EXPECT_EQ(ReadString(dir_ / "none.ini", "General", "Name", "Default", 4), "Def");
    EXPECT_EQ(ReadInt(dir_ / "none.ini", "General", "Number", -3), -3);
    EXPECT_TRUE(ReadSectionNames(dir_ / "none.ini").empty());
    EXPECT_FALSE(IniDocument::Load(dir_ / "none.ini").has_value());
}

TEST(IniDocumentTest, IgnoresAByteOrderMarkAndReadsCrLf) {
    const IniDocument document =
        IniDocument::Parse("\xEF\xBB\xBF[Lang]\r\nTitle = Orvantix \r\nEmpty=\r\n[Next]\r\n");
    EXPECT_EQ(document.Find("lang", "title"), "Orvantix");
    EXPECT_EQ(document.Find("Lang", "Empty"), "");
    EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"Lang", "Next"}));
}

TEST_F(IniFileTest, ListsSectionsAndKeysOnceEach) {
    EXPECT_EQ(ReadSectionNames(file_), (std::vector<std::string>{"General", "Other"}));
    EXPECT_EQ(ReadKeyNames(file_, "general"),
              (std::vector<std::string>{"Name", "Quoted", "Empty", "EmptyQuoted", "OneQuote", "Dup",
                                        "Equation", "Multi", "Number"}));
    EXPECT_TRUE(ReadKeyNames(file_, "Missing").empty());
}

struct IntCase {
    std::string_view value;
    int expected;
};

TEST_F(IniFileTest, ReadsIntegersAsGetPrivateProfileInt) {
    const IntCase cases[] = {
        {"42", 42},    {"-17", -17},       {"+5", 5},
        {"0x1F", 31},  {"0Xff", 255},      {"-0x10", -16},
        {"12abc", 12}, {"abc", 0},         {"", 0},
        {"0x", 0},     {" 7 ", 7},         {"\"9\"", 9},
        {"- 3", 0},    {"4294967295", -1}, {"2147483648", -2147483647 - 1},
    };
    const stdfs::path numbers = dir_ / "numbers.ini";
    for (const IntCase& c : cases) {
        ASSERT_TRUE(fs::WriteFileAtomically(numbers, "[Numbers]\nValue=" + std::string(c.value)));
        EXPECT_EQ(ReadInt(numbers, "Numbers", "Value", 99), c.expected) << c.value;
    }
    EXPECT_EQ(ReadInt(numbers, "Numbers", "Missing", 99), 99);
    EXPECT_EQ(ReadInt(file_, "General", "Number", 99), 42);
}

TEST_F(IniFileTest, WritingCreatesFileSectionAndKey) {
    const stdfs::path file = dir_ / "new" / "folder" / "user.ini";
    ASSERT_TRUE(WriteString(file, "Window", "Left", "10"));
    EXPECT_EQ(test::ReadText(file), "[Window]\nLeft=10\n");
    ASSERT_TRUE(WriteString(file, "Window", "Top", "20"));
    ASSERT_TRUE(WriteString(file, "Colors", "Back", "#000000"));
    EXPECT_EQ(test::ReadText(file), "[Window]\nLeft=10\nTop=20\n\n[Colors]\nBack=#000000\n");
    EXPECT_EQ(ReadString(file, "window", "top", ""), "20");
}

TEST_F(IniFileTest, ReplacingAValueKeepsEveryOtherLine) {
    ASSERT_TRUE(WriteString(file_, "general", "NAME", "Renamed"));
    std::string expected(kSample);
    expected.replace(expected.find("Name = Orvantix"), 15, "Name = Renamed");
    EXPECT_EQ(test::ReadText(file_), expected);

    ASSERT_TRUE(WriteString(file_, "General", "Dup", ""));
    expected.replace(expected.find("Dup=first"), 9, "Dup=");
    EXPECT_EQ(test::ReadText(file_), expected);
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastEntry) {
    const stdfs::path file = dir_ / "sections.ini";
    ASSERT_TRUE(fs::WriteFileAtomically(file, "[A]\nx=1\n\n; about B\n[B]\ny=2"));
    ASSERT_TRUE(WriteString(file, "a", "z", "3"));
    ASSERT_TRUE(WriteString(file, "B", "w", "4"));
    EXPECT_EQ(test::ReadText(file), "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\nw=4\n");
}

TEST_F(IniFileTest, CrLfFileStaysCrLfAndKeepsItsByteOrderMark) {
    const stdfs::path file = dir_ / "windows.ini";
    ASSERT_TRUE(fs::WriteFileAtomically(file, "\xEF\xBB\xBF; c\r\n[A]\r\nx = 1\r\n"));
    ASSERT_TRUE(WriteString(file, "A", "x", "2"));
    ASSERT_TRUE(WriteString(file, "A", "y", "3"));
    ASSERT_TRUE(WriteString(file, "B", "z", "4"));
    EXPECT_EQ(test::ReadText(file), "\xEF\xBB\xBF; c\r\n[A]\r\nx = 2\r\ny=3\r\n\r\n[B]\r\nz=4\r\n");
}

struct RoundTripCase {
    std::string_view value;
    std::string_view readBack;
};

TEST_F(IniFileTest, WrittenValuesReadBack) {
    const RoundTripCase cases[] = {
        {"a=b=c", "a=b=c"},
        {"; not a comment", "; not a comment"},
        {"[not a section]", "[not a section]"},
        {"\xC3\xA4\xC3\xB6\xC3\xBC", "\xC3\xA4\xC3\xB6\xC3\xBC"},
        // Values the reader would trim or unquote are stored quoted, so nothing is lost.
        {"  blanks kept  ", "  blanks kept  "},
        {"\"quoted\"", "\"quoted\""},
        {"\"half", "\"half"},
        {"\"", "\""},
        {"", ""},
    };
    for (const RoundTripCase& c : cases) {
        ASSERT_TRUE(WriteString(file_, "Round", "Trip", c.value)) << c.value;
        EXPECT_EQ(ReadString(file_, "Round", "Trip", "-"), c.readBack) << c.value;
    }
    EXPECT_EQ(ReadKeyNames(file_, "Round"), std::vector<std::string>{"Trip"});
}

struct RejectCase {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

TEST_F(IniFileTest, RejectsNamesAndValuesThatCouldInjectLines) {
    const RejectCase cases[] = {
        {"", "k", "v"},       {"  ", "k", "v"},  {"a]b", "k", "v"}, {"a\nb", "k", "v"},
        {"a\rb", "k", "v"},   {"S", "", "v"},    {"S", " \t", "v"}, {"S", "k=v", "v"},
        {"S", "k\n[x]", "v"}, {"S", "k\r", "v"}, {"S", ";k", "v"},  {"S", "[k", "v"},
        {"S", "k", "v\n[x]"}, {"S", "k", "v\r"},
    };
    const stdfs::path untouched = dir_ / "untouched.ini";
    for (const RejectCase& c : cases) {
        EXPECT_FALSE(WriteString(file_, c.section, c.key, c.value))
            << testing::PrintToString(c.section) << " " << testing::PrintToString(c.key);
        EXPECT_FALSE(WriteString(untouched, c.section, c.key, c.value));
    }
    EXPECT_EQ(test::ReadText(file_), kSample);
    EXPECT_FALSE(stdfs::exists(untouched));
}

TEST_F(IniFileTest, NeverOverwritesAFileItCannotRead) {
    const stdfs::path folder = dir_ / "folder.ini";
    stdfs::create_directory(folder);
    EXPECT_FALSE(WriteString(folder, "S", "k", "v"));
    EXPECT_TRUE(stdfs::is_directory(folder));
}

TEST_F(IniFileTest, DeletesKeysAndSectionsTheReaderWouldFind) {
    ASSERT_TRUE(DeleteKey(file_, "GENERAL", "dup"));
    EXPECT_EQ(ReadString(file_, "General", "Dup", "gone"), "gone");
    ASSERT_TRUE(DeleteSection(file_, "general"));
    EXPECT_EQ(ReadSectionNames(file_), std::vector<std::string>{"Other"});
    EXPECT_EQ(test::ReadText(file_),
              "; settings of the main window\nOrphan=before any section\n[ Other ]\nKey=other\n");

    EXPECT_TRUE(DeleteKey(file_, "Other", "Missing"));
    EXPECT_TRUE(DeleteSection(dir_ / "none.ini", "Other"));
    EXPECT_FALSE(stdfs::exists(dir_ / "none.ini"));
}

TEST(IniDocumentTest, EditsInMemoryAndReportsRemovals) {
    IniDocument document = IniDocument::Parse("[S]\nk=1");
    document.Set("S", "j", "2");
    document.Set("T", "k", "3");
    document.Set("S", "bad=key", "4");  // refused, nothing changes
    EXPECT_EQ(document.Text(), "[S]\nk=1\nj=2\n\n[T]\nk=3\n");
    EXPECT_TRUE(document.RemoveKey("s", "K"));
    EXPECT_FALSE(document.RemoveKey("s", "K"));
    EXPECT_TRUE(document.RemoveSection("t"));
    EXPECT_FALSE(document.RemoveSection("t"));
    EXPECT_EQ(document.Text(), "[S]\nj=2\n\n");
}

TEST(IniDocumentTest, AddingAfterALastLineCutInsideCrLfKeepsItsValue) {
    IniDocument document = IniDocument::Parse("[A]\r\nx=1\r");
    document.Set("A", "y", "2");
    EXPECT_EQ(document.Text(), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(document.Find("A", "x"), "1");
}

}  // namespace
}  // namespace orvantix::ini
