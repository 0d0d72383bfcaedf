#pragma once
// The key combination of the pin-the-active-window hotkey, as a user writes it in the settings file:
// modifiers and one key joined by "+" ("Ctrl+Alt+P", "Ctrl+Shift+F12"), or "none" to switch it off.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dokkle {

// The window system's modifier flags and virtual-key codes.
namespace HotkeyModifier {
inline constexpr uint32_t Alt = 0x0001;
inline constexpr uint32_t Control = 0x0002;
inline constexpr uint32_t Shift = 0x0004;
inline constexpr uint32_t Windows = 0x0008;
}  // namespace HotkeyModifier

struct HotkeyCombination {
    uint32_t modifiers = 0;
    uint32_t virtualKey = 0;
    friend bool operator==(const HotkeyCombination&, const HotkeyCombination&) = default;
};

inline constexpr std::wstring_view DefaultHotkeyText = L"Ctrl+Alt+P";

struct HotkeySetting {
    bool switchedOff = false;                      // "none"
    std::optional<HotkeyCombination> combination;  // empty when the text cannot be read
};

// Names and modifiers compare without regard to case and blanks around them. A combination needs Ctrl,
// Alt or Win, so that it never takes a key from ordinary typing; each modifier at most once; one key:
// a letter, a digit, F1 to F24, or one of the named keys (Space, Insert, Delete, Home, End, PageUp,
// PageDown, Pause, Left, Right, Up, Down).
HotkeySetting ReadHotkeySetting(std::wstring_view text);

// The combination as ReadHotkeySetting reads it back, in the usual order ("Ctrl+Alt+Shift+Win+Key").
std::wstring FormatHotkey(const HotkeyCombination& combination);

}  // namespace dokkle
