#include "ui/window_classes.h"

#include "ui/form.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/timer.h"

#include <array>

namespace zbw {
namespace {

std::array<WindowClassRegistration, 3> registrations;

WNDCLASSEXA ClassOf(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return windowClass;
}

} // namespace

bool RegisterWindowClasses() {
    const auto buttonFace = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    registrations = {
        WindowClassRegistration(ClassOf(kFormClassName, Form::WindowProcedure, buttonFace)),
        WindowClassRegistration(ClassOf(kLabelClassName, Label::WindowProcedure, nullptr)),
        WindowClassRegistration(ClassOf(kTimerClassName, Timer::WindowProcedure, nullptr)),
    };
    for (const auto& registration : registrations) {
        if (!registration.Registered()) {
            return false;
        }
    }
    return true;
}

void UnregisterWindowClasses() {
    registrations = {};
}

} // namespace zbw
