#include "common/NoticeTexts.h"

#include "common/Catalogue.h"

namespace dokkle::NoticeTexts {
namespace {

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::wstring Quoted(std::wstring_view value) {
    if (value.size() <= LongestQuote) return std::wstring(value);
    size_t kept = LongestQuote;
    if (IsHighSurrogate(value[kept - 1])) --kept;
    return std::wstring(value.substr(0, kept)) + L"\u2026";
}

std::wstring HotkeyInUse(std::wstring_view combination) {
    return Format(TextName::HotkeyInUse, {combination});
}

std::wstring HotkeySwitchedOff() {
    return Text(TextName::HotkeySwitchedOff);
}

std::wstring HotkeySettingUnreadable(std::wstring_view value) {
    return Format(TextName::HotkeySettingUnreadable, {Quoted(value)});
}

std::wstring HotkeyHeldElsewhere(std::wstring_view combination) {
    return Format(TextName::HotkeyHeldElsewhere, {Quoted(combination)});
}

std::wstring RunningCopyDidNotAnswer() {
    return Text(TextName::RunningCopyDidNotAnswer);
}

}  // namespace dokkle::NoticeTexts
