#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"
#include "ui/lang/SystemLanguage.h"

namespace orvantix::lang {

inline constexpr std::size_t kLanguageSlotCount = 4;

// The languages the program knows, by slot; 0 marks an empty slot.
inline constexpr std::array<LanguageId, kLanguageSlotCount> kLanguageSlots = {kEnglishUnitedStates,
                                                                              0, 0, 0};

// English variants that count as English (United States) when the system language decides.
inline constexpr std::array<LanguageId, 10> kEnglishVariantMap = {
    0x0809, 0x0C09, 0x1009, 0x1409, 0x1809, 0x1C09, 0x2009, 0x2409, 0x2809, 0x2C09};

// Where the language choice is remembered.
inline constexpr std::string_view kSettingsKey = "Software\\VX380-5_QM447";
inline constexpr std::string_view kLanguageIdValue = "dwLanguageId";

// Shown in place of a text whose key or file is missing.
inline constexpr std::string_view kMissingText = "#Error";
// Texts are read into buffers of this many characters.
inline constexpr std::size_t kTextCapacity = 260;

struct LanguageEnvironment {
    // Folder holding the "Lang%04X.ini" files: the executable's folder.
    std::filesystem::path languageFolder;
    // The per-user store; null when it cannot be opened, so nothing is remembered.
    registry::RegistryStore* registry = nullptr;
    std::function<LanguageId()> systemLanguage = SystemLanguageId;
};

// Chooses the language, finds its file and returns texts by key. Every lookup reads the stored
// choice and the file anew, so texts follow a changed file or choice without a restart; nothing
// is cached, and lookups may come from any thread.
class LanguageTable {
public:
    explicit LanguageTable(LanguageEnvironment environment);

    LanguageId CurrentLanguageId() const;
    std::size_t CurrentLanguageIndex() const;

    // A slot outside 0..3 is taken as slot 0.
    std::string LookupText(std::string_view key, std::size_t slot) const;
    std::string LookupLightText(std::string_view key, std::size_t slot) const;
    std::string LookupModeText(std::string_view key, std::size_t slot) const;

    // The same lookups in the current language.
    std::string LookupText(std::string_view key) const;
    std::string LookupLightText(std::string_view key) const;
    std::string LookupModeText(std::string_view key) const;

    std::filesystem::path LanguageFilePath(std::size_t slot) const;

private:
    std::string Lookup(std::string_view section, std::string_view key, std::size_t slot) const;
    LanguageId FirstRunLanguageId() const;

    LanguageEnvironment environment_;
};

}  // namespace orvantix::lang
