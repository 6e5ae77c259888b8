#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Private-profile (INI) files with the semantics of the Windows reader and writer: section and
// key names match without regard to ASCII case, blanks around names and values are trimmed, a
// value in double quotes loses them, the first matching section and key win, lines starting with
// ';' are comments. Writing keeps every other line, comment and line ending as it was.
namespace orvantix::ini {

// Windows callers pass their buffer size; 260 is the size the program uses everywhere.
inline constexpr std::size_t kDefaultCapacity = 260;

// One INI file's text, parsed once, queried and edited in memory.
class IniDocument {
public:
    static IniDocument Parse(std::string_view text);
    // nullopt when the file does not exist or cannot be read.
    static std::optional<IniDocument> Load(const std::filesystem::path& file);

    // The trimmed and unquoted value, or nullopt when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Replaces the first matching key's value, or appends the key to the first matching section,
    // or appends the section and the key at the end. A value that the reader would trim or
    // unquote is stored in quotes, so it reads back exactly. Does nothing when a name or the
    // value could not be kept on one line (the cases WriteString rejects).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed. Removes every copy the reader would otherwise find next:
    // all matching keys of the first matching section, all matching sections.
    bool RemoveKey(std::string_view section, std::string_view key);
    bool RemoveSection(std::string_view section);

    std::string Text() const;

private:
    // Each line with its own line ending exactly as read, so Text() gives back what was parsed.
    std::vector<std::string> lines_;
    // The ending of the file's first line, given to lines added later.
    std::string newline_ = "\n";
    bool byteOrderMark_ = false;
};

// GetPrivateProfileString: the value cut to capacity - 1 characters; `defaultValue` (cut the
// same way) when the file, section or key is missing; the empty text for an empty value.
std::string ReadString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string_view defaultValue,
                       std::size_t capacity = kDefaultCapacity);

// GetPrivateProfileInt: the leading decimal number of the value (an optional sign, then digits;
// "0x" introduces hexadecimal), 0 when the value does not start with one, `defaultValue` when
// the key is missing.
int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
            int defaultValue);

// WritePrivateProfileString: creates the file, section or key as needed and replaces only that
// value; the file is replaced atomically under a lock shared by all writers. False on failure
// and for names or values that cannot be stored on one line: an empty name, a line break in a
// name or value, '=' in a key, ']' in a section, a key starting with ';' or '['.
bool WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value);
// True when the key or section is gone afterwards, also when it never existed.
bool DeleteKey(const std::filesystem::path& file, std::string_view section, std::string_view key);
bool DeleteSection(const std::filesystem::path& file, std::string_view section);

std::vector<std::string> ReadSectionNames(const std::filesystem::path& file);
std::vector<std::string> ReadKeyNames(const std::filesystem::path& file, std::string_view section);

}  // namespace orvantix::ini
