#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zbw {

class Form;

// Adds, changes or removes the window's icon in the notification area: bytes that give no icon
// (none, or not an icon image) remove it, and the handle shown before is destroyed. A window that
// is not loaded, or whose platform window is gone, stops the program.
void SetTrayIcon(Form& window, std::span<const std::uint8_t> bytes,
                 std::optional<std::string_view> tip);

// Whether the notification area took the window's current icon; false when it has none.
bool TrayIconShown(const Form& window);

} // namespace zbw
