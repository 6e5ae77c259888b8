#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace orvantix::text {

using FormatArg = std::variant<std::int64_t, std::string_view>;

// printf-style formatting of a format text that comes from a language file, and therefore may be
// anything. Each conversion (%d %i %u %x %X %o %c %s with flags, width, precision and length
// modifiers) takes the next argument; an argument of the other kind is shown in the conversion's
// natural form (a number as decimal text for %s, a text as itself for %d). A conversion without
// an argument left, %n, '*' widths and unknown conversions are copied as they stand, and widths
// and precisions are capped, so no language file can crash the program or make it allocate
// without bound.
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace orvantix::text
