#pragma once

#include <cstdint>
#include <string_view>

namespace orvantix::lang {

// A Windows language identifier: primary language in the low 10 bits, sublanguage above.
using LanguageId = std::uint32_t;

inline constexpr LanguageId kEnglishUnitedStates = 0x0409;

// The Windows language identifier of a POSIX locale name such as "en_GB.UTF-8", "de_AT@euro"
// or "zh_TW". A language without its territory takes the language's main identifier; "C",
// "POSIX", an empty name and unknown languages give 0.
LanguageId LanguageIdFromLocaleName(std::string_view localeName);

// The system's default language from the first set of LC_ALL, LC_MESSAGES and LANG, as the
// C library chooses the messages locale; English (United States) when none names a language.
LanguageId SystemLanguageId();

}  // namespace orvantix::lang
