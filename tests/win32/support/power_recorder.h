#pragma once

#include <vector>

#include <windows.h>

namespace zbw::test {

// Power requests recorded instead of made, for the life of the recorder: the platform plays NT
// with the shutdown privilege granted, and each ExitWindowsEx request is kept with its flags.
class PowerRecorder {
  public:
    PowerRecorder();
    PowerRecorder(const PowerRecorder&) = delete;
    PowerRecorder& operator=(const PowerRecorder&) = delete;
    ~PowerRecorder();

    // The flags of each request since the recorder began or was last cleared, in order.
    static std::vector<UINT>& Requests();
};

} // namespace zbw::test
