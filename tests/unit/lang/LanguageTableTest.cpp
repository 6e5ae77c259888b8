#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "tests/unit/support/TempDir.h"
#include "ui/lang/LanguageTable.h"

namespace orvantix::lang {
namespace {

constexpr LanguageId kChineseSimplified = 0x0804;
constexpr LanguageId kEnglishUnitedKingdom = 0x0809;

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLanguageFile("Lang0409.ini",
                          "[TEXT]\n"
                          "MAIN_CAPTION=Orvantix\n"
                          "EMPTY=\n"
                          "Speed=text speed\n"
                          "LONG=" +
                              std::string(300, 'x') +
                              "\n"
                              "[LIGHT]\n"
                              "Speed=Speed\n"
                              "[MODE]\n"
                              "32=Starlight\n");
    }

    void WriteLanguageFile(const std::string& name, const std::string& text) {
        std::ofstream(dir_.path() / name) << text;
    }

    LanguageTable Table(LanguageId systemLanguage, bool withRegistry = true) {
        return LanguageTable(LanguageEnvironment{dir_.path(), withRegistry ? &registry_ : nullptr,
                                                 [systemLanguage] { return systemLanguage; }});
    }

    std::optional<std::uint32_t> StoredId() const {
        const auto stored = registry_.ReadDword(kSettingsKey, kLanguageIdValue);
        return stored.present() ? std::optional(stored.value) : std::nullopt;
    }

    test::TempDir dir_;
    registry::RegistryStore registry_{dir_.path() / "registry.txt"};
};

TEST_F(LanguageTableTest, FirstRunStoresEnglishForEnglishVariantsAndUnknownLanguages) {
    for (LanguageId system : {kEnglishUnitedKingdom, kChineseSimplified, kEnglishUnitedStates,
                              LanguageId{0x2C09}, LanguageId{0}, LanguageId{0x10409}}) {
        registry_.DeleteValue(kSettingsKey, kLanguageIdValue);
        const LanguageTable table = Table(system);
        EXPECT_EQ(table.LookupText("MAIN_CAPTION", table.CurrentLanguageIndex()), "Orvantix");
        EXPECT_EQ(StoredId(), kEnglishUnitedStates) << std::hex << system;
    }
}

TEST_F(LanguageTableTest, StoredChoiceWinsOverTheSystemLanguage) {
    ASSERT_TRUE(registry_.WriteDword(kSettingsKey, kLanguageIdValue, kChineseSimplified));
    const LanguageTable table = Table(kEnglishUnitedKingdom);
    // Kept as it is although no slot holds it; texts then come from slot 0.
    EXPECT_EQ(table.CurrentLanguageId(), kChineseSimplified);
    EXPECT_EQ(table.CurrentLanguageIndex(), 0u);
    EXPECT_EQ(table.LookupText("MAIN_CAPTION"), "Orvantix");
    EXPECT_EQ(StoredId(), kChineseSimplified);
}

TEST_F(LanguageTableTest, ValueOfAnotherTypeIsReplacedByTheFirstRunChoice) {
    ASSERT_TRUE(registry_.WriteString(kSettingsKey, kLanguageIdValue, "1033"));
    const LanguageTable table = Table(kChineseSimplified);
    EXPECT_EQ(table.LookupText("MAIN_CAPTION"), "Orvantix");
    EXPECT_EQ(StoredId(), kEnglishUnitedStates);
}

TEST_F(LanguageTableTest, WithoutARegistryEveryLookupDecidesAgainAndStoresNothing) {
    const LanguageTable table = Table(kEnglishUnitedKingdom, /*withRegistry=*/false);
    EXPECT_EQ(table.CurrentLanguageId(), kEnglishUnitedStates);
    EXPECT_EQ(table.LookupText("MAIN_CAPTION"), "Orvantix");
    EXPECT_FALSE(registry_.KeyExists(kSettingsKey));
}

TEST_F(LanguageTableTest, TextsBySectionAndKey) {
    const LanguageTable table = Table(kEnglishUnitedStates);
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {table.LookupText("main_caption", 0), "Orvantix"},
        {table.LookupText("EMPTY", 0), ""},
        {table.LookupText("MISSING", 0), "#Error"},
        {table.LookupText("Speed", 0), "text speed"},
        {table.LookupLightText("Speed", 0), "Speed"},
        {table.LookupLightText("MAIN_CAPTION", 0), "#Error"},
        {table.LookupModeText("32", 0), "Starlight"},
        {table.LookupModeText("032", 0), "#Error"},
        {table.LookupText("LONG", 0), std::string(259, 'x')},
        // A slot outside 0..3 is slot 0; an empty slot has no file.
        {table.LookupText("MAIN_CAPTION", 7), "Orvantix"},
        {table.LookupText("MAIN_CAPTION", 1), "#Error"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST_F(LanguageTableTest, MissingFileGivesTheErrorTextAndAChangedFileIsReadAgain) {
    const LanguageTable table = Table(kEnglishUnitedStates);
    EXPECT_EQ(table.LanguageFilePath(0), dir_.path() / "Lang0409.ini");
    EXPECT_EQ(table.LanguageFilePath(3), dir_.path() / "Lang0000.ini");

    WriteLanguageFile("Lang0409.ini", "[TEXT]\nMAIN_CAPTION=Renamed\n");
    EXPECT_EQ(table.LookupText("MAIN_CAPTION"), "Renamed");

    std::filesystem::remove(dir_.path() / "Lang0409.ini");
    EXPECT_EQ(table.LookupText("MAIN_CAPTION"), "#Error");
}

TEST(SystemLanguage, LocaleNames) {
    const std::pair<const char*, LanguageId> cases[] = {
        {"en_US.UTF-8", 0x0409},
        {"en_GB.UTF-8", 0x0809},
        {"en_AU", 0x0C09},
        {"en_CA", 0x1009},
        {"en_NZ", 0x1409},
        {"en_IE", 0x1809},
        {"en_ZA", 0x1C09},
        {"en_JM", 0x2009},
        {"en_BS", 0x2409},
        {"en_BZ", 0x2809},
        {"en_TT", 0x2C09},
        {"en", 0x0409},
        {"EN_gb", 0x0809},
        {"en-GB", 0x0809},
        {"en_XX", 0x0409},
        {"de_DE.UTF-8", 0x0407},
        {"de_AT@euro", 0x0C07},
        {"de_CH", 0x0807},
        {"fr_FR", 0x040C},
        {"fr_CA", 0x0C0C},
        {"es_ES", 0x0C0A},
        {"es_MX", 0x080A},
        {"ja_JP.eucJP", 0x0411},
        {"ko_KR.UTF-8", 0x0412},
        {"ru_RU.KOI8-R", 0x0419},
        {"zh_CN.GB18030", 0x0804},
        {"zh_TW.Big5", 0x0404},
        {"zh", 0x0804},
        {"C", 0},
        {"C.UTF-8", 0},
        {"POSIX", 0},
        {"", 0},
        {"xx_YY", 0},
    };
    for (const auto& [name, id] : cases) {
        EXPECT_EQ(LanguageIdFromLocaleName(name), id) << name;
    }
}

class ScopedEnvironment {
public:
    ScopedEnvironment() {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            Set(name, value ? value->c_str() : nullptr);
        }
    }
    static void Set(const char* name, const char* value) {
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }

    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(SystemLanguage, TakesTheFirstSetOfLcAllLcMessagesAndLang) {
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        LanguageId id;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", "de_DE", "fr_FR", 0x0411},
        {"", "de_DE", "fr_FR", 0x0407},
        {nullptr, nullptr, "fr_FR", 0x040C},
        {nullptr, nullptr, nullptr, kEnglishUnitedStates},
        {nullptr, nullptr, "C", kEnglishUnitedStates},
    };
    const ScopedEnvironment restore;
    for (const Case& c : cases) {
        ScopedEnvironment::Set("LC_ALL", c.lcAll);
        ScopedEnvironment::Set("LC_MESSAGES", c.lcMessages);
        ScopedEnvironment::Set("LANG", c.lang);
        EXPECT_EQ(SystemLanguageId(), c.id);
    }
}

}  // namespace
}  // namespace orvantix::lang
