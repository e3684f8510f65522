#include "support/power_recorder.h"

#include "system/power.h"

namespace zbw::test {
namespace {

BOOL WINAPI PlayNtVersion(OSVERSIONINFOA* version) {
    version->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return TRUE;
}
BOOL WINAPI PlayOpenToken(HANDLE, DWORD, HANDLE* token) {
    *token = reinterpret_cast<HANDLE>(0x1234);
    return TRUE;
}
BOOL WINAPI PlayLookup(const char*, const char*, LUID* identifier) {
    *identifier = LUID{19, 0};
    return TRUE;
}
BOOL WINAPI PlayAdjust(HANDLE, BOOL, TOKEN_PRIVILEGES*, DWORD, TOKEN_PRIVILEGES*, DWORD*) {
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
BOOL WINAPI RecordExitWindows(UINT flags, DWORD) {
    PowerRecorder::Requests().push_back(flags);
    return TRUE;
}
BOOL WINAPI PlayClose(HANDLE) {
    return TRUE;
}

constexpr PowerApi kRecordingPower{&PlayNtVersion, &PlayOpenToken,     &PlayLookup,
                                   &PlayAdjust,    &RecordExitWindows, &PlayClose};

PowerApi previousPower{};

} // namespace

PowerRecorder::PowerRecorder() {
    previousPower = SetPowerApi(kRecordingPower);
    Requests().clear();
    // Room made now, so that recording allocates nothing while a test counts the heap.
    Requests().reserve(1024);
}

PowerRecorder::~PowerRecorder() {
    SetPowerApi(previousPower);
}

std::vector<UINT>& PowerRecorder::Requests() {
    static std::vector<UINT> requests;
    return requests;
}

} // namespace zbw::test
