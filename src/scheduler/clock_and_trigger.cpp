#include "scheduler/clock_and_trigger.h"

namespace zbw {

void OnClockTick(Form& /*window*/, EventRecord& /*event*/) {}

void OnTriggerTick(Form& /*window*/, EventRecord& /*event*/) {}

} // namespace zbw
