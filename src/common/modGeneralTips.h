#pragma once
// Unit conversion, profile reading, paths, text selection and rectangle arithmetic shared by the forms.
#include <windows.h>

#include <string>

namespace dokkle::modGeneralTips {

float TwipsPerPixelX();
float TwipsPerPixelY();

// Beyond this a value is cut: no setting of the program is anywhere near as long.
constexpr size_t LongestIniValue = 1 << 20;

// One value of a profile file, whole up to LongestIniValue characters; Default when the file, section or
// key is missing.
std::wstring GetIniString(const std::wstring& Section, const std::wstring& Key, const std::wstring& Default,
                          const std::wstring& FileName);

// Writes one value of a profile file; a failure to write is not reported. A value that the system's ANSI
// code page cannot hold first turns the file into UTF-16, which the profile functions keep in full.
void WriteIniString(const std::wstring& Section, const std::wstring& Key, const std::wstring& Value,
                    const std::wstring& FileName);

// The full path of the running executable.
std::wstring ExecutablePath();
// The executable's folder, always ending in a backslash.
std::wstring AppPath();
// The settings file: the executable's base name plus ".ini", beside it.
std::wstring IniFilePath();

// Selects the whole text of an edit control.
void SelectAllText(HWND Target);

inline LONG RectWidth(const RECT& rect) noexcept {
    return rect.right - rect.left;
}
inline LONG RectHeight(const RECT& rect) noexcept {
    return rect.bottom - rect.top;
}
inline POINT MakePoint(LONG x, LONG y) noexcept {
    return POINT{x, y};
}

}  // namespace dokkle::modGeneralTips
