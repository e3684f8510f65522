#include "bench_support.h"

#include <algorithm>

#include <psapi.h>

namespace zbw::bench {
namespace {

// Often enough to see the paint within a few milliseconds, seldom enough to leave the program and
// the Wine server the processor.
constexpr DWORD kPollMilliseconds = 2;

struct MainWindowQuery {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<MainWindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query.processId && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        query.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM unpainted) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(unpainted) = true;
        return FALSE;
    }
    return TRUE;
}

bool Painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    bool unpainted = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

double FileTimeSeconds(const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           1e7;
}

} // namespace

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Program::Program(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        process_ = {};
    }
}

Program::~Program() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND Program::WaitUntilPainted(double limitSeconds) const {
    const double deadline = Now() + limitSeconds;
    while (Now() < deadline) {
        MainWindowQuery query{process_.dwProcessId, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr && Painted(query.found)) {
            return query.found;
        }
        Sleep(kPollMilliseconds);
    }
    return nullptr;
}

DWORD Program::Close(HWND window, double limitSeconds) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limitSeconds * 1000));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::size_t PrivateBytesOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PagefileUsage : 0;
}

double ThreadCpuSeconds() {
    FILETIME created;
    FILETIME ended;
    FILETIME kernel;
    FILETIME user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

} // namespace zbw::bench
