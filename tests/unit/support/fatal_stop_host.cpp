// The host build has no window system: a fatal stop prints its message and ends the process with
// the program's fatal exit code, which death tests observe.
#include "app/fatal_stop.h"

#include <cstdio>
#include <cstdlib>

namespace zbw {

void FatalStop(std::string_view message, std::int32_t code) {
    std::fprintf(stderr, "FatalStop(%d): %.*s\n", static_cast<int>(code),
                 static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
    std::_Exit(255);
}

} // namespace zbw
