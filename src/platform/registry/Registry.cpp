#include "platform/registry/Registry.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/fs/AtomicFile.h"
#include "platform/text/Utf8.h"

namespace orvantix::registry {
namespace {

using text::TrimBlanks;

// The store's text form, one block per key:
//   [Software\Maker\Program]
//   "Name"=dword:00000409
//   "Text"="a \"quoted\" value"
//   @="the key's default value"
// Parent keys are stored only when they hold values of their own; they exist through their
// children.

constexpr char kSeparator = '\\';
constexpr std::string_view kDwordPrefix = "dword:";

struct Escape {
    char raw;
    char code;
};
constexpr Escape kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}};

struct StoredValue {
    std::string name;
    ValueType type = ValueType::String;
    std::uint32_t dword = 0;
    std::string text;
};

struct StoredKey {
    std::string path;
    std::vector<StoredValue> values;
};

using Store = std::vector<StoredKey>;

// Parts joined by single backslashes; nullopt for the empty path and for line breaks, which
// the text form cannot hold in a key.
std::optional<std::string> NormalizeKeyPath(std::string_view path) {
    if (path.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string normalized;
    std::size_t pos = 0;
    while (pos < path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", pos), path.size());
        if (end > pos) {
            if (!normalized.empty()) {
                normalized += kSeparator;
            }
            normalized.append(path.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    if (normalized.empty()) {
        return std::nullopt;
    }
    return normalized;
}

bool IsSameOrChild(std::string_view stored, std::string_view key) {
    return stored.size() >= key.size() &&
           text::EqualsIgnoreCase(stored.substr(0, key.size()), key) &&
           (stored.size() == key.size() || stored[key.size()] == kSeparator);
}

// The spelling `key` (normalised) has in the store, taken from the key itself or from one of
// its children; nullopt when neither exists.
std::optional<std::string> StoredSpelling(const Store& store, std::string_view key) {
    for (const StoredKey& stored : store) {
        if (IsSameOrChild(stored.path, key)) {
            return stored.path.substr(0, key.size());
        }
    }
    return std::nullopt;
}

template <typename StoreT>
auto FindKey(StoreT& store, std::string_view key) -> decltype(&store.front()) {
    for (auto& stored : store) {
        if (text::EqualsIgnoreCase(stored.path, key)) {
            return &stored;
        }
    }
    return nullptr;
}

template <typename KeyT>
auto FindValue(KeyT& key, std::string_view name) -> decltype(&key.values.front()) {
    for (auto& value : key.values) {
        if (text::EqualsIgnoreCase(value.name, name)) {
            return &value;
        }
    }
    return nullptr;
}

// The key, created when missing; the parts that already exist keep their first spelling.
StoredKey& EnsureKey(Store& store, std::string_view key) {
    std::string spelled;
    std::size_t pos = 0;
    while (pos < key.size()) {
        const std::size_t end = std::min(key.find(kSeparator, pos), key.size());
        std::string candidate = spelled;
        if (!candidate.empty()) {
            candidate += kSeparator;
        }
        candidate.append(key.substr(pos, end - pos));
        spelled = StoredSpelling(store, candidate).value_or(candidate);
        pos = end + 1;
    }
    if (StoredKey* existing = FindKey(store, spelled)) {
        return *existing;
    }
    store.push_back({spelled, {}});
    return store.back();
}

std::string Quote(std::string_view raw) {
    std::string quoted = "\"";
    for (const char c : raw) {
        const Escape* escape = nullptr;
        for (const Escape& candidate : kEscapes) {
            if (candidate.raw == c) {
                escape = &candidate;
            }
        }
        if (escape != nullptr) {
            quoted += '\\';
            quoted += escape->code;
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

char Unescape(char code) {
    for (const Escape& escape : kEscapes) {
        if (escape.code == code) {
            return escape.raw;
        }
    }
    return code;  // unknown escapes keep the character, leniently
}

// Reads a quoted text at the start of `rest` and consumes it; nullopt when there is none.
std::optional<std::string> ConsumeQuoted(std::string_view& rest) {
    if (!rest.starts_with('"')) {
        return std::nullopt;
    }
    std::string raw;
    for (std::size_t pos = 1; pos < rest.size(); ++pos) {
        if (rest[pos] == '"') {
            rest.remove_prefix(pos + 1);
            return raw;
        }
        if (rest[pos] == '\\' && pos + 1 < rest.size()) {
            raw += Unescape(rest[++pos]);
        } else {
            raw += rest[pos];
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : digits) {
        const std::uint32_t digit = text::DigitValue(c);
        if (digit >= 16) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

std::string FormatHex(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(8, '0');
    for (std::size_t i = hex.size(); i-- > 0; value >>= 4) {
        hex[i] = kDigits[value & 0xF];
    }
    return hex;
}

std::optional<std::string> ConsumeValueName(std::string_view& rest) {
    if (rest.starts_with('@')) {
        rest.remove_prefix(1);
        return std::string();
    }
    return ConsumeQuoted(rest);
}

std::optional<StoredValue> ParseValueLine(std::string_view line) {
    StoredValue value;
    std::optional<std::string> name = ConsumeValueName(line);
    line = TrimBlanks(line);
    if (!name || !line.starts_with('=')) {
        return std::nullopt;
    }
    value.name = std::move(*name);
    line = TrimBlanks(line.substr(1));
    if (line.size() >= kDwordPrefix.size() &&
        text::EqualsIgnoreCase(line.substr(0, kDwordPrefix.size()), kDwordPrefix)) {
        const std::optional<std::uint32_t> dword = ParseHex(line.substr(kDwordPrefix.size()));
        if (!dword) {
            return std::nullopt;
        }
        value.type = ValueType::Dword;
        value.dword = *dword;
        return value;
    }
    std::optional<std::string> text = ConsumeQuoted(line);
    if (!text || !TrimBlanks(line).empty()) {
        return std::nullopt;
    }
    value.type = ValueType::String;
    value.text = std::move(*text);
    return value;
}

// Lenient: what cannot be understood is skipped (and so dropped by the next write); a repeated
// key is merged into its first block and a repeated value loses to the first one.
Store ParseStore(std::string_view text) {
    constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
    Store store;
    std::size_t current = kNoKey;
    while (!text.empty()) {
        const std::size_t newline = std::min(text.find('\n'), text.size());
        std::string_view line = TrimBlanks(text.substr(0, newline));
        text.remove_prefix(std::min(newline + 1, text.size()));
        if (line.ends_with('\r')) {
            line = TrimBlanks(line.substr(0, line.size() - 1));
        }
        if (line.starts_with('[')) {
            // Values under a header that cannot be read belong to no known key.
            const std::optional<std::string> path =
                line.size() >= 2 && line.ends_with(']')
                    ? NormalizeKeyPath(line.substr(1, line.size() - 2))
                    : std::nullopt;
            current = kNoKey;
            if (path) {
                const StoredKey& key = EnsureKey(store, *path);
                current = static_cast<std::size_t>(&key - store.data());
            }
            continue;
        }
        std::optional<StoredValue> value = ParseValueLine(line);
        if (current != kNoKey && value && FindValue(store[current], value->name) == nullptr) {
            store[current].values.push_back(std::move(*value));
        }
    }
    return store;
}

std::string SerializeStore(const Store& store) {
    std::string text;
    for (const StoredKey& key : store) {
        if (!text.empty()) {
            text += '\n';
        }
        text += "[" + key.path + "]\n";
        for (const StoredValue& value : key.values) {
            text += value.name.empty() ? std::string("@") : Quote(value.name);
            text += '=';
            text += value.type == ValueType::Dword
                        ? std::string(kDwordPrefix) + FormatHex(value.dword)
                        : Quote(value.text);
            text += '\n';
        }
    }
    return text;
}

// Reads never lock: the file is only ever replaced by rename, so a reader sees one whole
// version. An unreadable store reads as empty.
Store LoadStore(const std::filesystem::path& file) {
    const std::optional<std::string> text = fs::ReadWholeFile(file);
    return text ? ParseStore(*text) : Store{};
}

enum class Edit { Unchanged, Changed, Refused };

bool ModifyStore(const std::filesystem::path& file, const std::function<Edit(Store&)>& edit) {
    fs::FileLock lock(file);
    const std::optional<std::string> text = fs::ReadFileForUpdate(file);
    if (!text) {
        return false;
    }
    Store store = ParseStore(*text);
    switch (edit(store)) {
        case Edit::Unchanged:
            return true;
        case Edit::Refused:
            return false;
        case Edit::Changed:
            break;
    }
    return fs::WriteFileAtomically(file, SerializeStore(store));
}

bool WriteValue(const std::filesystem::path& file, std::string_view keyPath, std::string_view name,
                StoredValue value) {
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    if (!key) {
        return false;
    }
    return ModifyStore(file, [&](Store& store) {
        StoredKey& stored = EnsureKey(store, *key);
        if (StoredValue* existing = FindValue(stored, name)) {
            value.name = existing->name;
            *existing = std::move(value);
        } else {
            value.name = std::string(name);
            stored.values.push_back(std::move(value));
        }
        return Edit::Changed;
    });
}

template <typename T>
ReadResult<T> ReadValue(const std::filesystem::path& file, std::string_view keyPath,
                        std::string_view name, ValueType type,
                        const std::function<T(const StoredValue&)>& extract) {
    ReadResult<T> result;
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    if (!key) {
        return result;
    }
    const Store store = LoadStore(file);
    const StoredKey* stored = FindKey(store, *key);
    const StoredValue* value = stored != nullptr ? FindValue(*stored, name) : nullptr;
    if (value == nullptr) {
        return result;
    }
    if (value->type != type) {
        result.status = ReadStatus::WrongType;
        return result;
    }
    result.status = ReadStatus::Present;
    result.value = extract(*value);
    return result;
}

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return ".";
}

std::filesystem::path ConfigFolder() {
    // Relative values are to be ignored, as the XDG base directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && std::filesystem::path(config).is_absolute()) {
        return config;
    }
    return HomeFolder() / ".config";
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path RegistryStore::DefaultFile() {
    return ConfigFolder() / "orvantix" / "registry.txt";
}

bool RegistryStore::KeyExists(std::string_view keyPath) const {
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    return key && StoredSpelling(LoadStore(file_), *key).has_value();
}

bool RegistryStore::CreateKey(std::string_view keyPath) {
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    if (!key) {
        return false;
    }
    return ModifyStore(file_, [&](Store& store) {
        if (StoredSpelling(store, *key)) {
            return Edit::Unchanged;
        }
        EnsureKey(store, *key);
        return Edit::Changed;
    });
}

ReadResult<std::uint32_t> RegistryStore::ReadDword(std::string_view keyPath,
                                                   std::string_view name) const {
    return ReadValue<std::uint32_t>(file_, keyPath, name, ValueType::Dword,
                                    [](const StoredValue& value) { return value.dword; });
}

ReadResult<std::string> RegistryStore::ReadString(std::string_view keyPath,
                                                  std::string_view name) const {
    return ReadValue<std::string>(file_, keyPath, name, ValueType::String,
                                  [](const StoredValue& value) { return value.text; });
}

bool RegistryStore::WriteDword(std::string_view keyPath, std::string_view name,
                               std::uint32_t value) {
    return WriteValue(file_, keyPath, name, {{}, ValueType::Dword, value, {}});
}

bool RegistryStore::WriteString(std::string_view keyPath, std::string_view name,
                                std::string_view value) {
    return WriteValue(file_, keyPath, name, {{}, ValueType::String, 0, std::string(value)});
}

bool RegistryStore::DeleteValue(std::string_view keyPath, std::string_view name) {
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    if (!key) {
        return false;
    }
    return ModifyStore(file_, [&](Store& store) {
        StoredKey* stored = FindKey(store, *key);
        if (stored == nullptr) {
            return Edit::Refused;
        }
        const auto before = stored->values.size();
        std::erase_if(stored->values, [&](const StoredValue& value) {
            return text::EqualsIgnoreCase(value.name, name);
        });
        return stored->values.size() == before ? Edit::Refused : Edit::Changed;
    });
}

std::vector<std::string> RegistryStore::ValueNames(std::string_view keyPath) const {
    std::vector<std::string> names;
    const std::optional<std::string> key = NormalizeKeyPath(keyPath);
    if (!key) {
        return names;
    }
    const Store store = LoadStore(file_);
    if (const StoredKey* stored = FindKey(store, *key)) {
        for (const StoredValue& value : stored->values) {
            names.push_back(value.name);
        }
    }
    return names;
}

}  // namespace orvantix::registry
