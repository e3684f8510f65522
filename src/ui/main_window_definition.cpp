#include "ui/main_window_definition.h"

#include "core/program_texts.h"

namespace zbw {
namespace {

constexpr ControlDefinition kControls[] = {
    {.kind = ControlKind::Timer,
     .name = "时钟1",
     .left = 336,
     .top = 24,
     .width = 26,
     .height = 26,
     .visible = false,
     .interval = 1000},
    {.kind = ControlKind::Label,
     .name = "标签1",
     .left = 70,
     .top = 12,
     .width = 56,
     .height = 24,
     .text = texts::kNowTimeLabel},
};

constexpr WindowDefinition kMainWindow{
    .window = {.kind = ControlKind::Window,
               .left = 50,
               .top = 50,
               .width = 380,
               .height = 250,
               .text = texts::kProgramTitle,
               .windowState = 1},
    .controls = kControls,
};

} // namespace

const WindowDefinition& MainWindowDefinition() {
    return kMainWindow;
}

} // namespace zbw
