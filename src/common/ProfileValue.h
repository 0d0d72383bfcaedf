#pragma once
// Profile values as the profile reader gives them back: it trims blanks around a value and drops one
// pair of matching quotes (double or single) around it.
#include <string>
#include <string_view>

namespace dokkle {

// The text to write so that the profile reader gives back exactly the value: the value itself, or the
// value inside double quotes when it begins or ends with a blank or is itself wrapped in matching quotes.
std::wstring ProfileValueToWrite(std::wstring_view value);

}  // namespace dokkle
