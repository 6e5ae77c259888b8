#include "platform/fs/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

namespace orvantix::fs {
namespace {

namespace stdfs = std::filesystem;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = other.Release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    bool Valid() const { return fd_ >= 0; }

    // Closes now and reports whether the kernel accepted the close; a failed close can mean
    // lost data on some file systems.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    void Reset() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

    int fd_;
};

// Removes the temporary file unless the rename has taken it over.
class TempFileGuard {
public:
    explicit TempFileGuard(stdfs::path path) : path_(std::move(path)) {}
    ~TempFileGuard() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    void Release() { path_.clear(); }

private:
    stdfs::path path_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FsyncRetrying(int fd) {
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

std::string RandomSuffix() {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix) {
        c = kAlphabet[pick(device)];
    }
    return suffix;
}

struct TempFile {
    UniqueFd fd;
    stdfs::path path;
};

// Like mkstemp, but the file is created with 0666 so that the umask decides a new file's mode,
// as it would for a file written in place.
bool CreateTempFile(const stdfs::path& folder, const stdfs::path& name, TempFile& temp) {
    constexpr int kAttempts = 64;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        stdfs::path candidate = folder / ("." + name.string() + ".tmp" + RandomSuffix());
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temp.fd = UniqueFd(fd);
            temp.path = std::move(candidate);
            return true;
        }
        if (errno != EEXIST && errno != EINTR) {
            return false;
        }
    }
    return false;
}

// The file a write lands in: a symbolic link is followed, so that a linked configuration file
// stays linked.
stdfs::path WriteTarget(const stdfs::path& file) {
    std::error_code error;
    if (stdfs::is_symlink(file, error)) {
        stdfs::path resolved = stdfs::weakly_canonical(file, error);
        if (!error) {
            return resolved;
        }
    }
    return file;
}

void SyncFolder(const stdfs::path& folder) {
    // Only makes the rename durable; the new content is already in place, so a file system
    // that cannot sync folders is no failure.
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid()) {
        FsyncRetrying(fd.Get());
    }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof(buffer));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<std::string> ReadFileForUpdate(const std::filesystem::path& file) {
    if (std::optional<std::string> bytes = ReadWholeFile(file)) {
        return bytes;
    }
    std::error_code error;
    if (stdfs::exists(file, error) || error) {
        return std::nullopt;
    }
    return std::string();
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const stdfs::path target = WriteTarget(file);
    if (!target.has_filename()) {
        return false;
    }
    const stdfs::path folder = target.has_parent_path() ? target.parent_path() : stdfs::path(".");
    std::error_code error;
    stdfs::create_directories(folder, error);
    if (error) {
        return false;
    }

    TempFile temp;
    if (!CreateTempFile(folder, target.filename(), temp)) {
        return false;
    }
    TempFileGuard guard(temp.path);

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(temp.fd.Get(), old.st_mode & 07777) != 0) {
        return false;
    }
    if (!WriteAll(temp.fd.Get(), bytes) || !FsyncRetrying(temp.fd.Get()) || !temp.fd.Close()) {
        return false;
    }
    if (::rename(temp.path.c_str(), target.c_str()) != 0) {
        return false;
    }
    guard.Release();
    SyncFolder(folder);
    return true;
}

FileLock::FileLock(const std::filesystem::path& file) {
    stdfs::path lockFile = file;
    lockFile += ".lock";
    if (lockFile.has_parent_path()) {
        std::error_code error;
        stdfs::create_directories(lockFile.parent_path(), error);
    }
    UniqueFd fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!fd.Valid()) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(fd.Get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd.Release();
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace orvantix::fs
