#pragma once

#include "ui/handles.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include <shellapi.h>
#include <windows.h>

namespace zbw {

// The message the notification area sends the window when the mouse acts on its icon: the icon's
// identifier in wParam, the mouse message in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 0x64;
inline constexpr UINT kTrayIconIdentifier = 100;

// The message the shell broadcasts when its notification area has been made anew; icons shown
// before are gone then and must be added again.
UINT TaskbarCreatedMessage();

// Icon handles a tray icon has made and destroyed, so that tests can prove none leaks.
struct IconHandleCount {
    int created = 0;
    int destroyed = 0;
};

// A window's icon in the notification area, owned by that window: at most one, with the window's
// callback message. It owns the icon handle it shows and destroys it when the icon is replaced or
// removed; its destruction removes the icon.
class TrayIcon {
  public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Adds, changes or removes the icon: icon bytes that give no icon (none, or not an icon
    // image) remove it. The tip is cut to its first 62 bytes; without one the tip is empty.
    void Set(HWND window, std::span<const std::uint8_t> bytes, std::optional<std::string_view> tip);

    // Adds the current icon again, for a notification area that was made anew.
    void AddAgain();

    // True while the notification area took the current icon: false with no icon, and when the
    // last add or change failed (no notification area, for one).
    bool Shown() const { return shown_; }
    HICON Handle() const { return icon_.get(); }
    IconHandleCount HandleCount() const { return handleCount_; }

  private:
    UniqueIcon icon_;
    // What the notification area was last given with the current icon, for AddAgain and the
    // removal at the end.
    NOTIFYICONDATAA entry_{};
    bool shown_ = false;
    IconHandleCount handleCount_;
};

} // namespace zbw
