#include "ui/lang/SystemLanguage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace orvantix::lang {
namespace {

struct LocaleLanguage {
    std::string_view language;   // ISO 639 code, lower case
    std::string_view territory;  // ISO 3166 code, upper case; empty for the language's main id
    LanguageId id;
};

// Sorted by language; a language's main identifier comes first (empty territory).
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"ar", "", 0x0401},   {"cs", "", 0x0405},   {"da", "", 0x0406},   {"de", "", 0x0407},
    {"de", "AT", 0x0C07}, {"de", "CH", 0x0807}, {"de", "DE", 0x0407}, {"de", "LI", 0x1407},
    {"de", "LU", 0x1007}, {"el", "", 0x0408},   {"en", "", 0x0409},   {"en", "AG", 0x2409},
    {"en", "AU", 0x0C09}, {"en", "BB", 0x2409}, {"en", "BS", 0x2409}, {"en", "BZ", 0x2809},
    {"en", "CA", 0x1009}, {"en", "DM", 0x2409}, {"en", "GB", 0x0809}, {"en", "GD", 0x2409},
    {"en", "IE", 0x1809}, {"en", "IN", 0x4009}, {"en", "JM", 0x2009}, {"en", "KN", 0x2409},
    {"en", "LC", 0x2409}, {"en", "MY", 0x4409}, {"en", "NZ", 0x1409}, {"en", "PH", 0x3409},
    {"en", "SG", 0x4809}, {"en", "TT", 0x2C09}, {"en", "US", 0x0409}, {"en", "VC", 0x2409},
    {"en", "ZA", 0x1C09}, {"en", "ZW", 0x3009}, {"es", "", 0x0C0A},   {"es", "AR", 0x2C0A},
    {"es", "BO", 0x400A}, {"es", "CL", 0x340A}, {"es", "CO", 0x240A}, {"es", "CR", 0x140A},
    {"es", "DO", 0x1C0A}, {"es", "EC", 0x300A}, {"es", "ES", 0x0C0A}, {"es", "GT", 0x100A},
    {"es", "HN", 0x480A}, {"es", "MX", 0x080A}, {"es", "NI", 0x4C0A}, {"es", "PA", 0x180A},
    {"es", "PE", 0x280A}, {"es", "PR", 0x500A}, {"es", "PY", 0x3C0A}, {"es", "SV", 0x440A},
    {"es", "US", 0x540A}, {"es", "UY", 0x380A}, {"es", "VE", 0x200A}, {"fi", "", 0x040B},
    {"fr", "", 0x040C},   {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C},
    {"fr", "FR", 0x040C}, {"fr", "LU", 0x140C}, {"fr", "MC", 0x180C}, {"he", "", 0x040D},
    {"hu", "", 0x040E},   {"it", "", 0x0410},   {"it", "CH", 0x0810}, {"ja", "", 0x0411},
    {"ko", "", 0x0412},   {"nb", "", 0x0414},   {"nl", "", 0x0413},   {"nl", "BE", 0x0813},
    {"pl", "", 0x0415},   {"pt", "", 0x0816},   {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816},
    {"ro", "", 0x0418},   {"ru", "", 0x0419},   {"sk", "", 0x041B},   {"sv", "", 0x041D},
    {"th", "", 0x041E},   {"tr", "", 0x041F},   {"uk", "", 0x0422},   {"vi", "", 0x042A},
    {"zh", "", 0x0804},   {"zh", "CN", 0x0804}, {"zh", "HK", 0x0C04}, {"zh", "MO", 0x1404},
    {"zh", "SG", 0x1004}, {"zh", "TW", 0x0404},
};

std::string Lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string Upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

}  // namespace

LanguageId LanguageIdFromLocaleName(std::string_view localeName) {
    // language[_territory][.codeset][@modifier]
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    const std::size_t separator = name.find_first_of("_-");
    const std::string language = Lower(name.substr(0, separator));
    const std::string territory =
        separator == std::string_view::npos ? std::string() : Upper(name.substr(separator + 1));

    LanguageId languageMain = 0;
    for (const LocaleLanguage& entry : kLocaleLanguages) {
        if (entry.language != language) {
            continue;
        }
        if (entry.territory.empty()) {
            languageMain = entry.id;
        }
        if (!territory.empty() && entry.territory == territory) {
            return entry.id;
        }
    }
    return languageMain;
}

LanguageId SystemLanguageId() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            const LanguageId id = LanguageIdFromLocaleName(value);
            return id != 0 ? id : kEnglishUnitedStates;
        }
    }
    return kEnglishUnitedStates;
}

}  // namespace orvantix::lang
