#pragma once

#include "app/event_record.h"

namespace zbw {

class Form;

// The running clock and the trigger that compares it with the set time.
void OnClockTick(Form& window, EventRecord& event);
void OnTriggerTick(Form& window, EventRecord& event);

// Starts the trigger's memory of examined display times afresh, for a new display.
void ForgetExaminedTimes();

} // namespace zbw
