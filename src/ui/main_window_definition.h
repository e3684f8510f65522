#pragma once

#include "ui/window_definition.h"

namespace zbw {

// The program's one window, "钟摆屋", and its controls in definition order.
const WindowDefinition& MainWindowDefinition();

} // namespace zbw
