#include "support/child_process.h"

#include <thread>

namespace zbw::test {
namespace {

struct WindowQuery {
    DWORD processId;
    const std::string& className;
    const std::string& title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId || !IsWindowVisible(window) ||
        (!query.className.empty() && ClassName(window) != query.className) ||
        (!query.title.empty() && WindowText(window) != query.title)) {
        return TRUE;
    }
    query.found = window;
    return FALSE;
}

BOOL CALLBACK CollectStatic(HWND window, LPARAM parameter) {
    if (ClassName(window) == "Static") {
        const std::string text = WindowText(window);
        if (!text.empty()) {
            reinterpret_cast<std::vector<std::string>*>(parameter)->push_back(text);
        }
    }
    return TRUE;
}

} // namespace

ChildProcess::ChildProcess(const std::string& commandLine) {
    std::string mutableLine = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION information{};
    if (CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &information)) {
        CloseHandle(information.hThread);
        process_ = information.hProcess;
        id_ = information.dwProcessId;
    }
}

ChildProcess::~ChildProcess() {
    if (process_ != nullptr) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

DWORD ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr &&
        WaitForSingleObject(process_, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_, &code);
    }
    return code;
}

HWND ChildProcess::WaitForWindow(const std::string& className, const std::string& title,
                                 std::chrono::milliseconds limit) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    do {
        WindowQuery query{id_, className, title};
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr) {
            return query.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

std::string Quoted(const std::string& path) {
    std::string quoted(1, '"');
    quoted.append(path).push_back('"');
    return quoted;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(dialog, &CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

} // namespace zbw::test
