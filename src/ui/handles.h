#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include <windows.h>

namespace zbw {

// Move-only owners of the platform handles the program creates. Shared handles (stock objects,
// system icons) are never wrapped.
struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct FontDeleter {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct BrushDeleter {
    void operator()(HBRUSH brush) const noexcept { DeleteObject(brush); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

struct IconDestroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// A window class registered for the life of the owner.
class WindowClassRegistration {
  public:
    WindowClassRegistration() = default;
    explicit WindowClassRegistration(const WNDCLASSEXA& windowClass)
        : atom_(RegisterClassExA(&windowClass)), instance_(windowClass.hInstance) {}
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
        }
    }
    ATOM atom_{};
    HINSTANCE instance_{};
};

} // namespace zbw
