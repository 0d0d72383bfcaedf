#include "common/LanguageChoice.h"

namespace dokkle {
namespace {

std::wstring_view Trimmed(std::wstring_view text) {
    constexpr std::wstring_view blanks = L" \t";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool SameLetters(std::wstring_view text, std::wstring_view lowerCase) {
    if (text.size() != lowerCase.size()) return false;
    for (size_t index = 0; index < text.size(); ++index) {
        wchar_t letter = text[index];
        if (letter >= L'A' && letter <= L'Z') letter = static_cast<wchar_t>(letter - L'A' + L'a');
        if (letter != lowerCase[index]) return false;
    }
    return true;
}

}  // namespace

Language ChooseLanguage(uint16_t userInterfaceLanguage, std::wstring_view setting) {
    const std::wstring_view value = Trimmed(setting);
    if (SameLetters(value, L"ja")) return Language::Japanese;
    if (SameLetters(value, L"en")) return Language::English;
    const auto primary = static_cast<uint16_t>(userInterfaceLanguage & 0x3FF);
    return primary == JapanesePrimaryLanguage ? Language::Japanese : Language::English;
}

}  // namespace dokkle
