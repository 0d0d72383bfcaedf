// Any text in a number box: parsed without reading outside it, and a number it accepts reads back the
// same from its own decimal form.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/BoxNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    const auto number = dokkle::ParseBoxNumber(text);
    if (number) {
        const std::string decimal = std::to_string(*number);
        const auto again = dokkle::ParseBoxNumber(std::wstring(decimal.begin(), decimal.end()));
        if (!again || *again != *number) __builtin_trap();
    }
    dokkle::ParseMoveAndSize(text, text, text, text);
    return 0;
}
