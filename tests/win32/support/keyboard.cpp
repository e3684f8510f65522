#include "support/keyboard.h"

#include "support/message_pump.h"

#include <array>

namespace zbw::test {
namespace {

void HoldShift(bool held) {
    std::array<BYTE, 256> state{};
    GetKeyboardState(state.data());
    state[VK_SHIFT] = held ? 0x80 : 0;
    state[VK_LSHIFT] = state[VK_SHIFT];
    SetKeyboardState(state.data());
}

} // namespace

void PressKey(UINT key, bool shift) {
    const HWND target = GetFocus();
    const UINT scanCode = MapVirtualKeyA(key, 0); // MAPVK_VK_TO_VSC
    const auto down = static_cast<LPARAM>(1 | (scanCode << 16));
    const auto up = static_cast<LPARAM>(down | (1u << 30) | (1u << 31));
    HoldShift(shift);
    PostMessageA(target, WM_KEYDOWN, key, down);
    PostMessageA(target, WM_KEYUP, key, up);
    PumpMessages();
    HoldShift(false);
}

} // namespace zbw::test
