#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvantix::fs {

// The whole file as bytes; nullopt when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// The file's bytes for a read-modify-write: the empty text when the file does not exist yet;
// nullopt when it exists but cannot be read, since rewriting it would lose what it holds.
std::optional<std::string> ReadFileForUpdate(const std::filesystem::path& file);

// Replaces `file` with `bytes` so that a crash or a full disk never leaves a half-written file:
// the bytes go to a temporary file in the same folder, are flushed to disk, then renamed over
// the old one. Creates missing parent folders. False when anything fails; the old file is then
// untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// An exclusive advisory lock (flock) on a companion lock file "<file>.lock", held for the
// object's life. Serialises read-modify-write cycles of several processes on one file.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the lock file could not be opened or locked; the caller may still go on.
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace orvantix::fs
