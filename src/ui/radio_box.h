#pragma once

#include "ui/control.h"

namespace zbw {

// An automatic radio button. All radio buttons of a window form one group: a selection by the user
// clears the others and raises Clicked.
class RadioBox : public SubclassedControl {
  public:
    using SubclassedControl::SubclassedControl;

    bool Create(HWND parent) override;
    bool RaisesEvents() const override { return true; }
    void OnCommand(WORD notification) override;
    HBRUSH PrepareColours(UINT message, HDC dc) override;
    std::int32_t ReadInteger(IntegerProperty property) const override;
    void WriteInteger(IntegerProperty property, std::int32_t value) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;

    bool IsChecked() const;
    // Selects or clears this button alone.
    void SetChecked(bool checked);
    // A selection made by the user through the window's arrow keys: raises Clicked. The window
    // may be gone when this returns.
    void RaiseClicked();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Above 0 while the platform processes a focus change, during which it may send a click
    // notification that is no selection by the user.
    int focusChanges_ = 0;
};

} // namespace zbw
