#pragma once

#include "ui/handles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zbw::test {

// What the running test program holds at one moment. GetGuiResources answers 0 under Wine, so the
// handles are the program's own count (handles.h); the windows are counted by the system, the heap
// is walked, and the private bytes are the system's figure (GetProcessMemoryInfo).
struct Footprint {
    std::array<std::int32_t, kHandleKindCount> handles{};
    int windows = 0;            // of this thread: top-level ones and their children
    std::size_t heapBlocks = 0; // live blocks of the C runtime's heap, where texts and objects live
    std::size_t heapBytes = 0;
    std::size_t privateBytes = 0;
};

Footprint MeasureFootprint();
std::size_t PrivateBytes();
std::string Describe(const Footprint& footprint);

} // namespace zbw::test
