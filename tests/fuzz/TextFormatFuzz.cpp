// A format text from a language file can be anything; formatting it must never misbehave.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/text/TextFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view format(reinterpret_cast<const char*>(data), size);
    (void)orvantix::text::FormatText(format, {});
    (void)orvantix::text::FormatText(format, {std::int64_t{0x64}});
    (void)orvantix::text::FormatText(
        format, {std::string_view("/home/user/profile.fwc"), std::int64_t{-40000}});
    return 0;
}
