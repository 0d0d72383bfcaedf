#include "common/NoticeTexts.h"

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
    return std::wstring(value.substr(0, kept)) + L"…";
}

std::wstring HotkeySettingUnreadable(std::wstring_view value) {
    return L"ホットキーの設定「" + Quoted(value) + L"」は読めないため、ホットキーは使えません。";
}

std::wstring HotkeyHeldElsewhere(std::wstring_view combination) {
    return L"ホットキー「" + Quoted(combination) +
           L"」は他のプログラムが使っているため、ホットキーは使えません。";
}

std::wstring RunningCopyDidNotAnswer() {
    return L"実行中の Dokkle が応答しないため、別に起動しました。";
}

}  // namespace dokkle::NoticeTexts
