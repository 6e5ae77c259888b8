#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/KeyCatalogue.h"
#include "platform/fs/AtomicFile.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Utf8.h"
#include "tests/unit/support/TempDir.h"
#include "ui/lang/LanguageTable.h"

// The shipped English language file must name everything the program can ask for, and its format
// texts must match the arguments the program passes.
namespace orvantix {
namespace {

namespace stdfs = std::filesystem;
using ini::IniDocument;

constexpr std::string_view kText = "TEXT";
constexpr std::string_view kLight = "LIGHT";
constexpr std::string_view kMode = "MODE";

// Section TEXT, by the window that shows the text.
constexpr std::string_view kTextKeys[] = {
    // Main window
    "MAIN_CAPTION",
    "MAIN_HELP_PROMPT",
    "MAIN_CLOSE_PROMPT",
    "MAIN_MINIMIZE_PROMPT",
    "MAIN_MENU_PROMPT",
    "PROFILE_1",
    "PROFILE_2",
    "PROFILE_3",
    "PROFILE_MACRO",
    "PROFILE_DEFAULT",
    "PROFILE_OK",
    "PROFILE_CANCLE",
    "PROFILE_APPLY",
    "MAIN_NO_DEVICE_PROMPT",
    "MAIN_PROMPT_DEFAULT",
    "MAIN_PROMPT_INPORT",
    "UPDATE_VISION",
    // Main window: button menu and its text table
    "MENU_1",
    "MENU_2",
    "MENU_3",
    "MENU_4",
    // Notification area
    "KEYBOARD_TRAY_DESC",
    "MENU_11",
    "MENU_22",
    "MENU_33",
    "DEFAULT_PROFILE_NAME",
    "PROFILE_TIP",
    // About window
    "LANG_ABOUT_TITLE",
    "GUANYU_JIESHAO",
    "GUANYU_BANQUAN",
    "LANG_ABOUT_OK",
    // Key assignment dialog
    "KEY_SETTING_TISHI",
    "MACRO_EDIT_TISHI",
    "SINGLE_KEY",
    "MACRO_SETTING",
    "MULTI_MEDIA",
    "FUNCTION_KEY",
    "SINGLE_STATIC",
    "IDS_MACRO_KB_KEY",
    "IDS_MACRO_MOU_KEY",
    "MEDIA_EDIT_TISHI",
    "FUNCTION_TISHI",
    "COMPOSITE_PROMPT_CLEAR",
    "COMPOSITE_PROMPT_OSK",
    "MACRO_OK",
    "MACRO_CANCLE",
    "FUNC_KEY_DESC1",
    "FUNC_KEY_DESC2",
    "FUNC_KEY_DESC3",
    "FUNC_KEY_DESC4",
    "FUNC_KEY_DESC5",
    "FUNC_KEY_DESC6",
    "FUNC_KEY_DESC7",
    "FUNC_KEY_DESC8",
    "FUNC_KEY_DESC9",
    "FUNC_KEY_DESC10",
    "FUNC_KEY_DESC11",
    // Key assignment dialog: key button tooltips
    "KEY_PROMPT_SET",
    "KEY_PROMPT_SINGLE",
    "KEY_PROMPT_MACRO",
    "KEY_PROMPT_MEDIA",
    "KEY_PROMPT_FUNCTION",
    // Macro page
    "MACRO_NAME_SETTING",
    "MACRO_CYCLES",
    "FUNC_MACRO_CYCLES_PROMPT",
    "RECORD_DELAY",
    "A_RECORD",
    "A_DELETE",
    "A_CLEAR",
    "A_TOP",
    "A_UP",
    "A_DOWN",
    "A_BOTTOM",
    "MACRO_KEYS_TISHI",
    "MACRO_ACTION_TISHI",
    "MACRO_DELAY_MS",
    "MACRO_NEW_PREFIX",
    "MACRO_ERR_MAX",
    "MACRO_DELETE_CONFIRM_OF_KEYS",
    "MACRO_ACTION_CLEAR_CONFIRM",
    "MACRO_ACTION_ERR_DELAY_MAX",
    "MACRO_ACTION_ERR_MODIFY",
    // Macro recorder
    "MACRO_ACTION_RECORD",
    "MACRO_ACTION_STOP_RECORD",
    "MACRO_ACTION_RECORD_DELAY",
    // Profile manager
    "PROFILE_NEW",
    "PROFILE_FORMAT_ERROR",
    "PROFILE_SELECT_PROMPT",
    "PROFILE_SEELCT_PROMPT2",
    // Keyboard messages
    "MAIN_DEFAULT_MATRIX_PROMPT",
    "EXTRA_MACRO_TOO_LONG",
    "EXTRA_PROFILE_SPACE_TIGHT",
    // Key names: a key without a name
    "UNKNOWN_KEY",
    // Key names: keyboard keys
    "IDS_KEYBOARD_ESC",
    "IDS_KEYBOARD_1",
    "IDS_KEYBOARD_2",
    "IDS_KEYBOARD_3",
    "IDS_KEYBOARD_4",
    "IDS_KEYBOARD_5",
    "IDS_KEYBOARD_6",
    "IDS_KEYBOARD_7",
    "IDS_KEYBOARD_8",
    "IDS_KEYBOARD_9",
    "IDS_KEYBOARD_0",
    "IDS_KEYBOARD_MINUS",
    "IDS_KEYBOARD_EQU",
    "IDS_KEYBOARD_BS",
    "IDS_KEYBOARD_TAB",
    "IDS_KEYBOARD_Q",
    "IDS_KEYBOARD_W",
    "IDS_KEYBOARD_E",
    "IDS_KEYBOARD_R",
    "IDS_KEYBOARD_T",
    "IDS_KEYBOARD_Y",
    "IDS_KEYBOARD_U",
    "IDS_KEYBOARD_I",
    "IDS_KEYBOARD_O",
    "IDS_KEYBOARD_P",
    "IDS_KEYBOARD_SB1",
    "IDS_KEYBOARD_SB2",
    "IDS_KEYBOARD_ENTER",
    "IDS_KEYBOARD_LCTRL",
    "IDS_KEYBOARD_A",
    "IDS_KEYBOARD_S",
    "IDS_KEYBOARD_D",
    "IDS_KEYBOARD_F",
    "IDS_KEYBOARD_G",
    "IDS_KEYBOARD_H",
    "IDS_KEYBOARD_J",
    "IDS_KEYBOARD_K",
    "IDS_KEYBOARD_L",
    "IDS_KEYBOARD_SEM",
    "IDS_KEYBOARD_QUOT",
    "IDS_KEYBOARD_AID1",
    "IDS_KEYBOARD_LSHIFT",
    "IDS_KEYBOARD_AV",
    "IDS_KEYBOARD_Z",
    "IDS_KEYBOARD_X",
    "IDS_KEYBOARD_C",
    "IDS_KEYBOARD_V",
    "IDS_KEYBOARD_B",
    "IDS_KEYBOARD_N",
    "IDS_KEYBOARD_M",
    "IDS_KEYBOARD_COMMA",
    "IDS_KEYBOARD_PER",
    "IDS_KEYBOARD_VIR",
    "IDS_KEYBOARD_RSHIFT",
    "IDS_KEYBOARD_LALT",
    "IDS_KEYBOARD_SPACE",
    "IDS_KEYBOARD_CAPS",
    "IDS_KEYBOARD_F1",
    "IDS_KEYBOARD_F2",
    "IDS_KEYBOARD_F3",
    "IDS_KEYBOARD_F4",
    "IDS_KEYBOARD_F5",
    "IDS_KEYBOARD_F6",
    "IDS_KEYBOARD_F7",
    "IDS_KEYBOARD_F8",
    "IDS_KEYBOARD_F9",
    "IDS_KEYBOARD_F10",
    "IDS_KEYBOARD_F11",
    "IDS_KEYBOARD_F12",
    "IDS_KEYBOARD_PAUSE",
    "IDS_KEYBOARD_SCROLL",
    "IDS_KEYBOARD_SYSREQ",
    "IDS_KEYBOARD_RCTRL",
    "IDS_KEYBOARD_PRINT",
    "IDS_KEYBOARD_RALT",
    "IDS_KEYBOARD_NUM",
    "IDS_KEYBOARD_BREAK",
    "IDS_KEYBOARD_HOME",
    "IDS_KEYBOARD_UP",
    "IDS_KEYBOARD_PAGE_UP",
    "IDS_KEYBOARD_LEFT",
    "IDS_KEYBOARD_RIGHT",
    "IDS_KEYBOARD_END",
    "IDS_KEYBOARD_DOWN",
    "IDS_KEYBOARD_PAGE_DOWN",
    "IDS_KEYBOARD_INSERT",
    "IDS_KEYBOARD_DELETE",
    "IDS_KEYBOARD_LWIN",
    "IDS_KEYBOARD_RWIN",
    "IDS_KEYBOARD_APP",
    // Key names: numeric keypad
    "IDS_KEYBOARD_S_AST",
    "IDS_KEYBOARD_S_7",
    "IDS_KEYBOARD_S_8",
    "IDS_KEYBOARD_S_9",
    "IDS_KEYBOARD_S_MINUS",
    "IDS_KEYBOARD_S_4",
    "IDS_KEYBOARD_S_5",
    "IDS_KEYBOARD_S_6",
    "IDS_KEYBOARD_S_PLUS",
    "IDS_KEYBOARD_S_1",
    "IDS_KEYBOARD_S_2",
    "IDS_KEYBOARD_S_3",
    "IDS_KEYBOARD_S_0",
    "IDS_KEYBOARD_S_DEL",
    "IDS_KEYBOARD_S_ENTER",
    "IDS_KEYBOARD_S_VIR",
    // Key names: Japanese and Korean keys
    "IDS_KEYBOARD_ROMA",
    "IDS_KEYBOARD_KL",
    "IDS_KEYBOARD_KR",
    "IDS_KEYBOARD_K56",
    "IDS_KEYBOARD_CHG",
    "IDS_KEYBOARD_N_CHG",
    "IDS_KEYBOARD_K14",
    "IDS_KEYBOARD_K107",
    // Key names: system keys
    "IDS_KEYBOARD_POWER",
    "IDS_KEYBOARD_SLEEP",
    "IDS_KEYBOARD_WAKE",
    // Key names: mouse; the first five are also the key assignment dialog's mouse list
    "IDS_KEYBOARD_MOU_LEFT",
    "IDS_KEYBOARD_MOU_RIGHT",
    "IDS_KEYBOARD_MOU_MIDDLE",
    "IDS_KEYBOARD_ROLL_UP",
    "IDS_KEYBOARD_ROLL_DOWN",
    "IDS_KEYBOARD_MOU_PANLEFT",
    "IDS_KEYBOARD_MOU_PANRIGHT",
    "IDS_KEYBOARD_MOU_DBCLICK",
    // Key names: office functions
    "IDS_KEYBOARD_FUNC_ZOOMOUT",
    "IDS_KEYBOARD_FUNC_ZOOMIN",
    "IDS_KEYBOARD_FUNC_COPY",
    "IDS_KEYBOARD_FUNC_CUT",
    "IDS_KEYBOARD_FUNC_PASTE",
    "IDS_KEYBOARD_FUNC_MINI",
    "IDS_KEYBOARD_FUNC_MAXI",
    "IDS_KEYBOARD_FUNC_WORD",
    "IDS_KEYBOARD_FUNC_EXCEL",
    "IDS_KEYBOARD_FUNC_POWERPOINT",
    "IDS_KEYBOARD_FUNC_CALENDAR",
    // Key names: multimedia list
    "MEDIA_PALYER_1",
    "MEDIA_PALY_PAUSE_2",
    "MEDIA_STOP_PALY_3",
    "MEDIA_PREV_TRACK_4",
    "MEDIA_Next_TRACK_5",
    "MEDIA_V_LOW_6",
    "MEDIA_V_ADD_7",
    "MEDIA_MUTE_8",
    "MEDIA_WWW_HOME_9",
    "MEDIA_WWW_REFRESH_10",
    "MEDIA_WWW_STOP_11",
    "MEDIA_WWW_BACK_12",
    "MEDIA_WWW_FORWARD_13",
    "MEDIA_WWW_FAVORITE_14",
    "MEDIA_WWW_SEARCH_15",
    "MEDIA_MY_PC_16",
    "MEDIA_CALC_17",
    "MEDIA_MAIL_18",
};

// Section LIGHT: the lighting panel's labels and its lamp labels.
constexpr std::string_view kLightKeys[] = {
    "Usb",  "Deng",      "Light",     "FX",        "Speed",     "Color",     "JColor",    "DC",
    "Tool", "UserDeng1", "UserDeng2", "UserDeng3", "UserDeng4", "UserDeng5", "UserDeng6",
};

// Section MODE: every effect code the lighting model knows, keyed in decimal.
constexpr int kEffectCodes[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 32};

// A printf conversion taking one int, or one text.
constexpr std::string_view kIntegerConversion = R"(%[-+ #0]*[0-9]*(\.[0-9]+)?[diouxX])";
constexpr std::string_view kTextConversion = R"(%-?[0-9]*(\.[0-9]+)?s)";

struct FormatRule {
    std::string_view key;
    std::string_view conversion;
};

// The only texts the program fills in, each with exactly one argument.
constexpr FormatRule kFormatTexts[] = {
    {"UNKNOWN_KEY", kIntegerConversion},                 // the key code
    {"MACRO_ERR_MAX", kIntegerConversion},               // the macro limit, 100
    {"MACRO_ACTION_ERR_DELAY_MAX", kIntegerConversion},  // the longest delay, 40000 ms
    {"PROFILE_FORMAT_ERROR", kTextConversion},           // the file's path
};

struct LookupFunction {
    std::string_view name;
    std::string_view section;
};

constexpr LookupFunction kLookupFunctions[] = {
    {"LookupText", kText}, {"TextKey", kText},        {"LookupLightText", kLight},
    {"LightKey", kLight},  {"LookupModeText", kMode},
};

struct KeyUse {
    std::string section;
    std::string key;

    friend bool operator==(const KeyUse&, const KeyUse&) = default;
    friend std::ostream& operator<<(std::ostream& out, const KeyUse& use) {
        return out << "[" << use.section << "] " << use.key;
    }
};

stdfs::path SourceDir() {
    return stdfs::path(ORVANTIX_SOURCE_DIR);
}

stdfs::path LanguageFile() {
    return SourceDir() / "data" / "Lang0409.ini";
}

std::string ReadWholeFile(const stdfs::path& file) {
    return orvantix::fs::ReadWholeFile(file).value_or("");
}

std::string_view SectionOfLookup(std::string_view function) {
    const auto* found =
        std::find_if(std::begin(kLookupFunctions), std::end(kLookupFunctions),
                     [function](const LookupFunction& f) { return f.name == function; });
    return found == std::end(kLookupFunctions) ? std::string_view{} : found->section;
}

// Every string literal handed straight to a lookup or key marker, in source order.
std::vector<KeyUse> ScanLookups(const std::string& source) {
    static const std::regex kCall(
        R"re(\b(LookupText|TextKey|LookupLightText|LightKey|LookupModeText)\s*\(\s*"([^"]+)")re");
    std::vector<KeyUse> uses;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), kCall);
         it != std::sregex_iterator(); ++it) {
        uses.push_back({std::string(SectionOfLookup((*it)[1].str())), (*it)[2].str()});
    }
    return uses;
}

std::vector<stdfs::path> SourceFiles() {
    std::vector<stdfs::path> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(SourceDir() / "src")) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The printf conversions of a text: each '%' not followed by another '%', with its flags,
// width, precision and length, and the character that ends it.
std::vector<std::string> Conversions(std::string_view text) {
    constexpr std::string_view kConversionCharacters = "-+ #0123456789.*$hlLqjzt";
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t end = text.find_first_not_of(kConversionCharacters, i + 1);
        end = end == std::string_view::npos ? text.size() : end + 1;
        found.emplace_back(text.substr(i, end - i));
        i = end - 1;
    }
    return found;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

// Names as the reader compares them: trimmed, ASCII letters folded to upper case.
std::string FoldedName(std::string_view name) {
    std::string folded = Trimmed(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

bool IsFormatKey(std::string_view key) {
    return std::any_of(std::begin(kFormatTexts), std::end(kFormatTexts),
                       [key](const FormatRule& f) { return FoldedName(f.key) == FoldedName(key); });
}

// Sections and keys that appear a second time; the reader would never see the second one.
std::vector<std::string> ShadowedNames(const std::string& iniText) {
    std::vector<std::string> shadowed;
    std::set<std::string> sections;
    std::map<std::string, std::set<std::string>> keysBySection;
    std::string section;
    std::istringstream lines(iniText);
    for (std::string line; std::getline(lines, line);) {
        const std::string trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            section = FoldedName(trimmed.substr(1, trimmed.find(']') - 1));
            if (!sections.insert(section).second) {
                shadowed.push_back("[" + section + "]");
            }
            continue;
        }
        const auto equals = trimmed.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = FoldedName(std::string_view(trimmed).substr(0, equals));
        if (!keysBySection[section].insert(key).second) {
            shadowed.push_back("[" + section + "] " + key);
        }
    }
    return shadowed;
}

::testing::AssertionResult HasText(const IniDocument& document, std::string_view section,
                                   std::string_view key) {
    const auto value = document.Find(section, key);
    if (!value) {
        return ::testing::AssertionFailure() << "[" << section << "] " << key << " is missing";
    }
    if (value->empty()) {
        return ::testing::AssertionFailure() << "[" << section << "] " << key << " is empty";
    }
    return ::testing::AssertionSuccess();
}

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        document_ = IniDocument::Load(LanguageFile());
        ASSERT_TRUE(document_.has_value()) << "cannot read " << LanguageFile();
    }

    const IniDocument& Document() const { return *document_; }

private:
    std::optional<IniDocument> document_;
};

TEST_F(LanguageFileTest, EveryTextTheWindowsShowIsPresent) {
    for (const auto key : kTextKeys) {
        EXPECT_TRUE(HasText(Document(), kText, key));
    }
    for (const auto key : kLightKeys) {
        EXPECT_TRUE(HasText(Document(), kLight, key));
    }
    for (const int code : kEffectCodes) {
        EXPECT_TRUE(HasText(Document(), kMode, std::to_string(code)));
    }
}

TEST_F(LanguageFileTest, EveryKeyOfTheCatalogueHasAName) {
    const auto keys = model::CatalogueLanguageKeys();
    ASSERT_FALSE(keys.empty());
    for (const auto key : keys) {
        EXPECT_TRUE(HasText(Document(), kText, key));
    }
}

TEST(LanguageFileConversions, FindsEveryLonePercentWithItsFlagsAndSkipsDoubledOnes) {
    const struct {
        std::string_view text;
        std::vector<std::string> conversions;
    } cases[] = {
        {"Plain text", {}},
        {"100%% sure", {}},
        {"Unknown key (0x%04X)", {"%04X"}},
        {"%s is %-5.2f%% done", {"%s", "%-5.2f"}},
        {"%% then %d", {"%d"}},
        {"A trailing %", {"%"}},
        {"Spaced % d", {"% d"}},
        {"Width from %*d", {"%*d"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Conversions(c.text), c.conversions) << c.text;
    }
}

TEST_F(LanguageFileTest, FormatTextsTakeExactlyTheArgumentTheProgramPasses) {
    for (const auto& format : kFormatTexts) {
        SCOPED_TRACE(format.key);
        const auto value = Document().Find(kText, format.key);
        ASSERT_TRUE(value.has_value());
        const auto conversions = Conversions(*value);
        ASSERT_EQ(conversions.size(), 1u) << *value;
        EXPECT_TRUE(
            std::regex_match(conversions.front(), std::regex(std::string(format.conversion))))
            << conversions.front() << " in " << *value;
    }
}

TEST_F(LanguageFileTest, NoOtherTextContainsAConversion) {
    for (const auto section : {kText, kLight, kMode}) {
        for (const auto& key : Document().KeyNames(section)) {
            if (section == kText && IsFormatKey(key)) {
                continue;
            }
            const auto value = Document().Find(section, key).value_or("");
            EXPECT_TRUE(Conversions(value).empty())
                << "[" << section << "] " << key << "=" << value;
        }
    }
}

TEST(LanguageFileScanner, FindsLiteralKeysInEveryCallShape) {
    const std::string sample = R"src(
        SetWindowTextW(LookupText("MAIN_CAPTION", slot));
        constexpr std::string_view kLabels[] = {LightKey ( "Usb" ), TextKey("MENU_1")};
        const auto name = LookupModeText(
            "32", slot);
        label.SetText(lang::LookupLightText("Deng", slot));
        MyLookupText("NOT_A_LOOKUP");
        LookupText(key, slot);
    )src";
    const std::vector<KeyUse> expected = {
        {"TEXT", "MAIN_CAPTION"}, {"LIGHT", "Usb"},  {"TEXT", "MENU_1"},
        {"MODE", "32"},           {"LIGHT", "Deng"},
    };
    EXPECT_EQ(ScanLookups(sample), expected);
}

TEST_F(LanguageFileTest, EveryKeyTheProgramLooksUpIsPresent) {
    for (const auto& file : SourceFiles()) {
        for (const auto& use : ScanLookups(ReadWholeFile(file))) {
            EXPECT_TRUE(HasText(Document(), use.section, use.key))
                << "looked up in " << file.lexically_relative(SourceDir()).string();
        }
    }
}

TEST(LanguageFileStructure, ShadowedNamesFindsRepeatedSectionsAndKeysRegardlessOfCase) {
    const std::string sample =
        "; comment=ignored\n[Text]\nA=1\n a = 2\nB=3\n[LIGHT]\nA=4\n[text]\nb=5\n; comment=x\n";
    const std::vector<std::string> expected = {"[TEXT] A", "[TEXT]", "[TEXT] B"};
    EXPECT_EQ(ShadowedNames(sample), expected);
}

TEST(LanguageFileStructure, NoSectionOrKeyIsShadowedAndTheTextIsUtf8) {
    const std::string text = ReadWholeFile(LanguageFile());
    ASSERT_FALSE(text.empty()) << "cannot read " << LanguageFile();
    EXPECT_EQ(ShadowedNames(text), std::vector<std::string>{});
    const auto invalid = text::FirstMalformedByte(text);
    EXPECT_FALSE(invalid.has_value()) << "malformed UTF-8 at byte " << invalid.value_or(0);
}

TEST(LanguageFileWithCatalogue, KeyNamesComeOutReadable) {
    test::TempDir dir;
    registry::RegistryStore registry(dir.path() / "registry.txt");
    const lang::LanguageTable table(lang::LanguageEnvironment{
        SourceDir() / "data", &registry, [] { return lang::kEnglishUnitedStates; }});
    const model::TextLookup text = [&table](std::string_view key) { return table.LookupText(key); };
    EXPECT_EQ(model::KeyNameByCode(0x1E, text), "A");
    EXPECT_EQ(model::KeyNameByCode(0x64, text), "Unknown key (0x0064)");
    EXPECT_EQ(model::KeyNameByCode(0, text), "Unknown key (0x0000)");
    EXPECT_EQ(model::KeyNameByPickerPos(103, text), model::KeyNameByCode(0x36, text));
    EXPECT_NE(model::KeyNameByCode(0x11D, text), model::KeyNameByCode(0x1D, text));
}

}  // namespace
}  // namespace orvantix
