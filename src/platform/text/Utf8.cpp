#include "platform/text/Utf8.h"

namespace orvantix::text {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The allowed range of the second byte for each lead byte; it rules out overlong forms,
// surrogates and code points above U+10FFFF.
struct LeadRule {
    unsigned char firstLead;
    unsigned char lastLead;
    std::size_t length;
    unsigned char secondMin;
    unsigned char secondMax;
};

constexpr LeadRule kLeadRules[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// Bytes taken by the character at `pos`: the whole sequence when it is well formed, else 1.
std::size_t CharacterLength(std::string_view utf8, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    for (const LeadRule& rule : kLeadRules) {
        if (lead < rule.firstLead || lead > rule.lastLead) {
            continue;
        }
        if (utf8.size() - pos < rule.length) {
            return 1;
        }
        const auto second = static_cast<unsigned char>(utf8[pos + 1]);
        if (second < rule.secondMin || second > rule.secondMax) {
            return 1;
        }
        for (std::size_t i = 2; i < rule.length; ++i) {
            if (!IsContinuation(static_cast<unsigned char>(utf8[pos + i]))) {
                return 1;
            }
        }
        return rule.length;
    }
    return 1;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += CharacterLength(utf8, pos)) {
        ++count;
    }
    return count;
}

std::optional<std::size_t> FirstMalformedByte(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = CharacterLength(utf8, pos);
        if (length == 1 && static_cast<unsigned char>(utf8[pos]) >= 0x80) {
            return pos;
        }
        pos += length;
    }
    return std::nullopt;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < maxCharacters && pos < utf8.size(); ++taken) {
        pos += CharacterLength(utf8, pos);
    }
    return utf8.substr(0, pos);
}

std::string CutToCapacity(std::string_view utf8, std::size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    return std::string(FirstCharacters(utf8, capacity - 1));
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return 16;
}

}  // namespace orvantix::text
