#pragma once

#include "ui/control.h"

namespace zbw {

// Static text painted by the program itself. The caption is also the window text, so that screen
// readers read it as they read the platform's own controls; the label keeps a copy of its own,
// which every WM_SETTEXT renews, so that reading and painting it ask the platform nothing.
class Label : public Control {
  public:
    using Control::Control;

    bool Create(HWND parent) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

  private:
    void Paint();

    TextValue caption_;
};

} // namespace zbw
