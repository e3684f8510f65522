#include "tray/set_tray_icon.h"

#include "app/fatal_stop.h"
#include "app/frame.h"
#include "core/program_texts.h"
#include "ui/form.h"

namespace zbw {

void SetTrayIcon(Form& window, std::span<const std::uint8_t> bytes,
                 std::optional<std::string_view> tip) {
    const HWND handle = window.Handle();
    if (FindLoadedWindow(handle) != &window || !IsWindow(handle)) {
        FatalStop(texts::kWindowMissingOrNotLoaded, 0);
    }
    window.Tray().Set(handle, bytes, tip);
}

bool TrayIconShown(const Form& window) {
    return window.Tray().Shown();
}

} // namespace zbw
