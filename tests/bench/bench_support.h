#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <windows.h>

namespace zbw::bench {

// Seconds on the performance counter, for spans.
double Now();

// The middle value (the mean of the two middle ones for an even count).
double Median(std::vector<double> values);

// A program started by a benchmark; ended by force if still running when the object goes.
class Program {
  public:
    explicit Program(const std::string& path);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    bool Started() const { return process_.hProcess != nullptr; }
    HANDLE Process() const { return process_.hProcess; }
    // Polls until a visible top-level window of the program is shown and it and every visible
    // child have been painted (no update region is left); that window, or null after the limit.
    HWND WaitUntilPainted(double limitSeconds) const;
    // Asks the window to close and waits for the exit code (STILL_ACTIVE after the limit).
    DWORD Close(HWND window, double limitSeconds);

  private:
    PROCESS_INFORMATION process_{};
};

// The program's commit charge: PagefileUsage, which Wine fills (PrivateUsage it leaves 0).
std::size_t PrivateBytesOf(HANDLE process);

// CPU time of the calling thread in seconds, user and kernel together (10 ms steps under Wine).
double ThreadCpuSeconds();

} // namespace zbw::bench
