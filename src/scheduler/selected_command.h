#pragma once

#include <cstdint>

namespace zbw {

// The chosen action: 0 none yet, 1 shut down, 2 restart, 3 run a program. Written only by the
// radio buttons' handlers; read when arming and at every trigger tick.
extern std::int32_t SelectedCommand;

} // namespace zbw
