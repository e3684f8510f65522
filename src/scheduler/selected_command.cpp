#include "scheduler/selected_command.h"

namespace zbw {

std::int32_t SelectedCommand = 0;

} // namespace zbw
