#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fs/AtomicFile.h"
#include "tests/unit/support/TempDir.h"

namespace orvantix::fs {
namespace {

namespace stdfs = std::filesystem;

std::vector<std::string> FolderEntries(const stdfs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

stdfs::perms Permissions(const stdfs::path& file) {
    return stdfs::status(file).permissions();
}

class AtomicFileTest : public ::testing::Test {
protected:
    test::TempDir dir_;
};

TEST_F(AtomicFileTest, ReadsNothingFromAMissingFileOrAFolder) {
    EXPECT_FALSE(ReadWholeFile(dir_ / "missing").has_value());
    EXPECT_FALSE(ReadWholeFile(dir_.path()).has_value());
}

TEST_F(AtomicFileTest, WritesAndReadsBytesExactly) {
    std::string bytes("a\0b\r\n\xFF", 6);
    bytes += std::string(100000, 'z');  // more than one read
    ASSERT_TRUE(WriteFileAtomically(dir_ / "data.bin", bytes));
    EXPECT_EQ(ReadWholeFile(dir_ / "data.bin"), bytes);
    ASSERT_TRUE(WriteFileAtomically(dir_ / "empty", ""));
    EXPECT_EQ(ReadWholeFile(dir_ / "empty"), "");
}

TEST_F(AtomicFileTest, ReplacesAnOldFileAndLeavesNoTemporaryFile) {
    const stdfs::path file = dir_ / "settings.ini";
    ASSERT_TRUE(WriteFileAtomically(file, "a long first version of the file\n"));
    ASSERT_TRUE(WriteFileAtomically(file, "short\n"));
    EXPECT_EQ(test::ReadText(file), "short\n");
    EXPECT_EQ(FolderEntries(dir_.path()), std::vector<std::string>{"settings.ini"});
}

TEST_F(AtomicFileTest, CreatesMissingParentFolders) {
    const stdfs::path file = dir_ / "a" / "b" / "c.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "x"));
    EXPECT_EQ(test::ReadText(file), "x");
}

TEST_F(AtomicFileTest, KeepsTheOldFilesPermissions) {
    const stdfs::path file = dir_ / "private.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    stdfs::permissions(
        file, stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(Permissions(file),
              stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read);
}

TEST_F(AtomicFileTest, GivesANewFileTheModeTheUmaskAllows) {
    const mode_t previous = ::umask(027);
    const bool written = WriteFileAtomically(dir_ / "new.txt", "x");
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(Permissions(dir_ / "new.txt"),
              stdfs::perms::owner_read | stdfs::perms::owner_write | stdfs::perms::group_read);
}

TEST_F(AtomicFileTest, WritesThroughASymbolicLink) {
    ASSERT_TRUE(WriteFileAtomically(dir_ / "real.txt", "old"));
    stdfs::create_symlink("real.txt", dir_ / "link.txt");
    ASSERT_TRUE(WriteFileAtomically(dir_ / "link.txt", "new"));
    EXPECT_TRUE(stdfs::is_symlink(dir_ / "link.txt"));
    EXPECT_EQ(test::ReadText(dir_ / "real.txt"), "new");
}

TEST_F(AtomicFileTest, FailedRenameLeavesTheTargetAndNoTemporaryFile) {
    // rename() cannot replace a folder that has something in it.
    const stdfs::path target = dir_ / "taken";
    ASSERT_TRUE(WriteFileAtomically(target / "inside.txt", "keep"));
    EXPECT_FALSE(WriteFileAtomically(target, "bytes"));
    EXPECT_EQ(test::ReadText(target / "inside.txt"), "keep");
    EXPECT_EQ(FolderEntries(dir_.path()), std::vector<std::string>{"taken"});
}

TEST_F(AtomicFileTest, FailsWhenAParentIsAFile) {
    ASSERT_TRUE(WriteFileAtomically(dir_ / "plain", "x"));
    EXPECT_FALSE(WriteFileAtomically(dir_ / "plain" / "child.txt", "y"));
    EXPECT_EQ(test::ReadText(dir_ / "plain"), "x");
}

// Permission bits do not stop root, so the write is tried by a child process that gives up
// root first. The child's exit code: 0 refused, 1 written, 2 could not drop root.
int TryWriteWithoutPrivileges(const stdfs::path& file) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(WriteFileAtomically(file, "new") ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(AtomicFileTest, RefusesAFolderThatCannotBeWrittenAndKeepsTheOldFile) {
    const stdfs::path folder = dir_ / "locked";
    const stdfs::path file = folder / "settings.ini";
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    stdfs::permissions(dir_.path(), stdfs::perms::owner_all | stdfs::perms::group_exec |
                                        stdfs::perms::others_exec);
    stdfs::permissions(folder, stdfs::perms::owner_read | stdfs::perms::owner_exec |
                                   stdfs::perms::others_read | stdfs::perms::others_exec);

    const int result = TryWriteWithoutPrivileges(file);
    stdfs::permissions(folder, stdfs::perms::owner_all);
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::ReadText(file), "old");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"settings.ini"});
}

TEST_F(AtomicFileTest, LockExcludesOtherHoldersUntilReleased) {
    const stdfs::path file = dir_ / "sub" / "store.txt";
    const stdfs::path lockFile = dir_ / "sub" / "store.txt.lock";
    {
        FileLock lock(file);
        ASSERT_TRUE(lock.Held());
        // flock conflicts between open file descriptions, even in one process.
        const int other = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(other, 0);
        EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), -1);
        EXPECT_EQ(errno, EWOULDBLOCK);
        ::close(other);
    }
    const int other = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
}

}  // namespace
}  // namespace orvantix::fs
