#include "scheduler/command_selection.h"

namespace zbw {

void OnMainWindowCreated(Form& /*window*/, EventRecord& /*event*/) {}

void OnShutDownChosen(Form& /*window*/, EventRecord& /*event*/) {}

void OnRestartChosen(Form& /*window*/, EventRecord& /*event*/) {}

void OnRunProgramChosen(Form& /*window*/, EventRecord& /*event*/) {}

void OnBrowseClicked(Form& /*window*/, EventRecord& /*event*/) {}

} // namespace zbw
