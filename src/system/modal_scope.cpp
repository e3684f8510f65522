#include "system/modal_scope.h"

#include "app/frame.h"
#include "ui/form.h"

namespace zbw {

ModalScope::ModalScope() {
    savedActive_ = GetActiveWindow();
    if (!IsWindow(savedActive_)) {
        savedActive_ = nullptr;
    }
    savedForeground_ = GetForegroundWindow();
    for (const Form* form : LoadedWindows()) {
        const HWND handle = form->Handle();
        if (handle == nullptr || !IsWindow(handle) || GetParent(handle) != nullptr) {
            continue;
        }
        disabled_.push_back({handle, IsWindowEnabled(handle) != FALSE});
        EnableWindow(handle, FALSE);
    }
}

ModalScope::~ModalScope() {
    for (const DisabledWindow& window : disabled_) {
        EnableWindow(window.handle, window.wasEnabled ? TRUE : FALSE);
    }
    if (savedForeground_ != nullptr && IsWindow(savedForeground_)) {
        SetForegroundWindow(savedForeground_);
    }
    if (savedActive_ != nullptr && IsWindow(savedActive_)) {
        SetActiveWindow(savedActive_);
    }
}

} // namespace zbw
