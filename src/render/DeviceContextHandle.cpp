#include "render/DeviceContextHandle.h"

namespace dokkle {

void DeviceContextHandle::FromDesktopDC(HDC hDesktopDC) {
    unique_hdc_window screen;
    if (!hDesktopDC) {
        screen = dokkle::GetDC(nullptr);
        hDesktopDC = screen.get();
    }
    memoryContext_.reset(CreateCompatibleDC(hDesktopDC));
}

}  // namespace dokkle
