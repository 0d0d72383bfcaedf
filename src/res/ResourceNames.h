#pragma once
// Names of the resources the program carries. The resource script takes them as bare words (it would
// join a quoted name to the file name before it), and the code as wide text made from the same words.
#define DOKKLE_ICON_NAME PIN
#define DOKKLE_HAND_CURSOR_NAME HAND
#define DOKKLE_DEFAULT_DESIGN_NAME DEFAULT

#ifndef RC_INVOKED
#define DOKKLE_RESOURCE_NAME_TEXT_(name) #name
#define DOKKLE_RESOURCE_NAME_TEXT(name) DOKKLE_RESOURCE_NAME_TEXT_(name)

namespace dokkle::ResourceNames {

inline constexpr const wchar_t* Icon = L"" DOKKLE_RESOURCE_NAME_TEXT(DOKKLE_ICON_NAME);
inline constexpr const wchar_t* HandCursor = L"" DOKKLE_RESOURCE_NAME_TEXT(DOKKLE_HAND_CURSOR_NAME);
inline constexpr const wchar_t* DefaultDesign = L"" DOKKLE_RESOURCE_NAME_TEXT(DOKKLE_DEFAULT_DESIGN_NAME);

}  // namespace dokkle::ResourceNames
#endif
