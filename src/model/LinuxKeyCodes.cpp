#include "model/LinuxKeyCodes.h"

#include <algorithm>
#include <array>

namespace orvantix::model {
namespace {

struct LinuxKeyEntry {
    std::uint16_t linuxKey;
    KeyCode code;
};

// Linux numbers the main block, the function keys up to F12 and the keypad by their set-1 make
// codes (1..88). The exceptions in that range and every key beyond it are listed here. Numbers
// are those of linux/input-event-codes.h.
constexpr std::uint16_t kLastMakeCodeKey = 88;  // KEY_F12

constexpr LinuxKeyEntry kLinuxKeys[] = {
    {69, keys::kNumLock},       // KEY_NUMLOCK: the program keeps it apart from Pause
    {85, 0x029},                // KEY_ZENKAKUHANKAKU: sits where the grave accent key is
    {89, 0x073},                // KEY_RO
    {92, 0x079},                // KEY_HENKAN
    {93, 0x070},                // KEY_KATAKANAHIRAGANA
    {94, 0x07B},                // KEY_MUHENKAN
    {96, 0x11C},                // KEY_KPENTER
    {97, keys::kRightCtrl},     // KEY_RIGHTCTRL
    {98, 0x135},                // KEY_KPSLASH
    {99, keys::kPrintScreen},   // KEY_SYSRQ: the Print Screen key
    {100, keys::kRightAlt},     // KEY_RIGHTALT
    {102, 0x147},               // KEY_HOME
    {103, 0x148},               // KEY_UP
    {104, 0x149},               // KEY_PAGEUP
    {105, 0x14B},               // KEY_LEFT
    {106, 0x14D},               // KEY_RIGHT
    {107, 0x14F},               // KEY_END
    {108, 0x150},               // KEY_DOWN
    {109, 0x151},               // KEY_PAGEDOWN
    {110, 0x152},               // KEY_INSERT
    {111, 0x153},               // KEY_DELETE
    {113, 0x120},               // KEY_MUTE
    {114, 0x12E},               // KEY_VOLUMEDOWN
    {115, 0x130},               // KEY_VOLUMEUP
    {116, 0x15E},               // KEY_POWER
    {119, keys::kPause},        // KEY_PAUSE
    {121, 0x07E},               // KEY_KPCOMMA (the Brazilian keypad separator)
    {122, keys::kKR},           // KEY_HANGEUL
    {123, keys::kKL},           // KEY_HANJA
    {124, 0x07D},               // KEY_YEN
    {125, keys::kLeftWin},      // KEY_LEFTMETA
    {126, keys::kRightWin},     // KEY_RIGHTMETA
    {127, 0x15D},               // KEY_COMPOSE: the menu key
    {128, 0x168},               // KEY_STOP: browser stop
    {133, 0x176},               // KEY_COPY
    {135, 0x178},               // KEY_PASTE
    {137, 0x177},               // KEY_CUT
    {139, 0x15D},               // KEY_MENU
    {140, 0x121},               // KEY_CALC
    {142, 0x15F},               // KEY_SLEEP
    {143, 0x163},               // KEY_WAKEUP
    {144, 0x16B},               // KEY_FILE: what USB keyboards send for "My Computer"
    {155, 0x16C},               // KEY_MAIL
    {156, 0x166},               // KEY_BOOKMARKS
    {157, 0x16B},               // KEY_COMPUTER
    {158, 0x16A},               // KEY_BACK
    {159, 0x169},               // KEY_FORWARD
    {163, 0x119},               // KEY_NEXTSONG
    {164, 0x122},               // KEY_PLAYPAUSE
    {165, 0x110},               // KEY_PREVIOUSSONG
    {166, 0x124},               // KEY_STOPCD
    {171, 0x16D},               // KEY_CONFIG: what USB keyboards send for the media player
    {172, 0x132},               // KEY_HOMEPAGE
    {173, 0x167},               // KEY_REFRESH
    {183, 0x064},               // KEY_F13
    {210, keys::kPrintScreen},  // KEY_PRINT
    {217, 0x165},               // KEY_SEARCH
    {226, 0x16D},               // KEY_MEDIA
    {397, 0x17E},               // KEY_CALENDAR
    {411, keys::kBreak},        // KEY_BREAK
    {418, 0x175},               // KEY_ZOOMIN
    {419, 0x174},               // KEY_ZOOMOUT
    {421, 0x17B},               // KEY_WORDPROCESSOR
    {423, 0x17C},               // KEY_SPREADSHEET
    {425, 0x17D},               // KEY_PRESENTATION
};

constexpr bool SortedByLinuxKey() {
    for (std::size_t i = 1; i < std::size(kLinuxKeys); ++i) {
        if (kLinuxKeys[i - 1].linuxKey >= kLinuxKeys[i].linuxKey) {
            return false;
        }
    }
    return true;
}
static_assert(SortedByLinuxKey(), "kLinuxKeys is searched by bisection");

}  // namespace

KeyCode KeyCodeFromLinuxKey(std::uint16_t linuxKey) {
    const auto* end = std::end(kLinuxKeys);
    const auto* found = std::lower_bound(
        std::begin(kLinuxKeys), end, linuxKey,
        [](const LinuxKeyEntry& entry, std::uint16_t key) { return entry.linuxKey < key; });
    if (found != end && found->linuxKey == linuxKey) {
        return found->code;
    }
    return linuxKey <= kLastMakeCodeKey ? linuxKey : 0;
}

}  // namespace orvantix::model
