#pragma once

#include "app/event_record.h"

namespace zbw {

class Form;

// Minimising into the notification area and restoring from it.
void OnMainWindowPositionChanged(Form& window, EventRecord& event);
void OnTrayEvent(Form& window, EventRecord& event);
void OnMainWindowDestroyed(Form& window, EventRecord& event);

} // namespace zbw
