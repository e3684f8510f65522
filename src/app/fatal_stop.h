#pragma once

#include <cstdint>
#include <string_view>

namespace zbw {

// The one way to end the process on an error that cannot be handled: holds every further event,
// shows the error box ("错误", stop icon, no owner), skips the end routine and exits with -1.
[[noreturn]] void FatalStop(std::string_view message, std::int32_t code);

} // namespace zbw
