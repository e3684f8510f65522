#include "app/frame.h"
#include "app/start_program.h"

#include <windows.h>

namespace {

// The frame makes the executable's folder the current directory; keep it, and the folder itself,
// out of the DLL search path so that no DLL planted there is loaded.
void HardenDllSearch() {
    SetDllDirectoryA("");
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(0x00000800); // LOAD_LIBRARY_SEARCH_SYSTEM32
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HardenDllSearch();
    const int result = zbw::StartProgram();
    zbw::ExitFrame(result);
    return 0; // the code of the quit request, which the frame always posts with 0
}
