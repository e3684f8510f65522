#pragma once

#include "core/text_value.h"

#include <string_view>

namespace zbw {

// Lets the user pick a folder, or also a file when includeFiles is true, in the shell's browse
// dialog, which is modal to all of the program's windows while their timers keep running. Returns
// the chosen path, or an absent text when the dialog was cancelled or closed or the chosen item
// has no file-system path.
TextValue BrowseForPath(std::string_view title, bool includeFiles = false);

} // namespace zbw
