#pragma once

#include "ui/control.h"

namespace zbw {

// A single-line text box that scrolls horizontally as the user types.
class EditBox : public SubclassedControl {
  public:
    using SubclassedControl::SubclassedControl;

    bool Create(HWND parent) override;
    HBRUSH PrepareColours(UINT message, HDC dc) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;

  private:
    // One full-width character of the font and the sunken edge above and below it.
    int MinimumHeight();
};

} // namespace zbw
