#include "ui/lang/LanguageTable.h"

#include <algorithm>
#include <cstdio>

#include "platform/ini/IniFile.h"

namespace orvantix::lang {
namespace {

constexpr std::string_view kTextSection = "TEXT";
constexpr std::string_view kLightSection = "LIGHT";
constexpr std::string_view kModeSection = "MODE";

// System language identifiers are 16 bits wide.
constexpr LanguageId kLanguageIdMask = 0xFFFF;

bool Contains(const auto& ids, LanguageId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

LanguageTable::LanguageTable(LanguageEnvironment environment)
    : environment_(std::move(environment)) {}

LanguageId LanguageTable::CurrentLanguageId() const {
    registry::RegistryStore* store = environment_.registry;
    if (store != nullptr) {
        const auto stored = store->ReadDword(kSettingsKey, kLanguageIdValue);
        // A missing value, or one of another type, counts as "not chosen yet" and is replaced
        // by the DWORD written below.
        if (stored.present() && stored.value != 0) {
            return stored.value;
        }
    }
    const LanguageId chosen = FirstRunLanguageId();
    if (store != nullptr) {
        store->WriteDword(kSettingsKey, kLanguageIdValue, chosen);
    }
    return chosen;
}

LanguageId LanguageTable::FirstRunLanguageId() const {
    LanguageId system = environment_.systemLanguage ? environment_.systemLanguage() : 0;
    system &= kLanguageIdMask;
    if (Contains(kEnglishVariantMap, system)) {
        system = kEnglishUnitedStates;
    }
    return system != 0 && Contains(kLanguageSlots, system) ? system : kEnglishUnitedStates;
}

std::size_t LanguageTable::CurrentLanguageIndex() const {
    const LanguageId id = CurrentLanguageId();
    const auto* found = std::find(kLanguageSlots.begin(), kLanguageSlots.end(), id);
    return found == kLanguageSlots.end() ? 0
                                         : static_cast<std::size_t>(found - kLanguageSlots.begin());
}

std::filesystem::path LanguageTable::LanguageFilePath(std::size_t slot) const {
    const LanguageId id = kLanguageSlots[slot < kLanguageSlotCount ? slot : 0];
    char name[sizeof "Lang0000.ini"];
    std::snprintf(name, sizeof name, "Lang%04X.ini", static_cast<unsigned>(id & kLanguageIdMask));
    return environment_.languageFolder / name;
}

std::string LanguageTable::Lookup(std::string_view section, std::string_view key,
                                  std::size_t slot) const {
    return ini::ReadString(LanguageFilePath(slot), section, key, kMissingText, kTextCapacity);
}

std::string LanguageTable::LookupText(std::string_view key, std::size_t slot) const {
    return Lookup(kTextSection, key, slot);
}

std::string LanguageTable::LookupLightText(std::string_view key, std::size_t slot) const {
    return Lookup(kLightSection, key, slot);
}

std::string LanguageTable::LookupModeText(std::string_view key, std::size_t slot) const {
    return Lookup(kModeSection, key, slot);
}

std::string LanguageTable::LookupText(std::string_view key) const {
    return LookupText(key, CurrentLanguageIndex());
}

std::string LanguageTable::LookupLightText(std::string_view key) const {
    return LookupLightText(key, CurrentLanguageIndex());
}

std::string LanguageTable::LookupModeText(std::string_view key) const {
    return LookupModeText(key, CurrentLanguageIndex());
}

}  // namespace orvantix::lang
