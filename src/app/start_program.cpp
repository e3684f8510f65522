#include "app/start_program.h"

#include "app/fatal_stop.h"
#include "app/frame.h"
#include "core/program_texts.h"
#include "scheduler/selected_command.h"
#include "ui/main_window_definition.h"

namespace zbw {
namespace {

void EndProgram() {}

} // namespace

int StartProgram() {
    const WindowDefinition* const definitions[] = {&MainWindowDefinition()};
    InitFrame(definitions);
    SelectedCommand = 0;
    SetEndRoutine(&EndProgram);
    if (!LoadWindow(MainWindowDefinition())) {
        FatalStop(texts::kLoadStartWindowFailed, 0);
    }
    RunMessageLoop();
    return 0;
}

} // namespace zbw
