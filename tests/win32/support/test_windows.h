#pragma once

#include "ui/window_definition.h"

#include <windows.h>

namespace zbw::test {

// A top-level window of the program whose timer ticks every 10 ms; each Tick is counted.
const WindowDefinition& TickingWindowDefinition();
int TickCount();

// A second top-level window of the program, with no controls.
const WindowDefinition& PlainWindowDefinition();

// A window loaded through the frame, as the program loads its own, and destroyed at the end of
// the scope unless something destroyed it before.
class LoadedTestWindow {
  public:
    explicit LoadedTestWindow(const WindowDefinition& definition);
    LoadedTestWindow(const LoadedTestWindow&) = delete;
    LoadedTestWindow& operator=(const LoadedTestWindow&) = delete;
    ~LoadedTestWindow();

    HWND Handle() const { return handle_; }

  private:
    HWND handle_ = nullptr;
};

} // namespace zbw::test
