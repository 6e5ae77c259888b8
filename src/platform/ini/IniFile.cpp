#include "platform/ini/IniFile.h"

#include <cstdint>
#include <functional>
#include <system_error>
#include <utility>

#include "platform/fs/AtomicFile.h"
#include "platform/text/Utf8.h"

namespace orvantix::ini {
namespace {

using text::TrimBlanks;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The line without its "\n" or "\r\n".
std::string_view Content(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

enum class LineKind { Other, Comment, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    std::size_t valueStart = 0;  // where the raw value starts in the line, blanks skipped
};

ParsedLine ParseSectionLine(std::string_view trimmed) {
    const std::size_t close = trimmed.find(']');
    const std::size_t nameEnd = close == std::string_view::npos ? trimmed.size() : close;
    return {LineKind::Section, TrimBlanks(trimmed.substr(1, nameEnd - 1)), {}, 0};
}

ParsedLine ParseLine(std::string_view line) {
    const std::string_view content = Content(line);
    const std::string_view trimmed = TrimBlanks(content);
    if (trimmed.starts_with(';')) {
        return {LineKind::Comment, {}, {}, 0};
    }
    if (trimmed.starts_with('[')) {
        return ParseSectionLine(trimmed);
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view name = TrimBlanks(content.substr(0, equals));
    if (name.empty()) {
        return {};
    }
    const std::size_t rawValueStart = content.find_first_not_of(kBlanks, equals + 1);
    const std::size_t valueStart =
        rawValueStart == std::string_view::npos ? content.size() : rawValueStart;
    return {LineKind::Key, name, Unquote(TrimBlanks(content.substr(equals + 1))), valueStart};
}

bool IsSection(const std::string& line) {
    return ParseLine(line).kind == LineKind::Section;
}

struct SectionRange {
    std::size_t header = 0;
    std::size_t end = 0;  // the next section's header or the end of the file
};

std::size_t NextSectionHeader(const std::vector<std::string>& lines, std::size_t from) {
    while (from < lines.size() && !IsSection(lines[from])) {
        ++from;
    }
    return from;
}

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
    for (std::size_t header = NextSectionHeader(lines, 0); header < lines.size();
         header = NextSectionHeader(lines, header + 1)) {
        if (text::EqualsIgnoreCase(ParseLine(lines[header]).name, section)) {
            return SectionRange{header, NextSectionHeader(lines, header + 1)};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionRange range,
                                   std::string_view key) {
    for (std::size_t index = range.header + 1; index < range.end; ++index) {
        const ParsedLine parsed = ParseLine(lines[index]);
        if (parsed.kind == LineKind::Key && text::EqualsIgnoreCase(parsed.name, key)) {
            return index;
        }
    }
    return std::nullopt;
}

// After the section's last line that says something, so that comments and blank lines
// leading into the next section stay with it.
std::size_t KeyInsertPosition(const std::vector<std::string>& lines, SectionRange range) {
    std::size_t position = range.header + 1;
    for (std::size_t index = range.header + 1; index < range.end; ++index) {
        if (ParseLine(lines[index]).kind != LineKind::Comment &&
            !TrimBlanks(Content(lines[index])).empty()) {
            position = index + 1;
        }
    }
    return position;
}

// Every line but the file's last carries its ending; an added line takes the file's own.
void InsertLine(std::vector<std::string>& lines, std::size_t index, std::string content,
                std::string_view newline) {
    if (index > 0 && !lines[index - 1].ends_with('\n')) {
        // A last line ending in '\r' reads without it already; "\n" keeps it reading the same.
        lines[index - 1] += lines[index - 1].ends_with('\r') ? std::string_view("\n") : newline;
    }
    content += newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(content));
}

void AddUnique(std::vector<std::string>& names, std::string_view name) {
    for (const std::string& known : names) {
        if (text::EqualsIgnoreCase(known, name)) {
            return;
        }
    }
    names.emplace_back(name);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool IsWritableSection(std::string_view section) {
    return !section.empty() && !HasLineBreak(section) && section.find(']') == section.npos;
}

bool IsWritableKey(std::string_view key) {
    return !key.empty() && !HasLineBreak(key) && key.find('=') == key.npos &&
           !key.starts_with(';') && !key.starts_with('[');
}

// The reader trims blanks and strips one pair of enclosing quotes; a value that would lose
// something that way is written inside quotes so it reads back exactly.
std::string StoredValue(std::string_view value) {
    if (TrimBlanks(value) != value || Unquote(value) != value) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
    return IsWritableSection(section) && IsWritableKey(key) && !HasLineBreak(value);
}

// The leading number of a value as GetPrivateProfileInt reads it; overlong numbers wrap, as
// they do there, instead of overflowing.
int ParseLeadingInt(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint32_t base = 10;
    if (text.substr(pos).starts_with("0x") || text.substr(pos).starts_with("0X")) {
        base = 16;
        pos += 2;
    }
    std::uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const std::uint32_t digit = text::DigitValue(text[pos]);
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    if (negative) {
        value = 0U - value;
    }
    return static_cast<std::int32_t>(value);
}

// Read-modify-write of one file under the writers' lock. `edit` returns false when it changed
// nothing, and then the file is left alone.
bool EditFile(const std::filesystem::path& file, const std::function<bool(IniDocument&)>& edit) {
    fs::FileLock lock(file);
    const std::optional<std::string> text = fs::ReadFileForUpdate(file);
    if (!text) {
        return false;
    }
    IniDocument document = IniDocument::Parse(*text);
    if (!edit(document)) {
        return true;
    }
    return fs::WriteFileAtomically(file, document.Text());
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    if (text.starts_with(kByteOrderMark)) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::size_t length = newline == std::string_view::npos ? text.size() : newline + 1;
        document.lines_.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    for (const std::string& line : document.lines_) {
        if (line.ends_with('\n')) {
            document.newline_ = line.ends_with("\r\n") ? "\r\n" : "\n";
            break;
        }
    }
    return document;
}

std::optional<IniDocument> IniDocument::Load(const std::filesystem::path& file) {
    const std::optional<std::string> text = fs::ReadWholeFile(file);
    if (!text) {
        return std::nullopt;
    }
    return Parse(*text);
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const std::optional<SectionRange> range = FindSection(lines_, TrimBlanks(section));
    if (!range) {
        return std::nullopt;
    }
    const std::optional<std::size_t> index = FindKey(lines_, *range, TrimBlanks(key));
    if (!index) {
        return std::nullopt;
    }
    return std::string(ParseLine(lines_[*index]).value);
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        const ParsedLine parsed = ParseLine(line);
        if (parsed.kind == LineKind::Section) {
            AddUnique(names, parsed.name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const std::optional<SectionRange> range = FindSection(lines_, TrimBlanks(section));
    if (!range) {
        return names;
    }
    for (std::size_t index = range->header + 1; index < range->end; ++index) {
        const ParsedLine parsed = ParseLine(lines_[index]);
        if (parsed.kind == LineKind::Key) {
            AddUnique(names, parsed.name);
        }
    }
    return names;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!IsWritable(section, key, value)) {
        return;
    }
    const std::string stored = StoredValue(value);
    const std::string keyLine = std::string(key) + "=" + stored;
    std::optional<SectionRange> range = FindSection(lines_, section);
    if (range) {
        if (const std::optional<std::size_t> index = FindKey(lines_, *range, key)) {
            std::string& line = lines_[*index];
            const std::size_t valueStart = ParseLine(line).valueStart;
            const std::size_t endingStart = Content(line).size();
            line.replace(valueStart, endingStart - valueStart, stored);
            return;
        }
    } else {
        if (!lines_.empty() && !TrimBlanks(Content(lines_.back())).empty()) {
            InsertLine(lines_, lines_.size(), "", newline_);
        }
        InsertLine(lines_, lines_.size(), "[" + std::string(section) + "]", newline_);
        range = SectionRange{lines_.size() - 1, lines_.size()};
    }
    InsertLine(lines_, KeyInsertPosition(lines_, *range), keyLine, newline_);
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const std::optional<SectionRange> range = FindSection(lines_, TrimBlanks(section));
    if (!range) {
        return false;
    }
    key = TrimBlanks(key);
    bool removed = false;
    std::size_t end = range->end;
    for (std::size_t index = range->header + 1; index < end;) {
        const ParsedLine parsed = ParseLine(lines_[index]);
        if (parsed.kind == LineKind::Key && text::EqualsIgnoreCase(parsed.name, key)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
            --end;
            removed = true;
        } else {
            ++index;
        }
    }
    return removed;
}

bool IniDocument::RemoveSection(std::string_view section) {
    section = TrimBlanks(section);
    bool removed = false;
    while (const std::optional<SectionRange> range = FindSection(lines_, section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
        removed = true;
    }
    return removed;
}

std::string IniDocument::Text() const {
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_) {
        text += line;
    }
    return text;
}

std::string ReadString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string_view defaultValue, std::size_t capacity) {
    const std::optional<IniDocument> document = IniDocument::Load(file);
    std::optional<std::string> value;
    if (document) {
        value = document->Find(section, key);
    }
    return text::CutToCapacity(value ? *value : defaultValue, capacity);
}

int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
            int defaultValue) {
    const std::optional<IniDocument> document = IniDocument::Load(file);
    if (!document) {
        return defaultValue;
    }
    const std::optional<std::string> value = document->Find(section, key);
    return value ? ParseLeadingInt(*value) : defaultValue;
}

bool WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value) {
    if (!IsWritable(TrimBlanks(section), TrimBlanks(key), value)) {
        return false;
    }
    return EditFile(file, [&](IniDocument& document) {
        if (document.Find(section, key) == value) {
            return false;
        }
        document.Set(section, key, value);
        return true;
    });
}

bool DeleteKey(const std::filesystem::path& file, std::string_view section, std::string_view key) {
    if (!IsWritableSection(TrimBlanks(section)) || !IsWritableKey(TrimBlanks(key))) {
        return false;
    }
    return EditFile(file, [&](IniDocument& document) { return document.RemoveKey(section, key); });
}

bool DeleteSection(const std::filesystem::path& file, std::string_view section) {
    if (!IsWritableSection(TrimBlanks(section))) {
        return false;
    }
    return EditFile(file, [&](IniDocument& document) { return document.RemoveSection(section); });
}

std::vector<std::string> ReadSectionNames(const std::filesystem::path& file) {
    const std::optional<IniDocument> document = IniDocument::Load(file);
    return document ? document->SectionNames() : std::vector<std::string>{};
}

std::vector<std::string> ReadKeyNames(const std::filesystem::path& file, std::string_view section) {
    const std::optional<IniDocument> document = IniDocument::Load(file);
    return document ? document->KeyNames(section) : std::vector<std::string>{};
}

}  // namespace orvantix::ini
