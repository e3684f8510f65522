#pragma once

#include "core/list.h"

#include <windows.h>

namespace zbw {

// Makes a dialog modal to all of the program's top-level windows for its lifetime: disables each
// of them, and afterwards gives each its former enabled state back, in the order of disabling,
// then returns the foreground and the activation to the windows that had them.
class ModalScope {
  public:
    ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope();

    // The active window when the scope opened, or null: the owner for the dialog.
    HWND Owner() const { return savedActive_; }

  private:
    struct DisabledWindow {
        HWND handle;
        bool wasEnabled;
    };

    HWND savedActive_ = nullptr;
    HWND savedForeground_ = nullptr;
    List<DisabledWindow> disabled_;
};

} // namespace zbw
