#pragma once

#include "core/byte_string.h"
#include "core/text_value.h"

#include <cstdint>
#include <string_view>

namespace zbw {

class Control;

// Integer and bool properties; a bool reads exactly 1 or 0 and every written value other than 0
// counts as 1.
enum class IntegerProperty { Visible, Disabled, WindowState, Checked, SelectedIndex, Interval };
enum class TextProperty { Title, Caption, Text };
enum class ByteStringProperty { Icon };

// Reads never change what a control shows; a text comes back as a fresh copy the caller owns.
std::int32_t ReadProperty(const Control& control, IntegerProperty property);
TextValue ReadProperty(const Control& control, TextProperty property);
ByteString ReadProperty(const Control& control, ByteStringProperty property);

// A write takes effect before it returns; events the platform sends meanwhile are raised inside
// it. Out-of-range values are brought into range, never refused.
void WriteProperty(Control& control, IntegerProperty property, std::int32_t value);
void WriteProperty(Control& control, TextProperty property, std::string_view text);

// Selects a combo box's first entry whose text equals the given one byte for byte, exactly as
// writing its index to SelectedIndex; nothing changes when no entry matches.
void SelectEntryByText(Control& control, std::string_view text);

} // namespace zbw
