#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zbw {

// Shows a message box with no owner and waits until it is closed; returns the id of the button
// that closed it. Unless the flags ask for a system-modal box, the box is task-modal, so every
// top-level window of the thread takes no input meanwhile while their messages and timers still
// run. The title defaults to "信息：".
std::int32_t ShowMessageBox(std::string_view message, std::int32_t flags,
                            std::optional<std::string_view> title = {});

} // namespace zbw
