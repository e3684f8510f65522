#pragma once

namespace zbw {

// The window classes of the program's own kinds: the top-level window, self-painted labels and the
// timers' invisible windows.
inline constexpr char kFormClassName[] = "ZhongbaiwuWindow";
inline constexpr char kLabelClassName[] = "ZhongbaiwuLabel";
inline constexpr char kTimerClassName[] = "ZhongbaiwuTimer";

// Registered once by the frame's start-up and released by its end.
bool RegisterWindowClasses();
void UnregisterWindowClasses();

} // namespace zbw
