#include "model/KeyCatalogue.h"

#include <algorithm>

#include "platform/text/TextFormat.h"
#include "platform/text/Utf8.h"

namespace orvantix::model {
namespace {

struct Row {
    std::uint8_t index;
    std::uint8_t numLockVirtualKey;
    std::uint16_t pickerPos;
    std::uint8_t virtualKey;
    std::uint8_t deviceUsage;
    std::string_view languageKey;
};

// Every row that holds a key; all other rows are empty.
constexpr Row kRows[] = {
    Row{0x01, 0x1B, 37, 0x1B, 0x29, "IDS_KEYBOARD_ESC"},         // Esc
    Row{0x02, 0x31, 26, 0x31, 0x1E, "IDS_KEYBOARD_1"},           // 1
    Row{0x03, 0x32, 27, 0x32, 0x1F, "IDS_KEYBOARD_2"},           // 2
    Row{0x04, 0x33, 28, 0x33, 0x20, "IDS_KEYBOARD_3"},           // 3
    Row{0x05, 0x34, 29, 0x34, 0x21, "IDS_KEYBOARD_4"},           // 4
    Row{0x06, 0x35, 30, 0x35, 0x22, "IDS_KEYBOARD_5"},           // 5
    Row{0x07, 0x36, 31, 0x36, 0x23, "IDS_KEYBOARD_6"},           // 6
    Row{0x08, 0x37, 32, 0x37, 0x24, "IDS_KEYBOARD_7"},           // 7
    Row{0x09, 0x38, 33, 0x38, 0x25, "IDS_KEYBOARD_8"},           // 8
    Row{0x0A, 0x39, 34, 0x39, 0x26, "IDS_KEYBOARD_9"},           // 9
    Row{0x0B, 0x30, 35, 0x30, 0x27, "IDS_KEYBOARD_0"},           // 0
    Row{0x0C, 0xBD, 41, 0xBD, 0x2D, "IDS_KEYBOARD_MINUS"},       // minus
    Row{0x0D, 0xBB, 42, 0xBB, 0x2E, "IDS_KEYBOARD_EQU"},         // equals
    Row{0x0E, 0x08, 38, 0x08, 0x2A, "IDS_KEYBOARD_BS"},          // Backspace
    Row{0x0F, 0x09, 39, 0x09, 0x2B, "IDS_KEYBOARD_TAB"},         // Tab
    Row{0x10, 0x51, 16, 0x51, 0x14, "IDS_KEYBOARD_Q"},           // Q
    Row{0x11, 0x57, 22, 0x57, 0x1A, "IDS_KEYBOARD_W"},           // W
    Row{0x12, 0x45, 4, 0x45, 0x08, "IDS_KEYBOARD_E"},            // E
    Row{0x13, 0x52, 17, 0x52, 0x15, "IDS_KEYBOARD_R"},           // R
    Row{0x14, 0x54, 19, 0x54, 0x17, "IDS_KEYBOARD_T"},           // T
    Row{0x15, 0x59, 24, 0x59, 0x1C, "IDS_KEYBOARD_Y"},           // Y
    Row{0x16, 0x55, 20, 0x55, 0x18, "IDS_KEYBOARD_U"},           // U
    Row{0x17, 0x49, 8, 0x49, 0x0C, "IDS_KEYBOARD_I"},            // I
    Row{0x18, 0x4F, 14, 0x4F, 0x12, "IDS_KEYBOARD_O"},           // O
    Row{0x19, 0x50, 15, 0x50, 0x13, "IDS_KEYBOARD_P"},           // P
    Row{0x1A, 0xDB, 43, 0xDB, 0x2F, "IDS_KEYBOARD_SB1"},         // left bracket
    Row{0x1B, 0xDD, 44, 0xDD, 0x30, "IDS_KEYBOARD_SB2"},         // right bracket
    Row{0x1C, 0x0D, 36, 0x0D, 0x28, "IDS_KEYBOARD_ENTER"},       // Enter
    Row{0x1D, 0xA2, 98, 0xA2, 0xE0, "IDS_KEYBOARD_LCTRL"},       // Ctrl (left)
    Row{0x1E, 0x41, 0, 0x41, 0x04, "IDS_KEYBOARD_A"},            // A
    Row{0x1F, 0x53, 18, 0x53, 0x16, "IDS_KEYBOARD_S"},           // S
    Row{0x20, 0x44, 3, 0x44, 0x07, "IDS_KEYBOARD_D"},            // D
    Row{0x21, 0x46, 5, 0x46, 0x09, "IDS_KEYBOARD_F"},            // F
    Row{0x22, 0x47, 6, 0x47, 0x0A, "IDS_KEYBOARD_G"},            // G
    Row{0x23, 0x48, 7, 0x48, 0x0B, "IDS_KEYBOARD_H"},            // H
    Row{0x24, 0x4A, 9, 0x4A, 0x0D, "IDS_KEYBOARD_J"},            // J
    Row{0x25, 0x4B, 10, 0x4B, 0x0E, "IDS_KEYBOARD_K"},           // K
    Row{0x26, 0x4C, 11, 0x4C, 0x0F, "IDS_KEYBOARD_L"},           // L
    Row{0x27, 0xBA, 46, 0xBA, 0x33, "IDS_KEYBOARD_SEM"},         // semicolon
    Row{0x28, 0xDE, 47, 0xDE, 0x34, "IDS_KEYBOARD_QUOT"},        // apostrophe
    Row{0x29, 0xC0, 48, 0xC0, 0x35, "IDS_KEYBOARD_AID1"},        // grave accent
    Row{0x2A, 0xA0, 99, 0xA0, 0xE1, "IDS_KEYBOARD_LSHIFT"},      // Shift (left)
    Row{0x2B, 0xDC, 45, 0xDC, 0x31, "IDS_KEYBOARD_AV"},          // backslash
    Row{0x2C, 0x5A, 25, 0x5A, 0x1D, "IDS_KEYBOARD_Z"},           // Z
    Row{0x2D, 0x58, 23, 0x58, 0x1B, "IDS_KEYBOARD_X"},           // X
    Row{0x2E, 0x43, 2, 0x43, 0x06, "IDS_KEYBOARD_C"},            // C
    Row{0x2F, 0x56, 21, 0x56, 0x19, "IDS_KEYBOARD_V"},           // V
    Row{0x30, 0x42, 1, 0x42, 0x05, "IDS_KEYBOARD_B"},            // B
    Row{0x31, 0x4E, 13, 0x4E, 0x11, "IDS_KEYBOARD_N"},           // N
    Row{0x32, 0x4D, 12, 0x4D, 0x10, "IDS_KEYBOARD_M"},           // M
    Row{0x33, 0xBC, 49, 0xBC, 0x36, "IDS_KEYBOARD_COMMA"},       // comma
    Row{0x34, 0xBE, 50, 0xBE, 0x37, "IDS_KEYBOARD_PER"},         // period
    Row{0x35, 0xBF, 51, 0xBF, 0x38, "IDS_KEYBOARD_VIR"},         // slash
    Row{0x36, 0xA1, 103, 0xA1, 0xE5, "IDS_KEYBOARD_RSHIFT"},     // Right Shift
    Row{0x37, 0x6A, 81, 0x6A, 0x55, "IDS_KEYBOARD_S_AST"},       // Num *
    Row{0x38, 0xA4, 100, 0xA4, 0xE2, "IDS_KEYBOARD_LALT"},       // Alt (left)
    Row{0x39, 0x20, 40, 0x20, 0x2C, "IDS_KEYBOARD_SPACE"},       // Space
    Row{0x3A, 0x14, 78, 0x14, 0x39, "IDS_KEYBOARD_CAPS"},        // Caps Lock
    Row{0x3B, 0x70, 52, 0x70, 0x3A, "IDS_KEYBOARD_F1"},          // F1
    Row{0x3C, 0x71, 53, 0x71, 0x3B, "IDS_KEYBOARD_F2"},          // F2
    Row{0x3D, 0x72, 54, 0x72, 0x3C, "IDS_KEYBOARD_F3"},          // F3
    Row{0x3E, 0x73, 55, 0x73, 0x3D, "IDS_KEYBOARD_F4"},          // F4
    Row{0x3F, 0x74, 56, 0x74, 0x3E, "IDS_KEYBOARD_F5"},          // F5
    Row{0x40, 0x75, 57, 0x75, 0x3F, "IDS_KEYBOARD_F6"},          // F6
    Row{0x41, 0x76, 58, 0x76, 0x40, "IDS_KEYBOARD_F7"},          // F7
    Row{0x42, 0x77, 59, 0x77, 0x41, "IDS_KEYBOARD_F8"},          // F8
    Row{0x43, 0x78, 60, 0x78, 0x42, "IDS_KEYBOARD_F9"},          // F9
    Row{0x44, 0x79, 61, 0x79, 0x43, "IDS_KEYBOARD_F10"},         // F10
    Row{0x45, 0x13, 65, 0x13, 0x48, "IDS_KEYBOARD_PAUSE"},       // Pause
    Row{0x46, 0x91, 77, 0x91, 0x47, "IDS_KEYBOARD_SCROLL"},      // Scroll Lock
    Row{0x47, 0x67, 91, 0x24, 0x5F, "IDS_KEYBOARD_S_7"},         // Num 7
    Row{0x48, 0x68, 92, 0x26, 0x60, "IDS_KEYBOARD_S_8"},         // Num 8
    Row{0x49, 0x69, 93, 0x21, 0x61, "IDS_KEYBOARD_S_9"},         // Num 9
    Row{0x4A, 0x6D, 82, 0x6D, 0x56, "IDS_KEYBOARD_S_MINUS"},     // Num -
    Row{0x4B, 0x64, 88, 0x25, 0x5C, "IDS_KEYBOARD_S_4"},         // Num 4
    Row{0x4C, 0x65, 89, 0x0C, 0x5D, "IDS_KEYBOARD_S_5"},         // Num 5
    Row{0x4D, 0x66, 90, 0x27, 0x5E, "IDS_KEYBOARD_S_6"},         // Num 6
    Row{0x4E, 0x6B, 83, 0x6B, 0x57, "IDS_KEYBOARD_S_PLUS"},      // Num +
    Row{0x4F, 0x61, 85, 0x23, 0x59, "IDS_KEYBOARD_S_1"},         // Num 1
    Row{0x50, 0x62, 86, 0x28, 0x5A, "IDS_KEYBOARD_S_2"},         // Num 2
    Row{0x51, 0x63, 87, 0x22, 0x5B, "IDS_KEYBOARD_S_3"},         // Num 3
    Row{0x52, 0x60, 94, 0x2D, 0x62, "IDS_KEYBOARD_S_0"},         // Num 0
    Row{0x53, 0x6E, 95, 0x2E, 0x63, "IDS_KEYBOARD_S_DEL"},       // Num .
    Row{0x54, 0x2C, 0x8012, 0x2C, 0x00, "IDS_KEYBOARD_SYSREQ"},  // Sys Req
    Row{0x57, 0x7A, 62, 0x7A, 0x44, "IDS_KEYBOARD_F11"},         // F11
    Row{0x58, 0x7B, 63, 0x7B, 0x45, "IDS_KEYBOARD_F12"},         // F12
    Row{0x64, 0x7C, 0x802D, 0x7C, 0x00, ""},                     // F13
    Row{0x70, 0xFF, 0x8018, 0xFF, 0x88, "IDS_KEYBOARD_ROMA"},    // ROMA (133)
    Row{0x71, 0xE9, 0x8019, 0xE9, 0x91, "IDS_KEYBOARD_KL"},      // KL
    Row{0x72, 0xFF, 0x801A, 0xFF, 0x90, "IDS_KEYBOARD_KR"},      // KR
    Row{0x73, 0xC1, 0x8014, 0xC1, 0x87, "IDS_KEYBOARD_K56"},     // K56
    Row{0x79, 0xFF, 0x8017, 0xFF, 0x8A, "IDS_KEYBOARD_CHG"},     // CHG (132)
    Row{0x7B, 0xEB, 0x8016, 0xEB, 0x8B, "IDS_KEYBOARD_N_CHG"},   // N-CHG (131)
    Row{0x7D, 0xFF, 0x8013, 0xFF, 0x89, "IDS_KEYBOARD_K14"},     // K14
    Row{0x7E, 0xC2, 0x8015, 0xC2, 0x85, "IDS_KEYBOARD_K107"},    // K107
    Row{0x90, 0xB1, 0x8021, 0xB1, 0xD0, "MEDIA_PREV_TRACK_4"},   // Prev Track
    Row{0x99, 0xB0, 0x8022, 0xB0, 0xD1, "MEDIA_Next_TRACK_5"},   // Next Track
    Row{0x9C, 0x0D, 84, 0x0D, 0x58, "IDS_KEYBOARD_S_ENTER"},     // Num Enter
    Row{0x9D, 0xA3, 102, 0xA3, 0xE4, "IDS_KEYBOARD_RCTRL"},      // Right Ctrl
    Row{0xA0, 0xAD, 0x8025, 0xAD, 0xCD, "MEDIA_MUTE_8"},         // Mute
    Row{0xA1, 0xB7, 0x801C, 0xB7, 0xC4, "MEDIA_CALC_17"},        // Calc
    Row{0xA2, 0xB3, 0x801F, 0xB3, 0xCE, "MEDIA_PALY_PAUSE_2"},   // Play/Pause
    Row{0xA4, 0xB2, 0x8020, 0xB2, 0xCF, "MEDIA_STOP_PALY_3"},    // Stop Play
    Row{0xAE, 0xAE, 0x8024, 0xAE, 0xC1, "MEDIA_V_LOW_6"},        // V-
    Row{0xB0, 0xAF, 0x8023, 0xAF, 0xC0, "MEDIA_V_ADD_7"},        // V+
    Row{0xB2, 0xAC, 0x8026, 0xAC, 0xC7, "MEDIA_WWW_HOME_9"},     // WWW Home
    Row{0xB5, 0x6F, 80, 0x6F, 0x54, "IDS_KEYBOARD_S_VIR"},       // Num /
    Row{0xB6, 0xA1, 103, 0xA1, 0xE5, "IDS_KEYBOARD_RSHIFT"},     // Right Shift (extended duplicate)
    Row{0xB7, 0x2C, 64, 0x2C, 0x46, "IDS_KEYBOARD_PRINT"},       // Print Screen
    Row{0xB8, 0xA5, 104, 0xA5, 0xE6, "IDS_KEYBOARD_RALT"},       // Right Alt
    Row{0xC5, 0x90, 79, 0x90, 0x53, "IDS_KEYBOARD_NUM"},         // Num Lock
    Row{0xC6, 0x03, 66, 0x03, 0x48, "IDS_KEYBOARD_BREAK"},       // Break
    Row{0xC7, 0x24, 69, 0x24, 0x4A, "IDS_KEYBOARD_HOME"},        // Home
    Row{0xC8, 0x26, 73, 0x26, 0x52, "IDS_KEYBOARD_UP"},          // Up arrow
    Row{0xC9, 0x21, 71, 0x21, 0x4B, "IDS_KEYBOARD_PAGE_UP"},     // Page Up
    Row{0xCB, 0x25, 75, 0x25, 0x50, "IDS_KEYBOARD_LEFT"},        // Left arrow
    Row{0xCD, 0x27, 76, 0x27, 0x4F, "IDS_KEYBOARD_RIGHT"},       // Right arrow
    Row{0xCF, 0x23, 70, 0x23, 0x4D, "IDS_KEYBOARD_END"},         // End
    Row{0xD0, 0x28, 74, 0x28, 0x51, "IDS_KEYBOARD_DOWN"},        // Down arrow
    Row{0xD1, 0x22, 72, 0x22, 0x4E, "IDS_KEYBOARD_PAGE_DOWN"},   // Page Down
    Row{0xD2, 0x2D, 67, 0x2D, 0x49, "IDS_KEYBOARD_INSERT"},      // Insert
    Row{0xD3, 0x2E, 68, 0x2E, 0x4C, "IDS_KEYBOARD_DELETE"},      // Delete
    Row{0xDB, 0x5B, 101, 0x5B, 0xE3, "IDS_KEYBOARD_LWIN"},       // Win (left)
    Row{0xDC, 0x5C, 105, 0x5C, 0xE7, "IDS_KEYBOARD_RWIN"},       // Right Win
    Row{0xDD, 0x5D, 97, 0x5D, 0x65, "IDS_KEYBOARD_APP"},         // App
    Row{0xDE, 0xFF, 0x8001, 0xFF, 0x81, "IDS_KEYBOARD_POWER"},   // Power
    Row{0xDF, 0x5F, 0x8002, 0x5F, 0x82, "IDS_KEYBOARD_SLEEP"},   // Sleep
    Row{0xE1, 0xD1, 110, 0xD1, 0xF4, "IDS_KEYBOARD_ROLL_UP"},    // Roll Up (wheel up)
    Row{0xE2, 0xD2, 111, 0xD2, 0xF5, "IDS_KEYBOARD_ROLL_DOWN"},  // Roll Down (wheel down)
    Row{0xE3, 0xFF, 0x8003, 0xFF, 0x83, "IDS_KEYBOARD_WAKE"},    // Wake
    Row{0xE5, 0xAA, 0x802C, 0xAA, 0xC6, "MEDIA_WWW_SEARCH_15"},  // WWW Search
    Row{0xE6, 0xAB, 0x802B, 0xAB, 0xCC, "MEDIA_WWW_FAVORITE_14"},         // WWW Favorite
    Row{0xE7, 0xA8, 0x8027, 0xA8, 0xCB, "MEDIA_WWW_REFRESH_10"},          // WWW Refresh
    Row{0xE8, 0xA9, 0x8028, 0xA9, 0xCA, "MEDIA_WWW_STOP_11"},             // WWW Stop
    Row{0xE9, 0xA7, 0x802A, 0xA7, 0xC9, "MEDIA_WWW_FORWARD_13"},          // WWW Forward
    Row{0xEA, 0xA6, 0x8029, 0xA6, 0xC8, "MEDIA_WWW_BACK_12"},             // WWW Back
    Row{0xEB, 0xB6, 0x801B, 0xB6, 0xC5, "MEDIA_MY_PC_16"},                // My PC
    Row{0xEC, 0xB4, 0x801D, 0xB4, 0xC3, "MEDIA_MAIL_18"},                 // Mail
    Row{0xED, 0xB5, 0x801E, 0xB5, 0xC2, "MEDIA_PALYER_1"},                // Media Player
    Row{0xEE, 0x88, 0x8005, 0x88, 0x00, "IDS_KEYBOARD_MOU_PANLEFT"},      // Pan Left
    Row{0xEF, 0x89, 0x8006, 0x89, 0x00, "IDS_KEYBOARD_MOU_PANRIGHT"},     // Pan Right
    Row{0xF0, 0x8A, 0x8004, 0x8A, 0x00, "IDS_KEYBOARD_MOU_DBCLICK"},      // Double Click
    Row{0xF1, 0x01, 107, 0x01, 0xF1, "IDS_KEYBOARD_MOU_LEFT"},            // Left Button
    Row{0xF2, 0x02, 108, 0x02, 0xF2, "IDS_KEYBOARD_MOU_RIGHT"},           // Right Button
    Row{0xF3, 0x04, 109, 0x04, 0xF3, "IDS_KEYBOARD_MOU_MIDDLE"},          // Middle Button
    Row{0xF4, 0x8B, 0x8007, 0x8B, 0xD2, "IDS_KEYBOARD_FUNC_ZOOMOUT"},     // Zoom-
    Row{0xF5, 0x8C, 0x8008, 0x8C, 0xD3, "IDS_KEYBOARD_FUNC_ZOOMIN"},      // Zoom+
    Row{0xF6, 0x97, 0x8009, 0x97, 0x00, "IDS_KEYBOARD_FUNC_COPY"},        // Copy
    Row{0xF7, 0x98, 0x800A, 0x98, 0x00, "IDS_KEYBOARD_FUNC_CUT"},         // Cut
    Row{0xF8, 0x99, 0x800B, 0x99, 0x00, "IDS_KEYBOARD_FUNC_PASTE"},       // Paste
    Row{0xF9, 0x9A, 0x800C, 0x9A, 0x00, "IDS_KEYBOARD_FUNC_MINI"},        // Minimize
    Row{0xFA, 0x9B, 0x800D, 0x9B, 0x00, "IDS_KEYBOARD_FUNC_MAXI"},        // Maximize
    Row{0xFB, 0x9C, 0x800E, 0x9C, 0xD4, "IDS_KEYBOARD_FUNC_WORD"},        // Word
    Row{0xFC, 0x9D, 0x800F, 0x9D, 0xD5, "IDS_KEYBOARD_FUNC_EXCEL"},       // Excel
    Row{0xFD, 0x9E, 0x8010, 0x9E, 0x00, "IDS_KEYBOARD_FUNC_POWERPOINT"},  // PowerPoint
    Row{0xFE, 0x9F, 0x8011, 0x9F, 0x00, "IDS_KEYBOARD_FUNC_CALENDAR"},    // Calendar
};

using Catalogue = std::array<KeyInfo, kCatalogueRows>;

constexpr Catalogue BuildCatalogue() {
    Catalogue rows{};
    for (const Row& row : kRows) {
        rows[row.index] = KeyInfo{row.numLockVirtualKey, row.pickerPos, row.virtualKey,
                                  row.deviceUsage, row.languageKey};
    }
    return rows;
}

constexpr Catalogue kCatalogue = BuildCatalogue();

struct VirtualKeyEntry {
    std::uint8_t virtualKey;
    std::uint8_t index;
};

// Windows virtual-key code -> catalogue index; the generic Shift, Ctrl and Alt codes (10, 11,
// 12) name the left-hand keys.
constexpr VirtualKeyEntry kVirtualKeyEntries[] = {
    {0x03, 0xC6}, {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D},
    {0x12, 0x38}, {0x13, 0x45}, {0x14, 0x3A}, {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0xC9},
    {0x22, 0xD1}, {0x23, 0xCF}, {0x24, 0xC7}, {0x25, 0xCB}, {0x26, 0xC8}, {0x27, 0xCD},
    {0x28, 0xD0}, {0x2C, 0xB7}, {0x2D, 0xD2}, {0x2E, 0xD3}, {0x30, 0x0B}, {0x31, 0x02},
    {0x32, 0x03}, {0x33, 0x04}, {0x34, 0x05}, {0x35, 0x06}, {0x36, 0x07}, {0x37, 0x08},
    {0x38, 0x09}, {0x39, 0x0A}, {0x41, 0x1E}, {0x42, 0x30}, {0x43, 0x2E}, {0x44, 0x20},
    {0x45, 0x12}, {0x46, 0x21}, {0x47, 0x22}, {0x48, 0x23}, {0x49, 0x17}, {0x4A, 0x24},
    {0x4B, 0x25}, {0x4C, 0x26}, {0x4D, 0x32}, {0x4E, 0x31}, {0x4F, 0x18}, {0x50, 0x19},
    {0x51, 0x10}, {0x52, 0x13}, {0x53, 0x1F}, {0x54, 0x14}, {0x55, 0x16}, {0x56, 0x2F},
    {0x57, 0x11}, {0x58, 0x2D}, {0x59, 0x15}, {0x5A, 0x2C}, {0x5B, 0xDB}, {0x5C, 0xDC},
    {0x5D, 0xDD}, {0x5F, 0xDF}, {0x60, 0x52}, {0x61, 0x4F}, {0x62, 0x50}, {0x63, 0x51},
    {0x64, 0x4B}, {0x65, 0x4C}, {0x66, 0x4D}, {0x67, 0x47}, {0x68, 0x48}, {0x69, 0x49},
    {0x6A, 0x37}, {0x6B, 0x4E}, {0x6D, 0x4A}, {0x6E, 0x53}, {0x6F, 0xB5}, {0x70, 0x3B},
    {0x71, 0x3C}, {0x72, 0x3D}, {0x73, 0x3E}, {0x74, 0x3F}, {0x75, 0x40}, {0x76, 0x41},
    {0x77, 0x42}, {0x78, 0x43}, {0x79, 0x44}, {0x7A, 0x57}, {0x7B, 0x58}, {0x7C, 0x64},
    {0x8B, 0xD2}, {0x8C, 0xD3}, {0x90, 0xC5}, {0x91, 0x46}, {0x9C, 0xD4}, {0x9D, 0xD5},
    {0xA0, 0x2A}, {0xA1, 0x36}, {0xA2, 0x1D}, {0xA3, 0x9D}, {0xA4, 0x38}, {0xA5, 0xB8},
    {0xA6, 0xEA}, {0xA7, 0xE9}, {0xA8, 0xE7}, {0xA9, 0xE8}, {0xAA, 0xE5}, {0xAB, 0xE6},
    {0xAC, 0xB2}, {0xAD, 0xA0}, {0xAE, 0xAE}, {0xAF, 0xB0}, {0xB0, 0x99}, {0xB1, 0x90},
    {0xB2, 0xA4}, {0xB3, 0xA2}, {0xB4, 0xEC}, {0xB5, 0xED}, {0xB6, 0xEB}, {0xB7, 0xA1},
    {0xBA, 0x27}, {0xBB, 0x0D}, {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34}, {0xBF, 0x35},
    {0xC0, 0x29}, {0xC1, 0x73}, {0xC2, 0x7E}, {0xD1, 0xE1}, {0xD2, 0xE2}, {0xDB, 0x1A},
    {0xDC, 0x2B}, {0xDD, 0x1B}, {0xDE, 0x28}, {0xE2, 0x56}, {0xE9, 0x71}, {0xEB, 0x7B},
};

constexpr std::array<std::uint8_t, 256> BuildVirtualKeyMap() {
    std::array<std::uint8_t, 256> map{};
    for (const VirtualKeyEntry& entry : kVirtualKeyEntries) {
        map[entry.virtualKey] = entry.index;
    }
    return map;
}

constexpr std::array<std::uint8_t, 256> kVirtualKeyMap = BuildVirtualKeyMap();

constexpr std::array<MultimediaKey, kMultimediaKeys> kMultimediaList = {{
    {"MEDIA_PALYER_1", 0x183, 0x16D},
    {"MEDIA_PALY_PAUSE_2", 0x0CD, 0x122},
    {"MEDIA_STOP_PALY_3", 0x0B7, 0x124},
    {"MEDIA_PREV_TRACK_4", 0x0B6, 0x110},
    {"MEDIA_Next_TRACK_5", 0x0B5, 0x119},
    {"MEDIA_V_LOW_6", 0x0EA, 0x12E},
    {"MEDIA_V_ADD_7", 0x0E9, 0x130},
    {"MEDIA_MUTE_8", 0x0E2, 0x120},
    {"MEDIA_WWW_HOME_9", 0x223, 0x132},
    {"MEDIA_WWW_REFRESH_10", 0x227, 0x167},
    {"MEDIA_WWW_STOP_11", 0x226, 0x168},
    {"MEDIA_WWW_BACK_12", 0x224, 0x16A},
    {"MEDIA_WWW_FORWARD_13", 0x225, 0x169},
    {"MEDIA_WWW_FAVORITE_14", 0x22A, 0x166},
    {"MEDIA_WWW_SEARCH_15", 0x221, 0x165},
    {"MEDIA_MY_PC_16", 0x194, 0x16B},
    {"MEDIA_CALC_17", 0x192, 0x121},
    {"MEDIA_MAIL_18", 0x18A, 0x16C},
}};

constexpr std::array<std::uint16_t, kMultimediaKeys> kConsumerTable = {
    0x0E9, 0x0EA, 0x183, 0x18A, 0x192, 0x194, 0x221, 0x223, 0x224,
    0x225, 0x226, 0x227, 0x22A, 0x0E2, 0x0CD, 0x0B7, 0x0B6, 0x0B5,
};

// Bits of a HID modifier byte, lowest first.
constexpr std::array<KeyCode, 8> kModifierBitKeys = {
    keys::kLeftCtrl,  keys::kLeftShift,  keys::kLeftAlt,  keys::kLeftWin,
    keys::kRightCtrl, keys::kRightShift, keys::kRightAlt, keys::kRightWin,
};

constexpr std::uint8_t kMediaUsageBase = 0xC0;
constexpr std::uint8_t kNoVirtualKey = 0xFF;

// Usage ranges of DeviceUsageFromCode.
constexpr std::uint8_t kFirstSystemUsage = 0x81;
constexpr std::uint8_t kLastSystemUsage = 0x83;
constexpr std::uint8_t kFirstMouseUsage = 0xF1;
constexpr std::uint8_t kLastMouseUsage = 0xF8;
constexpr std::uint8_t kNoUsage = 0xFF;

constexpr std::uint16_t FirstIndexWithUsage(std::uint8_t usage) {
    for (std::uint16_t index = 0; index < kCatalogueRows; ++index) {
        if (kCatalogue[index].deviceUsage == usage) {
            return index;
        }
    }
    return kCatalogueRows;
}

}  // namespace

const std::array<MultimediaKey, kMultimediaKeys>& MultimediaList() {
    return kMultimediaList;
}
const std::array<std::uint16_t, kMultimediaKeys>& ConsumerTable() {
    return kConsumerTable;
}

std::uint16_t KeyIndexFromCode(KeyCode code) {
    if (code < 0x100) {
        return code;
    }
    if (code < 0x200) {
        return static_cast<std::uint16_t>((code - 0x80) % 0x100);
    }
    // Beyond the catalogue: the G-key slots live at 0x100 + b for code 0x200 + b.
    return static_cast<std::uint16_t>(code - 0x100);
}

KeyCode KeyCodeFromIndex(std::uint16_t index) {
    return static_cast<KeyCode>(index < 0x80 ? index : index + 0x80);
}

const KeyInfo& KeyInfoAt(std::uint16_t index) {
    return kCatalogue[index < kCatalogueRows ? index : 0];
}

const KeyInfo& KeyInfoFromCode(KeyCode code) {
    return KeyInfoAt(KeyIndexFromCode(code));
}

std::uint16_t PickerPosFromCode(KeyCode code) {
    return KeyInfoFromCode(code).pickerPos;
}

KeyCode KeyCodeFromPickerPos(std::uint16_t pickerPos) {
    for (std::uint16_t index = 0; index < kCatalogueRows; ++index) {
        if (kCatalogue[index].pickerPos == pickerPos) {
            return KeyCodeFromIndex(index);
        }
    }
    return 0;
}

std::string KeyNameByCode(KeyCode code, const TextLookup& text, std::size_t capacity) {
    const std::string_view languageKey = KeyInfoFromCode(code).languageKey;
    std::string name = languageKey.empty() ? std::string() : text(languageKey);
    if (name.empty()) {
        name = text::FormatText(text("UNKNOWN_KEY"), {std::int64_t{code}});
    }
    return text::CutToCapacity(name, capacity);
}

std::string KeyNameByPickerPos(std::uint16_t pickerPos, const TextLookup& text) {
    for (const KeyInfo& row : kCatalogue) {
        if (row.pickerPos == pickerPos) {
            return row.languageKey.empty() ? std::string() : text(row.languageKey);
        }
    }
    return {};
}

DeviceUsage DeviceUsageFromCode(KeyCode code) {
    const std::uint8_t usage = KeyInfoFromCode(code).deviceUsage;
    if (usage == 0 || usage == kNoUsage) {
        return {};
    }
    if (usage >= kFirstSystemUsage && usage <= kLastSystemUsage) {
        return {UsageKind::GenericDesktop, usage};
    }
    if (usage >= kFirstMouseUsage && usage <= kLastMouseUsage) {
        return {UsageKind::Mouse, usage};
    }
    // Multimedia and function codes travel as keyboard usages too.
    return {UsageKind::Keyboard, usage};
}

KeyCode KeyCodeFromDeviceUsage(DeviceUsage usage) {
    std::uint16_t target = 0;
    switch (usage.kind) {
        case UsageKind::Keyboard:
            target = usage.usage;
            break;
        case UsageKind::GenericDesktop:
            if (usage.usage >= kFirstSystemUsage && usage.usage <= kLastSystemUsage) {
                target = usage.usage;
            }
            break;
        case UsageKind::Consumer: {
            const auto* found =
                std::find(kConsumerTable.begin(), kConsumerTable.end(), usage.usage);
            if (found != kConsumerTable.end()) {
                target =
                    static_cast<std::uint16_t>(kMediaUsageBase + (found - kConsumerTable.begin()));
            }
            break;
        }
        default:
            break;
    }
    if (target >= 0x100) {
        return 0;
    }
    const std::uint16_t index = FirstIndexWithUsage(static_cast<std::uint8_t>(target));
    return index < kCatalogueRows ? KeyCodeFromIndex(index) : 0;
}

KeyCode KeyCodeFromModifierBits(std::uint8_t modifierBits) {
    for (std::size_t bit = 0; bit < kModifierBitKeys.size(); ++bit) {
        if (modifierBits & (1u << bit)) {
            return kModifierBitKeys[bit];
        }
    }
    return 0;
}

KeyCode KeyCodeFromVirtualKey(std::uint8_t virtualKey) {
    const std::uint8_t index = kVirtualKeyMap[virtualKey];
    return index == 0 ? 0 : KeyCodeFromIndex(index);
}

KeyCode KeyCodeFromKeyMessage(std::uint8_t virtualKey, std::uint32_t keystrokeData) {
    const KeyCode fallback = KeyCodeFromVirtualKey(virtualKey);
    // Scan code with the extended flag as 0x100.
    const auto scan = static_cast<KeyCode>((keystrokeData >> 16) & 0x1FF);
    // Right Shift arrives with the generic Shift virtual key, which the map gives to Left Shift.
    if (scan == keys::kRightShift) {
        return scan;
    }
    if (virtualKey == kNoVirtualKey) {
        return scan;
    }
    const auto scanLow = static_cast<std::uint8_t>(scan & 0xFF);
    if (scanLow == 0) {
        return fallback;
    }
    const KeyInfo& row = KeyInfoFromCode(scan);
    // The last test keeps Right Ctrl and Right Alt, which arrive with the generic Ctrl and Alt
    // virtual keys, on their extended codes.
    if (row.numLockVirtualKey == virtualKey || row.virtualKey == virtualKey ||
        kVirtualKeyMap[virtualKey] == scanLow) {
        return scan;
    }
    return fallback;
}

bool IsReleaseOnlyKey(KeyCode code) {
    return code == keys::kSysReq || code == keys::kKL || code == keys::kKR ||
           code == keys::kPrintScreen;
}

bool IsMultimediaKeyCode(KeyCode code) {
    return std::any_of(kMultimediaList.begin(), kMultimediaList.end(),
                       [code](const MultimediaKey& key) { return key.code == code; });
}

std::vector<std::string_view> CatalogueLanguageKeys() {
    std::vector<std::string_view> languageKeys;
    auto add = [&languageKeys](std::string_view key) {
        if (!key.empty() &&
            std::find(languageKeys.begin(), languageKeys.end(), key) == languageKeys.end()) {
            languageKeys.push_back(key);
        }
    };
    for (const KeyInfo& row : kCatalogue) {
        add(row.languageKey);
    }
    for (const MultimediaKey& key : kMultimediaList) {
        add(key.languageKey);
    }
    return languageKeys;
}

}  // namespace orvantix::model
