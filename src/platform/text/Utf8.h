#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvantix::text {

// Number of characters (code points) in UTF-8 text; a stray byte counts as one character.
std::size_t CharacterCount(std::string_view utf8);

// Offset of the first byte that does not belong to a well-formed UTF-8 sequence (overlong
// forms, surrogates and code points above U+10FFFF count as malformed); nullopt when none.
std::optional<std::size_t> FirstMalformedByte(std::string_view utf8);

// The first `maxCharacters` characters of `utf8`, never splitting a multi-byte character.
std::string_view FirstCharacters(std::string_view utf8, std::size_t maxCharacters);

// Texts are cut the way a C caller's buffer cuts them: a buffer of `capacity` characters holds
// at most capacity - 1 characters and the terminator. A capacity of 0 gives the empty text.
std::string CutToCapacity(std::string_view utf8, std::size_t capacity);

// The text without the spaces and tabs at either end, as INI and registry lines are read.
std::string_view TrimBlanks(std::string_view text);

// The value of a hexadecimal digit of either case (which includes the decimal digits); 16 for
// any other character, so that `value >= base` rejects it for every base up to 16.
unsigned DigitValue(char c);

// ASCII-only case-insensitive comparison, as the names of INI sections, keys and registry
// values are compared.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace orvantix::text
