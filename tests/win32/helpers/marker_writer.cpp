// A stand-in program for the launch tests. The shell passes it nothing, so it appends one line to
// marker.txt in its own folder, where the test looks for it.
#include <string>

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string marker(path, length);
    marker.erase(marker.rfind('\\') + 1);
    marker += "marker.txt";
    const HANDLE file = CreateFileA(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    constexpr char kLine[] = "started\r\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(file, kLine, sizeof kLine - 1, &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
