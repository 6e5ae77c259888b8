#pragma once

#include <string_view>

// Markers for language keys that the code keeps in tables instead of passing straight to a
// lookup. They change nothing at run time; they let the language-file test find every key the
// program can look up.
namespace orvantix::lang {

constexpr std::string_view TextKey(std::string_view key) {
    return key;
}
constexpr std::string_view LightKey(std::string_view key) {
    return key;
}

}  // namespace orvantix::lang
