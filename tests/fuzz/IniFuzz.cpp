// Any text parses, and setting one value changes that value only: every other key reads back
// as before and the set value reads back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ini/IniFile.h"
#include "platform/text/Utf8.h"

namespace {

using orvantix::ini::IniDocument;

struct Entry {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

std::vector<Entry> Entries(const IniDocument& document) {
    std::vector<Entry> entries;
    for (const std::string& section : document.SectionNames()) {
        for (const std::string& key : document.KeyNames(section)) {
            entries.push_back({section, key, document.Find(section, key)});
        }
    }
    return entries;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::Parse(text);
    const std::vector<Entry> before = Entries(document);

    constexpr std::string_view kSection = "Fuzz";
    constexpr std::string_view kKey = "Key";
    constexpr std::string_view kValue = "Value = \"quoted\" ; not a comment";
    document.Set(kSection, kKey, kValue);
    const IniDocument reparsed = IniDocument::Parse(document.Text());

    Require(reparsed.Find(kSection, kKey) == std::optional<std::string>(kValue));
    for (const Entry& entry : before) {
        const bool edited = orvantix::text::EqualsIgnoreCase(entry.section, kSection) &&
                            orvantix::text::EqualsIgnoreCase(entry.key, kKey);
        if (!edited) {
            Require(reparsed.Find(entry.section, entry.key) == entry.value);
        }
    }
    return 0;
}
