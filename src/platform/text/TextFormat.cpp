#include "platform/text/TextFormat.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/text/Utf8.h"

namespace orvantix::text {
namespace {

// Large enough for any number at the capped width and precision.
constexpr int kMaxWidth = 256;
constexpr int kMaxPrecision = 256;
constexpr std::size_t kNumberBufferSize = 1024;

constexpr std::string_view kFlags = "-+ #0";
constexpr std::string_view kConversions = "diuxXocs";

struct LengthModifier {
    std::string_view text;
    int bits;
};

// Longest first, so that "hh" is not read as "h".
constexpr LengthModifier kLengthModifiers[] = {
    {"hh", 8}, {"h", 16}, {"ll", 64}, {"l", 64}, {"j", 64}, {"z", 64}, {"t", 64}, {"L", 64},
};
constexpr int kDefaultBits = 32;

struct Directive {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = -1;
    int precision = -1;
    int bits = kDefaultBits;
    char conversion = 0;
    std::size_t end = 0;  // index just past the conversion character
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits, saturating at `cap` so that no width can make the output grow without bound.
int ReadCappedNumber(std::string_view format, std::size_t& pos, int cap) {
    int value = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = std::min(value * 10 + (format[pos] - '0'), cap);
        ++pos;
    }
    return value;
}

void ReadFlags(std::string_view format, std::size_t& pos, Directive& directive) {
    for (; pos < format.size() && kFlags.find(format[pos]) != std::string_view::npos; ++pos) {
        switch (format[pos]) {
            case '-':
                directive.leftAlign = true;
                break;
            case '+':
                directive.plusSign = true;
                break;
            case ' ':
                directive.spaceSign = true;
                break;
            case '#':
                directive.alternate = true;
                break;
            default:
                directive.zeroPad = true;
                break;
        }
    }
}

void ReadLength(std::string_view format, std::size_t& pos, Directive& directive) {
    for (const LengthModifier& modifier : kLengthModifiers) {
        if (format.substr(pos).starts_with(modifier.text)) {
            directive.bits = modifier.bits;
            pos += modifier.text.size();
            return;
        }
    }
}

// The conversion starting at the '%' at `percent`, or nullopt when it is not one this formatter
// renders ('*' widths, %n, %p, floating point, a '%' at the end, ...).
std::optional<Directive> ParseDirective(std::string_view format, std::size_t percent) {
    Directive directive;
    std::size_t pos = percent + 1;
    ReadFlags(format, pos, directive);
    if (pos < format.size() && IsDigit(format[pos])) {
        directive.width = ReadCappedNumber(format, pos, kMaxWidth);
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        directive.precision = ReadCappedNumber(format, pos, kMaxPrecision);
    }
    ReadLength(format, pos, directive);
    if (pos >= format.size() || kConversions.find(format[pos]) == std::string_view::npos) {
        return std::nullopt;
    }
    directive.conversion = format[pos];
    directive.end = pos + 1;
    return directive;
}

std::string Pad(std::string_view text, const Directive& directive) {
    const std::size_t length = CharacterCount(text);
    const auto width = static_cast<std::size_t>(std::max(directive.width, 0));
    if (length >= width) {
        return std::string(text);
    }
    const std::string fill(width - length, ' ');
    return directive.leftAlign ? std::string(text) + fill : fill + std::string(text);
}

bool IsSignedConversion(char conversion) {
    return conversion == 'd' || conversion == 'i';
}

long long ToSignedWidth(std::int64_t value, int bits) {
    switch (bits) {
        case 8:
            return static_cast<std::int8_t>(value);
        case 16:
            return static_cast<std::int16_t>(value);
        case 32:
            return static_cast<std::int32_t>(value);
        default:
            return value;
    }
}

unsigned long long ToUnsignedWidth(std::int64_t value, int bits) {
    switch (bits) {
        case 8:
            return static_cast<std::uint8_t>(value);
        case 16:
            return static_cast<std::uint16_t>(value);
        case 32:
            return static_cast<std::uint32_t>(value);
        default:
            return static_cast<std::uint64_t>(value);
    }
}

// A printf directive holding only what is defined for the conversion, with "ll" so that the value
// is passed at one known width after it has been cut to the width the text asked for.
std::string CleanIntegerDirective(const Directive& directive) {
    const bool isSigned = IsSignedConversion(directive.conversion);
    std::string clean = "%";
    if (directive.leftAlign) {
        clean += '-';
    }
    if (isSigned && directive.plusSign) {
        clean += '+';
    }
    if (isSigned && directive.spaceSign) {
        clean += ' ';
    }
    if (directive.alternate && directive.conversion != 'u' && !isSigned) {
        clean += '#';
    }
    if (directive.zeroPad) {
        clean += '0';
    }
    if (directive.width >= 0) {
        clean += std::to_string(directive.width);
    }
    if (directive.precision >= 0) {
        clean += '.' + std::to_string(directive.precision);
    }
    clean += "ll";
    clean += isSigned ? 'd' : directive.conversion;
    return clean;
}

std::string RenderInteger(const Directive& directive, std::int64_t value) {
    const std::string clean = CleanIntegerDirective(directive);
    char buffer[kNumberBufferSize];
    const int length = IsSignedConversion(directive.conversion)
                           ? std::snprintf(buffer, sizeof(buffer), clean.c_str(),
                                           ToSignedWidth(value, directive.bits))
                           : std::snprintf(buffer, sizeof(buffer), clean.c_str(),
                                           ToUnsignedWidth(value, directive.bits));
    if (length < 0) {
        return {};
    }
    return std::string(buffer, std::min(static_cast<std::size_t>(length), sizeof(buffer) - 1));
}

std::string EncodeCodePoint(std::int64_t codePoint) {
    constexpr std::int64_t kReplacement = 0xFFFD;
    if (codePoint == 0) {
        return {};  // a C string would end here
    }
    if (codePoint < 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacement;
    }
    const auto cp = static_cast<std::uint32_t>(codePoint);
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string RenderNumber(const Directive& directive, std::int64_t value) {
    switch (directive.conversion) {
        case 's':
            return Pad(std::to_string(value), directive);
        case 'c':
            return Pad(EncodeCodePoint(value), directive);
        default:
            return RenderInteger(directive, value);
    }
}

std::string RenderText(const Directive& directive, std::string_view text) {
    // The precision of %s counts characters, so a cut never splits one.
    if (directive.conversion == 's' && directive.precision >= 0) {
        text = FirstCharacters(text, static_cast<std::size_t>(directive.precision));
    }
    return Pad(text, directive);
}

std::string Render(const Directive& directive, const FormatArg& arg) {
    if (const auto* number = std::get_if<std::int64_t>(&arg)) {
        return RenderNumber(directive, *number);
    }
    return RenderText(directive, std::get<std::string_view>(arg));
}

}  // namespace

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    auto nextArg = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        out.append(format.substr(pos, percent - pos));
        if (percent == std::string_view::npos) {
            break;
        }
        if (format.substr(percent).starts_with("%%")) {
            out += '%';
            pos = percent + 2;
            continue;
        }
        const std::optional<Directive> directive = ParseDirective(format, percent);
        if (!directive) {
            out += '%';
            pos = percent + 1;
            continue;
        }
        if (nextArg == args.end()) {
            out.append(format.substr(percent, directive->end - percent));
        } else {
            out += Render(*directive, *nextArg++);
        }
        pos = directive->end;
    }
    return out;
}

}  // namespace orvantix::text
