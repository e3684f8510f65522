#include "system/power.h"

#include <memory>

namespace zbw {
namespace {

PowerApi api = RealPowerApi();

constexpr char kShutdownPrivilegeName[] = "SeShutdownPrivilege";

struct TokenClose {
    void operator()(HANDLE token) const noexcept { api.closeHandle(token); }
};
using UniqueToken = std::unique_ptr<void, TokenClose>;

// Asked on every call: nothing about the platform is kept.
bool IsNtPlatform() {
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    // A failed query leaves the platform id 0, which counts as another platform.
    api.getVersion(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

} // namespace

// GetVersionExA is deprecated, but the platform id is all that it is asked for.
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)
#endif
PowerApi RealPowerApi() {
    return {GetVersionExA,         OpenProcessToken, LookupPrivilegeValueA,
            AdjustTokenPrivileges, ExitWindowsEx,    CloseHandle};
}
#ifdef _MSC_VER
#pragma warning(pop)
#endif

PowerApi SetPowerApi(const PowerApi& replacement) {
    const PowerApi replaced = api;
    api = replacement;
    return replaced;
}

bool EnableShutdownPrivilege() {
    if (!IsNtPlatform()) {
        return true;
    }
    HANDLE token = nullptr;
    if (!api.openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return false;
    }
    const UniqueToken tokenOwner(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Not checked: an identifier left unknown makes the adjustment below fail, which is reported.
    api.lookupPrivilegeValue(nullptr, kShutdownPrivilegeName, &privileges.Privileges[0].Luid);
    api.adjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    // The adjustment succeeds even when the account does not hold the privilege; only the last
    // error (ERROR_NOT_ALL_ASSIGNED) tells.
    const DWORD error = GetLastError();
    return error == ERROR_SUCCESS;
}

bool ShutDownSystem(std::int32_t mode, bool force) {
    // Any other mode would reach the system as a log-off: refused before anything is asked.
    if (mode != kPowerShutDown && mode != kPowerRestart) {
        return false;
    }
    if (!EnableShutdownPrivilege()) {
        return false;
    }
    UINT flags = EWX_REBOOT;
    if (mode == kPowerShutDown) {
        flags = IsNtPlatform() ? EWX_POWEROFF : EWX_SHUTDOWN;
    }
    if (force) {
        flags |= EWX_FORCE;
    }
    return api.exitWindows(flags, 0) != FALSE;
}

} // namespace zbw
