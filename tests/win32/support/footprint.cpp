#include "support/footprint.h"

#include <malloc.h>

#include <windows.h>

#include <psapi.h>

namespace zbw::test {
namespace {

BOOL CALLBACK CountChild(HWND /*window*/, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

} // namespace

// PagefileUsage is the process's commit charge, its private bytes; PrivateUsage repeats it on
// Windows, but Wine leaves that field 0 and fills this one.
std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        return 0;
    }
    return counters.PagefileUsage;
}

Footprint MeasureFootprint() {
    Footprint footprint;
    for (int kind = 0; kind < kHandleKindCount; ++kind) {
        footprint.handles[static_cast<std::size_t>(kind)] =
            LiveHandleCount(static_cast<HandleKind>(kind));
    }
    EnumThreadWindows(GetCurrentThreadId(), CountWithChildren,
                      reinterpret_cast<LPARAM>(&footprint.windows));
    _HEAPINFO entry{};
    while (_heapwalk(&entry) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY) {
            ++footprint.heapBlocks;
            footprint.heapBytes += entry._size;
        }
    }
    footprint.privateBytes = PrivateBytes();
    return footprint;
}

std::string Describe(const Footprint& footprint) {
    static constexpr const char* kKindNames[kHandleKindCount] = {"windows", "fonts", "brushes",
                                                                 "icons", "window classes"};
    std::string text = "owned handles:";
    for (int kind = 0; kind < kHandleKindCount; ++kind) {
        text += " " + std::to_string(footprint.handles[static_cast<std::size_t>(kind)]) + " " +
                kKindNames[kind];
    }
    text += "; thread windows " + std::to_string(footprint.windows);
    text += "; heap " + std::to_string(footprint.heapBlocks) + " blocks, " +
            std::to_string(footprint.heapBytes) + " bytes";
    text += "; private bytes " + std::to_string(footprint.privateBytes);
    return text;
}

} // namespace zbw::test
