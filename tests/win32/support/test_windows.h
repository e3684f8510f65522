#pragma once

#include "ui/window_definition.h"

namespace zbw::test {

// A top-level window of the program whose timer ticks every 10 ms; each Tick is counted.
const WindowDefinition& TickingWindowDefinition();
int TickCount();

// A second top-level window of the program, with no controls.
const WindowDefinition& PlainWindowDefinition();

} // namespace zbw::test
