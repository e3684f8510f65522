#pragma once

#include "ui/control.h"

namespace zbw {

// A drop-down list: the user picks one of the definition's entries and cannot type.
class ComboBox : public SubclassedControl {
  public:
    using SubclassedControl::SubclassedControl;

    // The height a drop-down box is created with at least, its opened list included.
    static constexpr int kMinimumDroppedHeight = 160;

    bool Create(HWND parent) override;
    HBRUSH PrepareColours(UINT message, HDC dc) override;
    std::int32_t ReadInteger(IntegerProperty property) const override;
    void WriteInteger(IntegerProperty property, std::int32_t value) override;
    TextValue ReadText(TextProperty property) const override;
    void SelectEntryByText(std::string_view text) override;

  private:
    std::int32_t EntryCount() const;
    TextValue EntryText(std::int32_t index) const;
    // Beyond the last index selects the last entry; below 0 clears the selection.
    void Select(std::int32_t index);
};

} // namespace zbw
