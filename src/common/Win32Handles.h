#pragma once
// Move-only owners of Win32 handles, after the pattern of WIL's resource.h.
#include <windows.h>

#include <utility>

namespace dokkle {

template <typename T, typename Traits>
class unique_any {
  public:
    unique_any() noexcept = default;
    explicit unique_any(T value) noexcept : value_(value) {}
    ~unique_any() { reset(); }

    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;

    T get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }

    T release() noexcept { return std::exchange(value_, Traits::Invalid()); }
    void reset(T value = Traits::Invalid()) noexcept {
        T old = std::exchange(value_, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    // For out-parameters: frees what is held and hands out the slot.
    T* put() noexcept {
        reset();
        return &value_;
    }

  private:
    T value_ = Traits::Invalid();
};

template <typename T, auto CloseFunction>
struct null_handle_traits {
    static constexpr T Invalid() noexcept { return nullptr; }
    static void Close(T value) noexcept { CloseFunction(value); }
};

using unique_hwnd = unique_any<HWND, null_handle_traits<HWND, ::DestroyWindow>>;
using unique_hdc = unique_any<HDC, null_handle_traits<HDC, ::DeleteDC>>;
using unique_hbitmap = unique_any<HBITMAP, null_handle_traits<HBITMAP, ::DeleteObject>>;
using unique_hfont = unique_any<HFONT, null_handle_traits<HFONT, ::DeleteObject>>;
using unique_hbrush = unique_any<HBRUSH, null_handle_traits<HBRUSH, ::DeleteObject>>;
using unique_hpen = unique_any<HPEN, null_handle_traits<HPEN, ::DeleteObject>>;
using unique_hmenu = unique_any<HMENU, null_handle_traits<HMENU, ::DestroyMenu>>;
using unique_handle = unique_any<HANDLE, null_handle_traits<HANDLE, ::CloseHandle>>;

template <auto CloseFunction>
struct invalid_handle_traits {
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE value) noexcept { CloseFunction(value); }
};

using unique_hfile = unique_any<HANDLE, invalid_handle_traits<::CloseHandle>>;
using unique_hfind = unique_any<HANDLE, invalid_handle_traits<::FindClose>>;

// A device context from GetDC, given back to its window with ReleaseDC.
class unique_hdc_window {
  public:
    unique_hdc_window() noexcept = default;
    unique_hdc_window(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
    ~unique_hdc_window() { reset(); }
    unique_hdc_window(unique_hdc_window&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    unique_hdc_window& operator=(unique_hdc_window&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    unique_hdc_window(const unique_hdc_window&) = delete;
    unique_hdc_window& operator=(const unique_hdc_window&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    void reset() noexcept {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

inline unique_hdc_window GetDC(HWND window) noexcept {
    return {window, ::GetDC(window)};
}

// Selects an object into a device context and puts the previous one back when it goes.
class unique_select_object {
  public:
    unique_select_object(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~unique_select_object() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    unique_select_object(const unique_select_object&) = delete;
    unique_select_object& operator=(const unique_select_object&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

template <typename Function>
class scope_exit {
  public:
    explicit scope_exit(Function function) noexcept : function_(std::move(function)) {}
    ~scope_exit() {
        if (armed_) function_();
    }
    void release() noexcept { armed_ = false; }
    scope_exit(const scope_exit&) = delete;
    scope_exit& operator=(const scope_exit&) = delete;

  private:
    Function function_;
    bool armed_ = true;
};

}  // namespace dokkle
