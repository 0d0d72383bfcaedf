#include "common/modWindowTips.h"

#include <vector>

namespace dokkle::modWindowTips {

std::wstring GetWindowTextString(HWND hWnd) {
    const int length = GetWindowTextLengthW(hWnd);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    // The title may have changed in between; take what was copied, up to its terminator.
    const int copied = GetWindowTextW(hWnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

}  // namespace dokkle::modWindowTips
