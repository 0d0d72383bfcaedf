#include "tools/WindowEntry.h"

#include "common/FormatHex8.h"

namespace dokkle {

std::wstring ListLine(const WindowEntry& entry) {
    // Window handles carry 32 significant bits in both builds.
    return FormatHex8(static_cast<int32_t>(static_cast<uint32_t>(entry.hWnd))) + L'\t' + entry.Title;
}

}  // namespace dokkle
