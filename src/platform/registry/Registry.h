#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A per-user store of typed values under key paths, in place of the Windows registry under
// HKEY_CURRENT_USER. Key paths use '\' or '/' between their parts; key paths and value names
// match without regard to ASCII case. The store is one readable text file; every write is a
// read-modify-write under an exclusive lock, replacing the file atomically, so two processes
// writing at once both keep their values.
namespace orvantix::registry {

enum class ValueType { Dword, String };

enum class ReadStatus {
    Missing,    // the key or the value does not exist (or the store cannot be read)
    WrongType,  // the value exists with the other type
    Present,
};

template <typename T>
struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    T value{};

    bool present() const { return status == ReadStatus::Present; }
};

class RegistryStore {
public:
    explicit RegistryStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME (default ~/.config) + "/orvantix/registry.txt".
    static std::filesystem::path DefaultFile();

    const std::filesystem::path& file() const { return file_; }

    bool KeyExists(std::string_view keyPath) const;
    // Creates the key (and its parents, as the registry does) when missing. False on failure.
    bool CreateKey(std::string_view keyPath);

    ReadResult<std::uint32_t> ReadDword(std::string_view keyPath, std::string_view name) const;
    ReadResult<std::string> ReadString(std::string_view keyPath, std::string_view name) const;

    // Create the key when missing and set the value, replacing one of either type.
    bool WriteDword(std::string_view keyPath, std::string_view name, std::uint32_t value);
    bool WriteString(std::string_view keyPath, std::string_view name, std::string_view value);
    // True when the value existed and is gone.
    bool DeleteValue(std::string_view keyPath, std::string_view name);

    std::vector<std::string> ValueNames(std::string_view keyPath) const;

private:
    std::filesystem::path file_;
};

}  // namespace orvantix::registry
