#include "tray/tray_icon.h"

#include "tray/icon_from_bytes.h"

#include <algorithm>
#include <cstddef>

namespace zbw {
namespace {

// The layout of the first shells: a 64-byte tip and no balloon fields, which every shell takes.
constexpr DWORD kEntrySize = NOTIFYICONDATAA_V1_SIZE;
static_assert(kEntrySize == 88);
constexpr std::size_t kLongestTip = 62;
constexpr UINT kShowFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
static_assert(kShowFlags == 7);

NOTIFYICONDATAA EntryFor(HWND window, std::optional<std::string_view> tip) {
    NOTIFYICONDATAA entry{};
    entry.cbSize = kEntrySize;
    entry.hWnd = window;
    entry.uID = kTrayIconIdentifier;
    if (tip) {
        std::copy_n(tip->data(), std::min(tip->size(), kLongestTip), entry.szTip);
    }
    return entry;
}

NOTIFYICONDATAA WithIcon(NOTIFYICONDATAA entry, HICON icon) {
    entry.uFlags = kShowFlags;
    entry.uCallbackMessage = kTrayCallbackMessage;
    entry.hIcon = icon;
    return entry;
}

UniqueIcon IconForTray(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {};
    }
    UniqueIcon icon = IconFromBytes(bytes, 16);
    if (!icon) {
        icon = IconFromBytes(bytes, 32);
    }
    return icon;
}

} // namespace

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

TrayIcon::~TrayIcon() {
    if (icon_) {
        // The window may be gone already; the shell then has dropped the icon itself.
        NOTIFYICONDATAA removal = EntryFor(entry_.hWnd, std::nullopt);
        Shell_NotifyIconA(NIM_DELETE, &removal);
    }
}

void TrayIcon::Set(HWND window, std::span<const std::uint8_t> bytes,
                   std::optional<std::string_view> tip) {
    UniqueIcon next = IconForTray(bytes);
    if (next) {
        ++handleCount_.created;
    }
    NOTIFYICONDATAA entry = EntryFor(window, tip);
    if (next) {
        entry = WithIcon(entry, next.get());
        shown_ = Shell_NotifyIconA(icon_ ? NIM_MODIFY : NIM_ADD, &entry) != FALSE;
    } else {
        if (icon_) {
            Shell_NotifyIconA(NIM_DELETE, &entry);
        }
        shown_ = false;
    }
    if (icon_) {
        ++handleCount_.destroyed;
    }
    // The old handle goes only now, after the shell has let go of it.
    icon_ = std::move(next);
    entry_ = entry;
}

void TrayIcon::AddAgain() {
    if (icon_) {
        shown_ = Shell_NotifyIconA(NIM_ADD, &entry_) != FALSE;
    }
}

} // namespace zbw
