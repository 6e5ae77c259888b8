#include <gtest/gtest.h>

#include <set>

#include "model/LinuxKeyCodes.h"

namespace orvantix::model {
namespace {

// Every key code a Linux key number can produce.
std::set<KeyCode> ReachableKeyCodes() {
    std::set<KeyCode> codes;
    for (std::uint16_t linuxKey = 0; linuxKey < 768; ++linuxKey) {
        if (const KeyCode code = KeyCodeFromLinuxKey(linuxKey); code != 0) {
            codes.insert(code);
        }
    }
    return codes;
}

TEST(LinuxKeyCodes, KnownKeys) {
    struct Case {
        std::uint16_t linuxKey;
        KeyCode code;
        const char* name;
    };
    const Case cases[] = {
        {0, 0, "KEY_RESERVED"},
        {1, 0x01, "KEY_ESC"},
        {30, 0x1E, "KEY_A"},
        {55, 0x37, "KEY_KPASTERISK"},
        {69, 0x145, "KEY_NUMLOCK"},
        {70, 0x46, "KEY_SCROLLLOCK"},
        {71, 0x47, "KEY_KP7"},
        {86, 0x56, "KEY_102ND"},
        {88, 0x58, "KEY_F12"},
        {96, 0x11C, "KEY_KPENTER"},
        {97, 0x11D, "KEY_RIGHTCTRL"},
        {99, 0x137, "KEY_SYSRQ"},
        {100, 0x138, "KEY_RIGHTALT"},
        {111, 0x153, "KEY_DELETE"},
        {119, 0x45, "KEY_PAUSE"},
        {125, 0x15B, "KEY_LEFTMETA"},
        {127, 0x15D, "KEY_COMPOSE"},
        {113, 0x120, "KEY_MUTE"},
        {164, 0x122, "KEY_PLAYPAUSE"},
        {183, 0x64, "KEY_F13"},
        {89, 0x73, "KEY_RO"},
        {122, 0x72, "KEY_HANGEUL"},
        {85, 0x29, "KEY_ZENKAKUHANKAKU"},
        {123, 0x71, "KEY_HANJA"},
        {124, 0x7D, "KEY_YEN"},
        {112, 0, "KEY_MACRO"},
        {240, 0, "KEY_UNKNOWN"},
        {0xFFFF, 0, "out of range"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeFromLinuxKey(c.linuxKey), c.code) << c.name;
    }
}

TEST(LinuxKeyCodes, CoverTheKeyboardPictureKeypadMultimediaAndAsianKeys) {
    // The keys of the keyboard picture, in picture order.
    const KeyCode pictureKeys[] = {
        0x1E,  0x30,  0x2E,  0x20,  0x12,  0x21,  0x22,  0x23,  0x17,  0x24,  0x25,  0x26, 0x32,
        0x31,  0x18,  0x19,  0x10,  0x13,  0x1F,  0x14,  0x16,  0x2F,  0x11,  0x2D,  0x15, 0x2C,
        0x02,  0x03,  0x04,  0x05,  0x06,  0x07,  0x08,  0x09,  0x0A,  0x0B,  0x1C,  0x01, 0x0E,
        0x0F,  0x39,  0x0C,  0x0D,  0x1A,  0x1B,  0x2B,  0x27,  0x28,  0x29,  0x33,  0x34, 0x35,
        0x3B,  0x3C,  0x3D,  0x3E,  0x3F,  0x40,  0x41,  0x42,  0x43,  0x44,  0x57,  0x58, 0x137,
        0x45,  0x152, 0x153, 0x147, 0x14F, 0x149, 0x151, 0x148, 0x150, 0x14B, 0x14D, 0x46, 0x3A,
        0x15D, 0x1D,  0x11D, 0x2A,  0x36,  0x38,  0x138, 0x15B, 0x15C, 0x4F,  0x50,  0x51, 0x4B,
        0x4C,  0x4D,  0x47,  0x48,  0x49,  0x52,  0x145, 0x11C, 0x53,  0x135, 0x37,  0x4A, 0x4E,
    };
    // Japanese and Korean keys, the system keys and the office keys of the catalogue.
    const KeyCode otherKeys[] = {0x70,  0x71,  0x72,  0x73,  0x79,  0x7B,  0x7D,
                                 0x7E,  0x15E, 0x15F, 0x163, 0x174, 0x175, 0x176,
                                 0x177, 0x178, 0x17B, 0x17C, 0x17D, 0x17E};
    const std::set<KeyCode> reachable = ReachableKeyCodes();
    for (KeyCode code : pictureKeys) {
        EXPECT_TRUE(reachable.contains(code)) << std::hex << code;
    }
    for (const MultimediaKey& key : MultimediaList()) {
        EXPECT_TRUE(reachable.contains(key.code)) << key.languageKey;
    }
    for (KeyCode code : otherKeys) {
        EXPECT_TRUE(reachable.contains(code)) << std::hex << code;
    }
}

TEST(LinuxKeyCodes, EveryProducedCodeIsACatalogueKey) {
    // The ISO key between Left Shift and Z has a code but no row of its own.
    const KeyCode unnamed = 0x56;
    for (KeyCode code : ReachableKeyCodes()) {
        if (code != unnamed) {
            EXPECT_NE(KeyInfoFromCode(code).pickerPos, kNoPickerPos) << std::hex << code;
        }
    }
}

}  // namespace
}  // namespace orvantix::model
