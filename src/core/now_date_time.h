#pragma once

#include "core/date_time.h"

#include <windows.h>

namespace zbw {

// The local wall clock to the whole second: milliseconds are dropped, never rounded up.
DateTime NowDateTime();

// The clock seam: tests replace GetLocalTime to drive the program's time; nullptr restores it.
using LocalTimeReader = void(WINAPI*)(LPSYSTEMTIME);
void SetLocalTimeReader(LocalTimeReader reader);

} // namespace zbw
