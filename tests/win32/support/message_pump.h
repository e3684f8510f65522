#pragma once

#include <chrono>
#include <functional>

namespace zbw::test {

// Dispatches the messages of this thread through the frame's keyboard handling, as the program's
// loop does, until none waits.
void PumpMessages();

// Pumps until the condition holds or the time is up; true when it held. Polls, never just sleeps.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(5));

// Pumps for a while, for tests that show something does NOT happen.
void PumpFor(std::chrono::milliseconds duration);

} // namespace zbw::test
