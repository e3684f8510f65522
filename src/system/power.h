#pragma once

#include <cstdint>

#include <windows.h>

namespace zbw {

// The platform calls behind the power actions. The program runs the real ones; a test puts
// recorders in their place, so that it can play any platform and any failure without shutting
// anything down.
struct PowerApi {
    BOOL(WINAPI* getVersion)(OSVERSIONINFOA* version);
    BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, HANDLE* token);
    BOOL(WINAPI* lookupPrivilegeValue)(const char* system, const char* name, LUID* identifier);
    BOOL(WINAPI* adjustTokenPrivileges)
    (HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* newState, DWORD previousStateLength,
     TOKEN_PRIVILEGES* previousState, DWORD* returnLength);
    BOOL(WINAPI* exitWindows)(UINT flags, DWORD reason);
    BOOL(WINAPI* closeHandle)(HANDLE handle);
};

PowerApi RealPowerApi();
// Puts these calls behind every later power action; returns the ones they replace.
PowerApi SetPowerApi(const PowerApi& api);

inline constexpr std::int32_t kPowerShutDown = 1;
inline constexpr std::int32_t kPowerRestart = 2;

// Asks the system to shut down (mode 1; with power-off on the NT platform) or to restart (mode 2),
// closing running applications unasked when force is true. True when the system accepted the
// request; it does not wait for the request to be carried out. Nothing is asked for without the
// shutdown privilege, nor for any other mode.
bool ShutDownSystem(std::int32_t mode, bool force);

// Enables the shutdown privilege in the process token; true at once on a platform without
// privileges. It stays enabled for the rest of the process's life.
bool EnableShutdownPrivilege();

} // namespace zbw
