#pragma once

#include <windows.h>

namespace zbw::test {

// Presses and releases a key as the keyboard would: the key messages are posted to the window
// with the focus and dispatched through the frame's keyboard handling. With shift, the Shift key
// reads as held meanwhile.
void PressKey(UINT key, bool shift = false);

} // namespace zbw::test
