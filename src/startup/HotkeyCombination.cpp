#include "startup/HotkeyCombination.h"

#include <array>
#include <vector>

namespace dokkle {
namespace {

struct NamedKey {
    std::wstring_view name;
    uint32_t virtualKey;
};

constexpr std::array<NamedKey, 12> NamedKeys{{{L"Space", 0x20},
                                              {L"PageUp", 0x21},
                                              {L"PageDown", 0x22},
                                              {L"End", 0x23},
                                              {L"Home", 0x24},
                                              {L"Left", 0x25},
                                              {L"Up", 0x26},
                                              {L"Right", 0x27},
                                              {L"Down", 0x28},
                                              {L"Insert", 0x2D},
                                              {L"Delete", 0x2E},
                                              {L"Pause", 0x13}}};

struct NamedModifier {
    std::wstring_view name;
    uint32_t modifier;
};

constexpr std::array<NamedModifier, 5> NamedModifiers{{{L"Ctrl", HotkeyModifier::Control},
                                                       {L"Control", HotkeyModifier::Control},
                                                       {L"Alt", HotkeyModifier::Alt},
                                                       {L"Shift", HotkeyModifier::Shift},
                                                       {L"Win", HotkeyModifier::Windows}}};

constexpr uint32_t VirtualKeyF1 = 0x70;

bool IsBlank(wchar_t character) {
    return character == L' ' || character == L'\t' || character == L'\x3000';
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

wchar_t Upper(wchar_t character) {
    return (character >= L'a' && character <= L'z') ? static_cast<wchar_t>(character - L'a' + L'A')
                                                    : character;
}

bool SameName(std::wstring_view text, std::wstring_view name) {
    if (text.size() != name.size()) return false;
    for (size_t index = 0; index < text.size(); ++index) {
        if (Upper(text[index]) != Upper(name[index])) return false;
    }
    return true;
}

std::optional<uint32_t> ModifierNamed(std::wstring_view text) {
    for (const NamedModifier& named : NamedModifiers) {
        if (SameName(text, named.name)) return named.modifier;
    }
    return std::nullopt;
}

std::optional<uint32_t> KeyNamed(std::wstring_view text) {
    if (text.empty()) return std::nullopt;
    if (text.size() == 1) {
        const wchar_t character = Upper(text.front());
        if ((character >= L'A' && character <= L'Z') || (character >= L'0' && character <= L'9')) {
            return static_cast<uint32_t>(character);  // the virtual key of a letter or digit is its character
        }
        return std::nullopt;
    }
    if (text.size() <= 3 && Upper(text.front()) == L'F') {
        uint32_t number = 0;
        for (wchar_t digit : text.substr(1)) {
            if (digit < L'0' || digit > L'9') return std::nullopt;
            number = number * 10 + static_cast<uint32_t>(digit - L'0');
        }
        if (text[1] != L'0' && number >= 1 && number <= 24) return VirtualKeyF1 + number - 1;
        return std::nullopt;
    }
    for (const NamedKey& named : NamedKeys) {
        if (SameName(text, named.name)) return named.virtualKey;
    }
    return std::nullopt;
}

std::vector<std::wstring_view> Parts(std::wstring_view text) {
    std::vector<std::wstring_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t plus = text.find(L'+', start);
        parts.push_back(Trimmed(
            text.substr(start, plus == std::wstring_view::npos ? std::wstring_view::npos : plus - start)));
        if (plus == std::wstring_view::npos) return parts;
        start = plus + 1;
    }
}

std::optional<HotkeyCombination> ReadCombination(std::wstring_view text) {
    const std::vector<std::wstring_view> parts = Parts(text);
    // "Ctrl+", "+P", "Ctrl++P" and the empty text name no key or no modifier in some place.
    for (std::wstring_view part : parts) {
        if (part.empty()) return std::nullopt;
    }
    HotkeyCombination combination;
    for (size_t index = 0; index + 1 < parts.size(); ++index) {
        const std::optional<uint32_t> modifier = ModifierNamed(parts[index]);
        if (!modifier || (combination.modifiers & *modifier)) return std::nullopt;
        combination.modifiers |= *modifier;
    }
    const std::optional<uint32_t> key = KeyNamed(parts.back());
    if (!key) return std::nullopt;
    combination.virtualKey = *key;
    constexpr uint32_t takesNoTyping =
        HotkeyModifier::Control | HotkeyModifier::Alt | HotkeyModifier::Windows;
    if (!(combination.modifiers & takesNoTyping)) return std::nullopt;
    return combination;
}

std::wstring KeyName(uint32_t virtualKey) {
    if ((virtualKey >= L'A' && virtualKey <= L'Z') || (virtualKey >= L'0' && virtualKey <= L'9')) {
        return std::wstring(1, static_cast<wchar_t>(virtualKey));
    }
    if (virtualKey >= VirtualKeyF1 && virtualKey < VirtualKeyF1 + 24) {
        return L"F" + std::to_wstring(virtualKey - VirtualKeyF1 + 1);
    }
    for (const NamedKey& named : NamedKeys) {
        if (named.virtualKey == virtualKey) return std::wstring(named.name);
    }
    return L"?";
}

}  // namespace

HotkeySetting ReadHotkeySetting(std::wstring_view text) {
    const std::wstring_view trimmed = Trimmed(text);
    if (SameName(trimmed, L"none")) return HotkeySetting{true, std::nullopt};
    return HotkeySetting{false, ReadCombination(trimmed)};
}

std::wstring FormatHotkey(const HotkeyCombination& combination) {
    std::wstring text;
    if (combination.modifiers & HotkeyModifier::Control) text += L"Ctrl+";
    if (combination.modifiers & HotkeyModifier::Alt) text += L"Alt+";
    if (combination.modifiers & HotkeyModifier::Shift) text += L"Shift+";
    if (combination.modifiers & HotkeyModifier::Windows) text += L"Win+";
    return text + KeyName(combination.virtualKey);
}

}  // namespace dokkle
