#pragma once

#include <cstdint>
#include <utility>

#include <windows.h>

namespace zbw {

// The kinds of platform handle the program's owners hold.
enum class HandleKind { Window, Font, Brush, Icon, WindowClass };
inline constexpr int kHandleKindCount = 5;

// How many handles of each kind the owners below hold at this moment. The platform's own count
// (GetGuiResources) is not available everywhere the program is tested, so the owners keep this
// one: an increment when an owner takes a handle, a decrement when it lets go. The program itself
// never reads it.
inline std::int32_t liveHandleCounts[kHandleKindCount] = {};

inline std::int32_t LiveHandleCount(HandleKind kind) {
    return liveHandleCounts[static_cast<int>(kind)];
}

// A move-only owner of one platform handle, closed by Closer when the owner lets go of it; shaped
// like std::unique_ptr (get, reset, release) and counted in liveHandleCounts. Shared handles (stock
// objects, system icons) are never wrapped.
template <typename Handle, typename Closer, HandleKind Kind> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) { Count(+1); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

    // Closes the handle held, if any, and takes the new one.
    void reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr) {
            Closer{}(handle_);
            Count(-1);
        }
        handle_ = handle;
        Count(+1);
    }

    // Lets go of the handle without closing it: for a handle that the platform already closed.
    Handle release() noexcept {
        Count(-1);
        return std::exchange(handle_, nullptr);
    }

  private:
    void Count(std::int32_t change) noexcept {
        if (handle_ != nullptr) {
            liveHandleCounts[static_cast<int>(Kind)] += change;
        }
    }

    Handle handle_ = nullptr;
};

struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<HWND, WindowDestroyer, HandleKind::Window>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter, HandleKind::Font>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter, HandleKind::Brush>;

struct IconDestroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<HICON, IconDestroyer, HandleKind::Icon>;

// A window class registered for the life of the owner.
class WindowClassRegistration {
  public:
    WindowClassRegistration() = default;
    explicit WindowClassRegistration(const WNDCLASSEXA& windowClass)
        : atom_(RegisterClassExA(&windowClass)), instance_(windowClass.hInstance) {
        if (atom_ != 0) {
            ++liveHandleCounts[static_cast<int>(HandleKind::WindowClass)];
        }
    }
    WindowClassRegistration(WindowClassRegistration&& other) noexcept
        : atom_(std::exchange(other.atom_, ATOM{})), instance_(other.instance_) {}
    WindowClassRegistration& operator=(WindowClassRegistration&& other) noexcept {
        if (this != &other) {
            Unregister();
            atom_ = std::exchange(other.atom_, ATOM{});
            instance_ = other.instance_;
        }
        return *this;
    }
    WindowClassRegistration(const WindowClassRegistration&) = delete;
    WindowClassRegistration& operator=(const WindowClassRegistration&) = delete;
    ~WindowClassRegistration() { Unregister(); }

    bool Registered() const { return atom_ != 0; }

  private:
    void Unregister() noexcept {
        if (atom_ != 0) {
            UnregisterClassA(MAKEINTATOM(atom_), instance_);
            --liveHandleCounts[static_cast<int>(HandleKind::WindowClass)];
        }
    }
    ATOM atom_{};
    HINSTANCE instance_{};
};

} // namespace zbw
