#pragma once

#include "core/text_value.h"

#include <optional>
#include <string_view>

namespace zbw {

// The hour, minute and second texts joined with a separator that no number contains, so that
// "1", "11", "1" (01:11:01) and "11", "1", "1" (11:01:01) stay different times.
TextValue JoinClockTexts(std::string_view hour, std::string_view minute, std::string_view second);

// The second of the day that three clock texts show, as the display writes them ("9", not "09");
// none for anything else, such as the empty labels before the first tick.
std::optional<int> SecondOfDayShown(std::string_view hour, std::string_view minute,
                                    std::string_view second);

} // namespace zbw
