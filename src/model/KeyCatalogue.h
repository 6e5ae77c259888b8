#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one table of every key the program can name, store, record or send to the keyboard, and
// the pure translations between the code systems it meets. Everything here is constant data;
// every function may be called from any thread.
namespace orvantix::model {

// A key everywhere in the program: the PC/AT set-1 make code, plus 0x100 for E0-prefixed keys.
using KeyCode = std::uint16_t;

inline constexpr std::size_t kCatalogueRows = 256;
inline constexpr std::uint16_t kNoPickerPos = 0xFFFF;
// Picker positions from here up belong to keys the picker does not offer.
inline constexpr std::uint16_t kHiddenPickerPos = 0x8000;
// The editors list picker positions 0..105.
inline constexpr std::uint16_t kPickerEntries = 106;
// Buffer size the editors pass for key names.
inline constexpr std::size_t kKeyNameCapacity = 260;

namespace keys {
inline constexpr KeyCode kLeftCtrl = 0x1D;
inline constexpr KeyCode kLeftShift = 0x2A;
inline constexpr KeyCode kRightShift = 0x36;
inline constexpr KeyCode kLeftAlt = 0x38;
inline constexpr KeyCode kPause = 0x45;
inline constexpr KeyCode kSysReq = 0x54;
inline constexpr KeyCode kKL = 0x71;
inline constexpr KeyCode kKR = 0x72;
inline constexpr KeyCode kRightCtrl = 0x11D;
inline constexpr KeyCode kPrintScreen = 0x137;
inline constexpr KeyCode kRightAlt = 0x138;
inline constexpr KeyCode kNumLock = 0x145;
inline constexpr KeyCode kBreak = 0x146;
inline constexpr KeyCode kLeftWin = 0x15B;
inline constexpr KeyCode kRightWin = 0x15C;
inline constexpr KeyCode kWheelUp = 0x161;
inline constexpr KeyCode kWheelDown = 0x162;
inline constexpr KeyCode kMouseLeft = 0x171;
inline constexpr KeyCode kMouseRight = 0x172;
inline constexpr KeyCode kMouseMiddle = 0x173;
}  // namespace keys

struct KeyInfo {
    std::uint8_t numLockVirtualKey = 0;  // equals virtualKey except on the numeric keypad
    std::uint16_t pickerPos = kNoPickerPos;
    std::uint8_t virtualKey = 0;   // Windows virtual-key code with Num Lock off; 0xFF for none
    std::uint8_t deviceUsage = 0;  // the firmware's code for the key; 0 for none
    std::string_view languageKey;  // empty where the key has no name
};

// Kinds of DeviceUsageFromCode / KeyCodeFromDeviceUsage: the HID usage pages of Generic Desktop,
// Keyboard/Keypad and Consumer, and the program's own kind for mouse buttons and wheel.
enum class UsageKind : std::uint16_t {
    None = 0,
    GenericDesktop = 1,
    Mouse = 2,
    Keyboard = 7,
    Consumer = 12,
};

struct DeviceUsage {
    UsageKind kind = UsageKind::None;
    std::uint16_t usage = 0;

    friend bool operator==(const DeviceUsage&, const DeviceUsage&) = default;
};

// One entry of the multimedia list, the order in which the program offers multimedia keys.
struct MultimediaKey {
    std::string_view languageKey;
    std::uint16_t consumerUsage;
    KeyCode code;
};

inline constexpr std::size_t kMultimediaKeys = 18;
const std::array<MultimediaKey, kMultimediaKeys>& MultimediaList();
// HID Consumer-page usages; device usage 0xC0 + position names the key at that position.
const std::array<std::uint16_t, kMultimediaKeys>& ConsumerTable();

// Text of a language key in the current language; supplied by the caller so the catalogue stays
// free of files and settings.
using TextLookup = std::function<std::string(std::string_view languageKey)>;

std::uint16_t KeyIndexFromCode(KeyCode code);
KeyCode KeyCodeFromIndex(std::uint16_t index);
const KeyInfo& KeyInfoFromCode(KeyCode code);
// The row at a catalogue index; an index of 256 or more gives the empty row 0.
const KeyInfo& KeyInfoAt(std::uint16_t index);

std::uint16_t PickerPosFromCode(KeyCode code);
KeyCode KeyCodeFromPickerPos(std::uint16_t pickerPos);

// The key's display name, or the "UNKNOWN_KEY" format filled with the code when it has none;
// cut to capacity - 1 characters.
std::string KeyNameByCode(KeyCode code, const TextLookup& text,
                          std::size_t capacity = kKeyNameCapacity);
std::string KeyNameByPickerPos(std::uint16_t pickerPos, const TextLookup& text);

DeviceUsage DeviceUsageFromCode(KeyCode code);
KeyCode KeyCodeFromDeviceUsage(DeviceUsage usage);

KeyCode KeyCodeFromModifierBits(std::uint8_t modifierBits);
KeyCode KeyCodeFromVirtualKey(std::uint8_t virtualKey);
// `keystrokeData` is the 32-bit value of a Windows key message: bits 16..23 the scan code,
// bit 24 the extended-key flag.
KeyCode KeyCodeFromKeyMessage(std::uint8_t virtualKey, std::uint32_t keystrokeData);

// Keys that report only their release to a keyboard hook.
bool IsReleaseOnlyKey(KeyCode code);
bool IsMultimediaKeyCode(KeyCode code);

// Every distinct language key the catalogue and the multimedia list name, for checking
// language files.
std::vector<std::string_view> CatalogueLanguageKeys();

}  // namespace orvantix::model
