#pragma once
// Every line the version box adds about this run (the hotkey, and what went wrong), made from the
// catalogue's texts.
#include <string>
#include <string_view>

namespace dokkle::NoticeTexts {

// How much of a value a notice quotes: enough to recognise it, little enough that the box fits the screen.
inline constexpr size_t LongestQuote = 40;

// The value as a notice quotes it: whole up to LongestQuote characters, else its first characters and an
// ellipsis, never cutting a character that takes two code units in half.
std::wstring Quoted(std::wstring_view value);

// The hotkey in use.
std::wstring HotkeyInUse(std::wstring_view combination);
// The settings file switches the hotkey off.
std::wstring HotkeySwitchedOff();
// The hotkey's setting cannot be read as a combination.
std::wstring HotkeySettingUnreadable(std::wstring_view value);
// Another program holds the combination.
std::wstring HotkeyHeldElsewhere(std::wstring_view combination);
// The running copy did not answer this launch, which then went on as a copy of its own.
std::wstring RunningCopyDidNotAnswer();

}  // namespace dokkle::NoticeTexts
