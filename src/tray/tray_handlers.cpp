#include "tray/tray_handlers.h"

namespace zbw {

void OnMainWindowPositionChanged(Form& /*window*/, EventRecord& /*event*/) {}

void OnTrayEvent(Form& /*window*/, EventRecord& /*event*/) {}

void OnMainWindowDestroyed(Form& /*window*/, EventRecord& /*event*/) {}

} // namespace zbw
