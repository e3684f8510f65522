#pragma once

#include "ui/control.h"

namespace zbw {

// An invisible periodic timer. It owns one platform timer (identifier 1000) on a window of its
// own, running while Interval is above 0.
class Timer : public Control {
  public:
    using Control::Control;
    ~Timer() override;

    bool Create(HWND parent) override;
    bool RaisesEvents() const override { return true; }
    void ShowIfVisible() override {}
    std::int32_t ReadInteger(IntegerProperty property) const override;
    void WriteInteger(IntegerProperty property, std::int32_t value) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static constexpr UINT_PTR kTimerId = 1000;

  private:
    void Start();
    void Stop();

    std::int32_t interval_ = 0;
    bool running_ = false;
};

} // namespace zbw
