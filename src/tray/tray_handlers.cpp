#include "tray/tray_handlers.h"

#include "core/byte_string.h"
#include "core/program_texts.h"
#include "tray/set_tray_icon.h"
#include "ui/form.h"
#include "ui/properties.h"

#include <cstdint>
#include <optional>

namespace zbw {
namespace {

void RemoveTrayIcon(Form& window) {
    SetTrayIcon(window, {}, std::nullopt);
}

} // namespace

void OnMainWindowPositionChanged(Form& window, EventRecord& /*event*/) {
    // A move, a restore and the announcement at loading all read 0 here.
    if (ReadProperty(window, IntegerProperty::WindowState) != 2) {
        return;
    }
    // The icon goes in first and the window hides only once the notification area has taken it:
    // hidden without an icon, the window would have no way back.
    const ByteString icon = ReadProperty(window, ByteStringProperty::Icon);
    SetTrayIcon(window, icon.Bytes(), texts::kProgramTitle); // the tip is the title
    if (TrayIconShown(window)) {
        WriteProperty(window, IntegerProperty::Visible, 0);
    } else {
        // The window stays minimised on the taskbar, and an icon the notification area refused is
        // not kept for a later change that could never show it.
        RemoveTrayIcon(window);
    }
}

void OnTrayEvent(Form& window, EventRecord& event) {
    const std::int32_t kind = event.argumentCount > 0 ? event.arguments[0] : 0;
    if (kind < 1 || kind > 3) {
        return;
    }
    // Shown first: a hidden window only records a new state, so restoring first would leave it
    // minimised. The restore raises PositionChanged in here, which reads 0 and does nothing.
    WriteProperty(window, IntegerProperty::Visible, 1);
    WriteProperty(window, IntegerProperty::WindowState, 0);
    RemoveTrayIcon(window);
}

void OnMainWindowDestroyed(Form& window, EventRecord& /*event*/) {
    RemoveTrayIcon(window);
}

} // namespace zbw
