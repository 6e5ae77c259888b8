#pragma once

#include <cstdint>

#include "model/KeyCatalogue.h"

namespace orvantix::model {

// The program's key code for a Linux input key code (linux/input-event-codes.h; what a Qt key
// event's native scan code minus 8 gives under X11 and Wayland). 0 for a key the program has no
// code for.
KeyCode KeyCodeFromLinuxKey(std::uint16_t linuxKey);

}  // namespace orvantix::model
