#include "support/notification_area.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <type_traits>

namespace zbw::test {
namespace {

HWND Taskbar() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Memory inside another process, for the tooltip messages whose arguments point at memory that
// the tooltip's own process reads and writes.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(static_cast<std::uint8_t*>(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }

    std::uint8_t* Address(SIZE_T offset = 0) const { return address_ + offset; }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
        return WriteProcessMemory(process_, address_ + offset, data, size, nullptr) != FALSE;
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        return ReadProcessMemory(process_, address_ + offset, data, size, nullptr) != FALSE;
    }

  private:
    HANDLE process_;
    std::uint8_t* address_;
};

// A tooltip's tool description as a process of the other width lays it out: Wine's desktop
// runs a 64-bit explorer under our 32-bit tests.
template <typename Pointer> struct ToolInfo {
    UINT cbSize;
    UINT uFlags;
    Pointer hwnd;
    Pointer uId;
    RECT rect;
    Pointer hinst;
    Pointer lpszText;
    Pointer lParam;
    Pointer lpReserved;
};

template <typename Pointer>
bool ReadTool(HWND tooltip, const RemoteMemory& memory, NotificationIcon& icon) {
    constexpr SIZE_T kTextOffset = 512;
    constexpr int kTextLength = 512;
    ToolInfo<Pointer> tool{};
    tool.cbSize = sizeof tool;
    if (!memory.Write(0, &tool, sizeof tool) ||
        !SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(memory.Address())) ||
        !memory.Read(0, &tool, sizeof tool)) {
        return false;
    }
    icon.place = tool.rect;
    tool.lpszText = static_cast<Pointer>(reinterpret_cast<UINT_PTR>(memory.Address(kTextOffset)));
    const wchar_t none = 0;
    memory.Write(kTextOffset, &none, sizeof none);
    memory.Write(0, &tool, sizeof tool);
    SendMessageW(tooltip, TTM_GETTEXTW, kTextLength, reinterpret_cast<LPARAM>(memory.Address()));
    wchar_t text[kTextLength + 1] = {};
    memory.Read(kTextOffset, text, kTextLength * sizeof(wchar_t));
    char ansi[2 * kTextLength + 1] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    icon.tip = ansi;
    return true;
}

struct TooltipSearch {
    HWND taskbar;
    std::vector<HWND> tooltips;
};

BOOL CALLBACK CollectTooltip(HWND window, LPARAM search) {
    auto& found = *reinterpret_cast<TooltipSearch*>(search);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 &&
        GetWindow(window, GW_OWNER) == found.taskbar) {
        found.tooltips.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<NotificationIcon> NotificationIconsWithTip(std::string_view tip) {
    std::vector<NotificationIcon> icons;
    TooltipSearch search{Taskbar(), {}};
    DWORD processId = 0;
    if (search.taskbar == nullptr || !GetWindowThreadProcessId(search.taskbar, &processId)) {
        return icons;
    }
    const UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ |
                                               PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
                                           FALSE, processId));
    if (!process) {
        return icons;
    }
    const RemoteMemory memory(process.get(), 4096);
    BOOL ours = FALSE;
    BOOL theirs = FALSE;
    IsWow64Process(GetCurrentProcess(), &ours);
    IsWow64Process(process.get(), &theirs);
    const bool wide = sizeof(void*) == 8 || (ours && !theirs);

    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&search));
    for (HWND tooltip : search.tooltips) {
        NotificationIcon icon;
        const bool read = wide ? ReadTool<std::uint64_t>(tooltip, memory, icon)
                               : ReadTool<std::uint32_t>(tooltip, memory, icon);
        if (read && !IsRectEmpty(&icon.place) && icon.tip == tip) {
            icons.push_back(icon);
        }
    }
    return icons;
}

void ActOnNotificationIcon(const NotificationIcon& icon, UINT mouseMessage) {
    const int x = (icon.place.left + icon.place.right) / 2;
    const int y = (icon.place.top + icon.place.bottom) / 2;
    PostMessageA(Taskbar(), mouseMessage, 0, MAKELPARAM(x, y));
}

COLORREF NotificationIconPixel(const NotificationIcon& icon, int x, int y) {
    const int side = GetSystemMetrics(SM_CXSMICON);
    POINT point{(icon.place.left + icon.place.right - side) / 2 + x,
                (icon.place.top + icon.place.bottom - side) / 2 + y};
    ClientToScreen(Taskbar(), &point);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

} // namespace zbw::test
