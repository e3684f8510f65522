#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <windows.h>

namespace zbw::test {

// A program started by a test, ended by force if the test leaves it running.
class ChildProcess {
  public:
    explicit ChildProcess(const std::string& commandLine);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // The exit code once the process has ended within the limit, else STILL_ACTIVE.
    DWORD WaitForExit(std::chrono::milliseconds limit = std::chrono::seconds(10));
    // A visible top-level window of the process with this class (empty: any) and title (empty:
    // any), waited for up to the limit; null if none came.
    HWND WaitForWindow(const std::string& className, const std::string& title,
                       std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The folder of the running test program, ending in a backslash; test helpers are built there.
std::string TestProgramFolder();

// The path in double quotes, for a command line.
std::string Quoted(const std::string& path);

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The texts of a dialog's static controls, in z-order; a message box's text is among them.
std::vector<std::string> StaticTexts(HWND dialog);

} // namespace zbw::test
