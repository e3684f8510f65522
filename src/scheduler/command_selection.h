#pragma once

#include "app/event_record.h"

namespace zbw {

class Form;

// The main window's opening and the choice of the action: the radio buttons and the browse
// button.
void OnMainWindowCreated(Form& window, EventRecord& event);
void OnShutDownChosen(Form& window, EventRecord& event);
void OnRestartChosen(Form& window, EventRecord& event);
void OnRunProgramChosen(Form& window, EventRecord& event);
void OnBrowseClicked(Form& window, EventRecord& event);

} // namespace zbw
