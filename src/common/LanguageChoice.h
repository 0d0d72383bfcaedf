#pragma once
// Which language the program speaks: Japanese on a Japanese display, English on every other, unless the
// settings file says otherwise (section "General", key "Language": "ja", "en" or "auto").
#include <cstdint>
#include <string_view>

#include "common/Catalogue.h"

namespace dokkle {

// The primary language of a language identifier, as the window system numbers them.
inline constexpr uint16_t JapanesePrimaryLanguage = 0x11;

// userInterfaceLanguage: the user's display language identifier. setting: the settings file's value,
// "auto" when it has none; letter case and blanks around it do not count, and a value that is none of
// the three counts as "auto".
Language ChooseLanguage(uint16_t userInterfaceLanguage, std::wstring_view setting);

}  // namespace dokkle
