#pragma once

#include "app/event_record.h"

namespace zbw {

class Form;

// The set button: checks the input and arms the trigger.
void OnSetClicked(Form& window, EventRecord& event);

} // namespace zbw
