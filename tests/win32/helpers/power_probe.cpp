// Lets a real forced shutdown request through, then waits to be ended by it. It refuses to run in
// any Wine prefix but the one that power_shutdown_test.sh copies for it, which it knows by a guard
// file at the root of drive C.
#include "system/power.h"

#include <cstdio>

#include <windows.h>

namespace {

constexpr int kRefused = 2;      // not in the prefix made for it
constexpr int kNotAccepted = 3;  // ShutDownSystem returned false
constexpr int kStillRunning = 4; // the system did not end the process in time
constexpr DWORD kWaitLimitMs = 30000;

} // namespace

int main() {
    if (GetFileAttributesA("C:\\zbw-power-probe-prefix") == INVALID_FILE_ATTRIBUTES) {
        std::puts("refused: not the power test's own prefix");
        return kRefused;
    }
    const bool accepted = zbw::ShutDownSystem(zbw::kPowerShutDown, true);
    std::printf("%s\n", accepted ? "accepted" : "not accepted");
    std::fflush(stdout);
    if (!accepted) {
        return kNotAccepted;
    }
    // The program goes on running until the system ends it; so does the probe, for a while.
    Sleep(kWaitLimitMs);
    return kStillRunning;
}
