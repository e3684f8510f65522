#include "ui/timer.h"

#include "app/event_record.h"
#include "ui/window_classes.h"
#include "ui/window_object.h"

namespace zbw {

Timer::~Timer() {
    Stop();
}

bool Timer::Create(HWND parent) {
    handle_ = CreateWindowExA(0, kTimerClassName, "", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (handle_ == nullptr) {
        return false;
    }
    interval_ = Definition().interval > 0 ? Definition().interval : 0;
    Start();
    return true;
}

std::int32_t Timer::ReadInteger(IntegerProperty property) const {
    switch (property) {
    case IntegerProperty::Interval:
        return interval_;
    case IntegerProperty::Visible:
        return 0;
    default:
        return Control::ReadInteger(property);
    }
}

void Timer::WriteInteger(IntegerProperty property, std::int32_t value) {
    switch (property) {
    case IntegerProperty::Interval: {
        const std::int32_t interval = value > 0 ? value : 0;
        if (interval == interval_) {
            return; // a running timer keeps its period and its phase
        }
        Stop();
        interval_ = interval;
        Start();
        break;
    }
    case IntegerProperty::Visible:
        break; // a timer is never shown
    default:
        Control::WriteInteger(property, value);
        break;
    }
}

void Timer::Start() {
    if (interval_ > 0 && handle_ != nullptr) {
        running_ = SetTimer(handle_, kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
    }
}

void Timer::Stop() {
    if (running_) {
        KillTimer(handle_, kTimerId);
        running_ = false;
    }
}

LRESULT CALLBACK Timer::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* timer = WindowObject<Timer>(window, message, lParam);
    if (timer == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_TIMER: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        if (wParam == kTimerId) {
            timer->Raise(events::kTick);
        }
        return result;
    }
    case WM_DESTROY:
        timer->Stop();
        timer->handle_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace zbw
