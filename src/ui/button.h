#pragma once

#include "ui/control.h"

namespace zbw {

// An ordinary push button; its caption may break into several lines.
class Button : public SubclassedControl {
  public:
    using SubclassedControl::SubclassedControl;

    bool Create(HWND parent) override;
    bool RaisesEvents() const override { return true; }
    void OnCommand(WORD notification) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;
};

} // namespace zbw
