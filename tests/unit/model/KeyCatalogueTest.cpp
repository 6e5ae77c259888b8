#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/KeyCatalogue.h"

namespace orvantix::model {
namespace {

// Language texts as a language file would give them: a name per key, "#Error" for keys the
// file lacks, and whatever the test puts in `texts`.
struct FakeLanguage {
    std::map<std::string, std::string, std::less<>> texts{{"UNKNOWN_KEY", "Unknown key %u"}};

    TextLookup Lookup() const {
        return [this](std::string_view key) -> std::string {
            if (auto found = texts.find(key); found != texts.end()) {
                return found->second;
            }
            if (key.starts_with("IDS_") || key.starts_with("MEDIA_")) {
                return "name:" + std::string(key);
            }
            return "#Error";
        };
    }
};

std::uint32_t Keystroke(std::uint16_t scanWithExtendedFlag) {
    return static_cast<std::uint32_t>(scanWithExtendedFlag) << 16;
}

TEST(KeyCatalogue, IndexAndCodeConversions) {
    struct Case {
        KeyCode code;
        std::uint16_t index;
    };
    const Case cases[] = {
        {0x000, 0x00},  {0x01E, 0x1E},  {0x07F, 0x7F},    {0x080, 0x80}, {0x0B7, 0xB7},
        {0x100, 0x80},  {0x11D, 0x9D},  {0x17F, 0xFF},    {0x180, 0x00}, {0x1FF, 0x7F},
        {0x200, 0x100}, {0x211, 0x111}, {0xFFFF, 0xFEFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIndexFromCode(c.code), c.index) << std::hex << c.code;
    }
    EXPECT_EQ(KeyCodeFromIndex(0x7F), 0x7F);
    EXPECT_EQ(KeyCodeFromIndex(0x80), 0x100);
    EXPECT_EQ(KeyCodeFromIndex(0xFF), 0x17F);
    for (std::uint16_t index = 0; index < kCatalogueRows; ++index) {
        EXPECT_EQ(KeyIndexFromCode(KeyCodeFromIndex(index)), index);
    }
}

TEST(KeyCatalogue, ShortAndExtendedCodesShareRowsAndSlotsBeyondAreEmpty) {
    for (KeyCode code = 0x80; code <= 0xFF; ++code) {
        EXPECT_EQ(&KeyInfoFromCode(code), &KeyInfoFromCode(code + 0x80)) << std::hex << code;
    }
    EXPECT_EQ(KeyInfoFromCode(0xB7).languageKey, "IDS_KEYBOARD_PRINT");
    for (KeyCode slot : {0x200, 0x211, 0x2FF, 0xFFFF}) {
        EXPECT_EQ(&KeyInfoFromCode(slot), &KeyInfoAt(0));
    }
    const KeyInfo& empty = KeyInfoAt(0x55);
    EXPECT_EQ(empty.pickerPos, kNoPickerPos);
    EXPECT_EQ(empty.virtualKey, 0);
    EXPECT_EQ(empty.deviceUsage, 0);
    EXPECT_TRUE(empty.languageKey.empty());
}

TEST(KeyCatalogue, NumLockVirtualKeyDiffersOnlyOnTheKeypad) {
    EXPECT_EQ(KeyInfoFromCode(0x47).virtualKey, 0x24);
    EXPECT_EQ(KeyInfoFromCode(0x47).numLockVirtualKey, 0x67);
    EXPECT_EQ(KeyInfoFromCode(0x53).numLockVirtualKey, 0x6E);
    EXPECT_EQ(KeyInfoFromCode(0x1E).numLockVirtualKey, KeyInfoFromCode(0x1E).virtualKey);
}

TEST(KeyCatalogue, PickerPositions) {
    const FakeLanguage language;
    EXPECT_EQ(KeyCodeFromPickerPos(96), 0);
    EXPECT_EQ(KeyNameByPickerPos(96, language.Lookup()), "");
    // Two rows hold Right Shift; the picker finds the plain one first.
    EXPECT_EQ(KeyCodeFromPickerPos(103), keys::kRightShift);
    EXPECT_EQ(KeyCodeFromPickerPos(0), 0x1E);
    EXPECT_EQ(KeyCodeFromPickerPos(111), keys::kWheelDown);
    EXPECT_EQ(KeyCodeFromPickerPos(0x802D), 0x64);
    EXPECT_EQ(KeyCodeFromPickerPos(kNoPickerPos), 0);
    EXPECT_EQ(KeyCodeFromPickerPos(112), 0);
    EXPECT_EQ(KeyNameByPickerPos(0x802D, language.Lookup()), "");  // F13 has no name
    EXPECT_EQ(PickerPosFromCode(0x136), 103);
    EXPECT_EQ(PickerPosFromCode(0x55), kNoPickerPos);

    // The picker offers every position but 96 with a named key, and each one round-trips.
    for (std::uint16_t pos = 0; pos < kPickerEntries; ++pos) {
        if (pos == 96) {
            continue;
        }
        const KeyCode code = KeyCodeFromPickerPos(pos);
        ASSERT_NE(code, 0) << pos;
        EXPECT_EQ(PickerPosFromCode(code), pos);
        EXPECT_TRUE(KeyNameByPickerPos(pos, language.Lookup()).starts_with("name:")) << pos;
    }
}

TEST(KeyCatalogue, KeyNames) {
    FakeLanguage language;
    const TextLookup lookup = language.Lookup();
    EXPECT_EQ(KeyNameByCode(0x1E, lookup), "name:IDS_KEYBOARD_A");
    EXPECT_EQ(KeyNameByCode(0x120, lookup), "name:MEDIA_MUTE_8");
    // No language key: the unknown-key format with the code.
    EXPECT_EQ(KeyNameByCode(0x64, lookup), "Unknown key 100");
    EXPECT_EQ(KeyNameByCode(0, lookup), "Unknown key 0");
    EXPECT_EQ(KeyNameByCode(0x211, lookup), "Unknown key 529");

    // A key present with an empty text also falls back to the unknown-key format; a key
    // missing from the file shows the file's "#Error".
    language.texts["IDS_KEYBOARD_A"] = "";
    language.texts["IDS_KEYBOARD_B"] = "#Error";
    EXPECT_EQ(KeyNameByCode(0x1E, language.Lookup()), "Unknown key 30");
    EXPECT_EQ(KeyNameByCode(0x30, language.Lookup()), "#Error");
}

TEST(KeyCatalogue, KeyNameIsCutToTheCapacity) {
    FakeLanguage language;
    language.texts["IDS_KEYBOARD_ESC"] = "Escape";
    language.texts["IDS_KEYBOARD_TAB"] = "Tabulatorüber";
    const TextLookup lookup = language.Lookup();
    EXPECT_EQ(KeyNameByCode(0x01, lookup, 5), "Esca");
    EXPECT_EQ(KeyNameByCode(0x01, lookup, 7), "Escape");
    EXPECT_EQ(KeyNameByCode(0x01, lookup, 1), "");
    EXPECT_EQ(KeyNameByCode(0x01, lookup, 0), "");
    EXPECT_EQ(KeyNameByCode(0x0F, lookup, 12), "Tabulatorüb");  // counts characters, not bytes
    EXPECT_EQ(KeyNameByCode(0x64, lookup, 8), "Unknown");
}

TEST(KeyCatalogue, UnknownKeyFormatFromTheFileCannotDoHarm) {
    FakeLanguage language;
    const std::pair<std::string, std::string> cases[] = {
        {"Key %04X", "Key 0064"},
        {"Key %s", "Key 100"},
        {"Key %n%d", "Key %n100"},
        {"Key %d and %d", "Key 100 and %d"},
        {"Key", "Key"},
    };
    for (const auto& [format, expected] : cases) {
        language.texts["UNKNOWN_KEY"] = format;
        EXPECT_EQ(KeyNameByCode(0x64, language.Lookup()), expected) << format;
    }
}

TEST(KeyCatalogue, DeviceUsageFromCode) {
    struct Case {
        KeyCode code;
        DeviceUsage usage;
    };
    const Case cases[] = {
        {0x176, {UsageKind::None, 0}},  // Copy: no device code
        {0x054, {UsageKind::None, 0}},  // Sys Req
        {0x000, {UsageKind::None, 0}},
        {0x120, {UsageKind::Keyboard, 0xCD}},        // Mute travels as a keyboard usage
        {0x15E, {UsageKind::GenericDesktop, 0x81}},  // Power
        {0x163, {UsageKind::GenericDesktop, 0x83}},  // Wake
        {0x171, {UsageKind::Mouse, 0xF1}},           // left button
        {0x162, {UsageKind::Mouse, 0xF5}},           // wheel down
        {0x01E, {UsageKind::Keyboard, 0x04}},
        {0x17C, {UsageKind::Keyboard, 0xD5}},  // Excel
        {0x146, {UsageKind::Keyboard, 0x48}},  // Break shares Pause's usage
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceUsageFromCode(c.code), c.usage) << std::hex << c.code;
    }
}

TEST(KeyCatalogue, KeyCodeFromDeviceUsage) {
    struct Case {
        DeviceUsage usage;
        KeyCode code;
    };
    const Case cases[] = {
        {{UsageKind::Consumer, 0x0E2}, 0x120},
        {{UsageKind::Consumer, 0x0B5}, 0x119},
        {{UsageKind::Consumer, 0}, 0},
        {{UsageKind::Consumer, 0x0E3}, 0},
        {{UsageKind::GenericDesktop, 0x81}, 0x15E},
        {{UsageKind::GenericDesktop, 0x84}, 0},
        {{UsageKind::GenericDesktop, 0x04}, 0},
        {{UsageKind::Keyboard, 0x48}, keys::kPause},  // the first row wins over Break
        {{UsageKind::Keyboard, 0xE5}, keys::kRightShift},
        {{UsageKind::Keyboard, 0x04}, 0x1E},
        {{UsageKind::Keyboard, 0x00}, 0},
        {{UsageKind::Keyboard, 0x104}, 0},
        {{UsageKind::Mouse, 0xF1}, 0},
        {{static_cast<UsageKind>(3), 0x04}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeFromDeviceUsage(c.usage), c.code)
            << static_cast<int>(c.usage.kind) << "/" << std::hex << c.usage.usage;
    }
}

TEST(KeyCatalogue, MultimediaListConsumerTableAndRowsAgree) {
    for (const MultimediaKey& key : MultimediaList()) {
        EXPECT_TRUE(IsMultimediaKeyCode(key.code));
        EXPECT_EQ(KeyInfoFromCode(key.code).languageKey, key.languageKey);
        EXPECT_EQ(KeyCodeFromDeviceUsage({UsageKind::Consumer, key.consumerUsage}), key.code)
            << key.languageKey;
    }
    EXPECT_FALSE(IsMultimediaKeyCode(0x1E));
    EXPECT_FALSE(IsMultimediaKeyCode(0));
    EXPECT_FALSE(IsMultimediaKeyCode(0x15E));
}

TEST(KeyCatalogue, EveryKeyWithAUsageComesBackFromIt) {
    for (std::uint16_t index = 1; index < kCatalogueRows; ++index) {
        const KeyCode code = KeyCodeFromIndex(index);
        const DeviceUsage usage = DeviceUsageFromCode(code);
        if (usage.kind == UsageKind::None || usage.kind == UsageKind::Mouse || index == 0xB6 ||
            code == keys::kBreak) {
            continue;  // no usage, mouse, or a duplicate row whose usage names the first row
        }
        EXPECT_EQ(KeyCodeFromDeviceUsage(usage), code) << std::hex << code;
    }
}

TEST(KeyCatalogue, ModifierBits) {
    const std::pair<std::uint8_t, KeyCode> cases[] = {
        {0x00, 0},    {0x01, 0x1D},  {0x02, 0x2A},  {0x04, 0x38}, {0x08, 0x15B}, {0x10, 0x11D},
        {0x20, 0x36}, {0x40, 0x138}, {0x80, 0x15C}, {0x22, 0x2A}, {0xF0, 0x11D}, {0xFF, 0x1D},
    };
    for (const auto& [bits, code] : cases) {
        EXPECT_EQ(KeyCodeFromModifierBits(bits), code) << std::hex << int{bits};
    }
}

TEST(KeyCatalogue, VirtualKeys) {
    const std::pair<std::uint8_t, KeyCode> cases[] = {
        {0x41, 0x1E},  {0x10, 0x2A},  {0x11, 0x1D},  {0x12, 0x38},  {0xA3, 0x11D},
        {0xA5, 0x138}, {0x2C, 0x137}, {0x03, 0x146}, {0x90, 0x145}, {0x9C, 0x154},
        {0x00, 0},     {0xFF, 0},     {0x07, 0},
    };
    for (const auto& [virtualKey, code] : cases) {
        EXPECT_EQ(KeyCodeFromVirtualKey(virtualKey), code) << std::hex << int{virtualKey};
    }
}

TEST(KeyCatalogue, KeyMessages) {
    struct Case {
        std::uint8_t virtualKey;
        std::uint16_t scan;  // with 0x100 for the extended flag
        KeyCode code;
        const char* what;
    };
    const Case cases[] = {
        {0x10, 0x036, 0x036, "Right Shift arrives with the generic Shift"},
        {0x10, 0x02A, 0x02A, "Left Shift"},
        {0x11, 0x11D, 0x11D, "Right Ctrl keeps its extended code"},
        {0x12, 0x138, 0x138, "Right Alt keeps its extended code"},
        {0xFF, 0x070, 0x070, "no virtual key: the scan code"},
        {0x41, 0x000, 0x01E, "no scan code: the virtual key's code"},
        {0x41, 0x030, 0x01E, "scan code of another key: the virtual key's code"},
        {0x67, 0x047, 0x047, "keypad 7 with Num Lock on"},
        {0x24, 0x047, 0x047, "keypad 7 with Num Lock off"},
        {0x24, 0x147, 0x147, "Home"},
        {0x0D, 0x11C, 0x11C, "keypad Enter"},
        {0x0D, 0x01C, 0x01C, "Enter"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeFromKeyMessage(c.virtualKey, Keystroke(c.scan)), c.code) << c.what;
    }
    // Bits outside the scan code and the extended flag do not matter.
    EXPECT_EQ(KeyCodeFromKeyMessage(0x11, Keystroke(0x11D) | 0xC000FFFFu), 0x11D);
}

TEST(KeyCatalogue, ReleaseOnlyKeys) {
    for (KeyCode code : {0x54, 0x71, 0x72, 0x137}) {
        EXPECT_TRUE(IsReleaseOnlyKey(code)) << std::hex << code;
    }
    for (KeyCode code : {0x00, 0x37, 0xB7, 0x154, 0x1E}) {
        EXPECT_FALSE(IsReleaseOnlyKey(code)) << std::hex << code;
    }
}

}  // namespace
}  // namespace orvantix::model
