#pragma once
// The numbers typed into the move-and-resize boxes.
//
// A number is an optional sign and decimal digits with an optional fraction ("12", "-7", "+3", "2.5",
// ".5", "5."), with blanks (spaces, tabs, full-width spaces) allowed around it but not inside. A fraction
// is rounded to the nearest integer, a half to the even neighbour, exactly (not through a binary
// floating-point value). The rounded value must fit in 32 bits. Every other form is refused: exponents
// ("1e3"), hexadecimal ("0x10", "&H10"), thousands separators ("1,000"), full-width digits, a sign
// apart from its digits ("- 5"), and an empty or blank text.
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/TwipsLayout.h"

namespace dokkle {

std::optional<int32_t> ParseBoxNumber(std::wstring_view text);

// The four boxes read in order, left, top, width, height: none as soon as one is not a number, and
// none when the width or the height is below 1.
std::optional<Bounds> ParseMoveAndSize(std::wstring_view left, std::wstring_view top, std::wstring_view width,
                                       std::wstring_view height);

}  // namespace dokkle
