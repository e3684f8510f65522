#pragma once

#include "core/text_value.h"

#include <cstdint>
#include <string_view>

namespace zbw {

class Control;

// Integer and bool properties; a bool reads exactly 1 or 0 and every written value other than 0
// counts as 1.
enum class IntegerProperty { Visible, Disabled, WindowState, Checked, SelectedIndex, Interval };
enum class TextProperty { Title, Caption, Text };

// Reads never change what a control shows; a text comes back as a fresh copy the caller owns.
std::int32_t ReadProperty(const Control& control, IntegerProperty property);
TextValue ReadProperty(const Control& control, TextProperty property);

// A write takes effect before it returns; events the platform sends meanwhile are raised inside
// it. Out-of-range values are brought into range, never refused.
void WriteProperty(Control& control, IntegerProperty property, std::int32_t value);
void WriteProperty(Control& control, TextProperty property, std::string_view text);

} // namespace zbw
