#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/fs/AtomicFile.h"
#include "platform/registry/Registry.h"
#include "tests/unit/support/TempDir.h"

namespace orvantix::registry {
namespace {

namespace stdfs = std::filesystem;

constexpr std::string_view kProfiles = "Software\\Orvantix_Corvale\\Orvantix\\PROFILES";

class RegistryTest : public ::testing::Test {
protected:
    test::TempDir dir_;
    RegistryStore store_{dir_ / "config" / "registry.txt"};
};

TEST_F(RegistryTest, MissingStoreReadsAsMissing) {
    EXPECT_FALSE(store_.KeyExists("Software"));
    EXPECT_EQ(store_.ReadDword("Software", "x").status, ReadStatus::Missing);
    EXPECT_EQ(store_.ReadString("Software", "x").status, ReadStatus::Missing);
    EXPECT_TRUE(store_.ValueNames("Software").empty());
    EXPECT_FALSE(store_.DeleteValue("Software", "x"));
}

TEST_F(RegistryTest, TellsMissingWrongTypeAndPresentApart) {
    ASSERT_TRUE(store_.WriteDword(kProfiles, "Flip", 7));
    EXPECT_EQ(store_.ReadDword(kProfiles, "Flip").status, ReadStatus::Present);
    EXPECT_EQ(store_.ReadDword(kProfiles, "Flip").value, 7u);
    EXPECT_EQ(store_.ReadString(kProfiles, "Flip").status, ReadStatus::WrongType);
    EXPECT_EQ(store_.ReadDword(kProfiles, "Other").status, ReadStatus::Missing);
    EXPECT_EQ(store_.ReadDword("Software\\Elsewhere", "Flip").status, ReadStatus::Missing);

    ASSERT_TRUE(store_.WriteString(kProfiles, "Flip", "0"));
    EXPECT_EQ(store_.ReadDword(kProfiles, "Flip").status, ReadStatus::WrongType);
    const ReadResult<std::string> text = store_.ReadString(kProfiles, "Flip");
    ASSERT_TRUE(text.present());
    EXPECT_EQ(text.value, "0");

    ASSERT_TRUE(store_.WriteDword(kProfiles, "Flip", 0xFFFFFFFF));
    EXPECT_EQ(store_.ReadDword(kProfiles, "Flip").value, 0xFFFFFFFFu);
    EXPECT_EQ(store_.ValueNames(kProfiles), std::vector<std::string>{"Flip"});
}

TEST_F(RegistryTest, WritesAReadableFile) {
    ASSERT_TRUE(store_.WriteDword("Software\\VX380-5_QM447", "dwLanguageId", 0x409));
    ASSERT_TRUE(store_.WriteString(kProfiles, "Flip", "0"));
    ASSERT_TRUE(store_.WriteString(kProfiles, "", "default"));
    EXPECT_EQ(test::ReadText(store_.file()),
              "[Software\\VX380-5_QM447]\n"
              "\"dwLanguageId\"=dword:00000409\n"
              "\n"
              "[Software\\Orvantix_Corvale\\Orvantix\\PROFILES]\n"
              "\"Flip\"=\"0\"\n"
              "@=\"default\"\n");
}

TEST_F(RegistryTest, MatchesPathsAndNamesWithoutCaseAndKeepsTheFirstSpelling) {
    ASSERT_TRUE(store_.WriteDword(kProfiles, "Flip", 1));
    ASSERT_TRUE(store_.WriteDword("SOFTWARE//orvantix_corvale/Orvantix\\profiles\\", "FLIP", 2));
    ASSERT_TRUE(store_.WriteDword("/software/ORVANTIX_CORVALE/Orvantix/Profiles/New", "a", 3));
    EXPECT_EQ(store_.ReadDword("software\\orvantix_corvale\\orvantix\\profiles", "flip").value, 2u);
    EXPECT_EQ(store_.ValueNames(kProfiles), std::vector<std::string>{"Flip"});
    const std::string text = test::ReadText(store_.file());
    EXPECT_NE(
        text.find("[Software\\Orvantix_Corvale\\Orvantix\\PROFILES]\n\"Flip\"=dword:00000002"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("[Software\\Orvantix_Corvale\\Orvantix\\PROFILES\\New]"), std::string::npos)
        << text;
}

TEST_F(RegistryTest, CreatedKeysAndTheirParentsExist) {
    ASSERT_TRUE(store_.CreateKey("Software/Maker/Program"));
    ASSERT_TRUE(store_.CreateKey("software\\maker"));
    const std::string text = test::ReadText(store_.file());
    for (std::string_view key : {"Software", "SOFTWARE\\maker", "Software/Maker/Program/"}) {
        EXPECT_TRUE(store_.KeyExists(key)) << key;
    }
    for (std::string_view key : {"Software\\Make", "Software\\Maker\\Other", "", "\\/"}) {
        EXPECT_FALSE(store_.KeyExists(key)) << key;
    }
    EXPECT_EQ(test::ReadText(store_.file()), text) << "creating an existing key rewrote the store";
    EXPECT_TRUE(store_.ValueNames("Software\\Maker").empty());
}

TEST_F(RegistryTest, RefusesEmptyKeyPathsAndLineBreaks) {
    EXPECT_FALSE(store_.WriteDword("", "x", 1));
    EXPECT_FALSE(store_.WriteString("\\//", "x", "y"));
    EXPECT_FALSE(store_.CreateKey("Software\nEvil"));
    EXPECT_EQ(store_.ReadDword("", "x").status, ReadStatus::Missing);
    EXPECT_FALSE(stdfs::exists(store_.file()));
}

TEST_F(RegistryTest, EscapedNamesAndTextsRoundTrip) {
    const std::vector<std::string> texts = {
        "plain",
        "with \"quotes\"",
        "back\\slash",
        "trailing\\",
        "line\nbreak\r\n",
        "tab\there",
        "",
        "\xC3\xBCnic\xC3\xB6"
        "de",
        "=\"@\"=",
        "[Not\\A\\Key]",
    };
    for (const std::string& text : texts) {
        ASSERT_TRUE(store_.WriteString("Escapes", text, text));
    }
    const RegistryStore reopened(store_.file());
    for (const std::string& text : texts) {
        const ReadResult<std::string> read = reopened.ReadString("Escapes", text);
        ASSERT_TRUE(read.present()) << text;
        EXPECT_EQ(read.value, text);
    }
    EXPECT_EQ(reopened.ValueNames("Escapes"), texts);
}

TEST_F(RegistryTest, DeletesValuesButKeepsTheKey) {
    ASSERT_TRUE(store_.WriteDword("Key", "a", 1));
    ASSERT_TRUE(store_.WriteString("Key", "b", "2"));
    EXPECT_TRUE(store_.DeleteValue("KEY", "A"));
    EXPECT_FALSE(store_.DeleteValue("Key", "a"));
    EXPECT_EQ(store_.ValueNames("Key"), std::vector<std::string>{"b"});
    EXPECT_TRUE(store_.DeleteValue("Key", "b"));
    EXPECT_TRUE(store_.KeyExists("Key"));
}

TEST_F(RegistryTest, ReadsLenientlyAndDropsWhatItCannotUnderstand) {
    ASSERT_TRUE(fs::WriteFileAtomically(store_.file(),
                                        "\"Orphan\"=dword:1\r\n"
                                        "garbage line\r\n"
                                        "[Software\\Good]\r\n"
                                        "  \"Number\" = dword:0000002A  \r\n"
                                        "\"Text\"=\"ok\"\r\n"
                                        "\"Text\"=\"second copy\"\r\n"
                                        "\"TooLong\"=dword:123456789\r\n"
                                        "\"BadHex\"=dword:xyz\r\n"
                                        "\"Unterminated\"=\"abc\r\n"
                                        "\"Trailing\"=\"abc\" junk\r\n"
                                        "NoQuotes=\"x\"\r\n"
                                        "[\r\n"
                                        "\"AfterBadHeader\"=\"x\"\r\n"
                                        "[software\\GOOD]\r\n"
                                        "\"Merged\"=\"yes\"\r\n"));
    EXPECT_EQ(store_.ReadDword("Software\\Good", "Number").value, 42u);
    EXPECT_EQ(store_.ReadString("Software\\Good", "Text").value, "ok");
    EXPECT_EQ(store_.ReadString("Software\\Good", "Merged").value, "yes");
    EXPECT_EQ(store_.ValueNames("Software\\Good"),
              (std::vector<std::string>{"Number", "Text", "Merged"}));

    ASSERT_TRUE(store_.WriteDword("Software\\Good", "Added", 1));
    EXPECT_EQ(test::ReadText(store_.file()),
              "[Software\\Good]\n"
              "\"Number\"=dword:0000002a\n"
              "\"Text\"=\"ok\"\n"
              "\"Merged\"=\"yes\"\n"
              "\"Added\"=dword:00000001\n");
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceKeepAllTheirValues) {
    constexpr int kWriters = 2;
    constexpr int kValuesEach = 40;
    int startPipe[2];
    ASSERT_EQ(::pipe(startPipe), 0);
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(startPipe[1]);
            char go = 0;
            (void)::read(startPipe[0], &go, 1);  // returns when the parent closes its end
            RegistryStore store(store_.file());
            bool ok = true;
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = "w" + std::to_string(writer) + "_" + std::to_string(i);
                ok = ok && (i % 2 == 0 ? store.WriteDword(kProfiles, name, i)
                                       : store.WriteString(kProfiles, name, name));
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    ::close(startPipe[0]);
    ::close(startPipe[1]);
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    for (int writer = 0; writer < kWriters; ++writer) {
        for (int i = 0; i < kValuesEach; ++i) {
            const std::string name = "w" + std::to_string(writer) + "_" + std::to_string(i);
            if (i % 2 == 0) {
                EXPECT_EQ(store_.ReadDword(kProfiles, name).value, static_cast<unsigned>(i))
                    << name;
            } else {
                EXPECT_EQ(store_.ReadString(kProfiles, name).value, name);
            }
        }
    }
    EXPECT_EQ(store_.ValueNames(kProfiles).size(),
              static_cast<std::size_t>(kWriters * kValuesEach));
}

// Sets environment variables for one test and restores them afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(RegistryTest, DefaultFileFollowsTheXdgConfigFolder) {
    const std::string home = (dir_ / "home").string();
    const std::string config = (dir_ / "xdg").string();
    ScopedEnv homeEnv("HOME", home.c_str());
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
        EXPECT_EQ(RegistryStore::DefaultFile(), dir_ / "xdg" / "orvantix" / "registry.txt");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(RegistryStore::DefaultFile(),
                  dir_ / "home" / ".config" / "orvantix" / "registry.txt");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
        EXPECT_EQ(RegistryStore::DefaultFile(),
                  dir_ / "home" / ".config" / "orvantix" / "registry.txt");
    }
}

}  // namespace
}  // namespace orvantix::registry
