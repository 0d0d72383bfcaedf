#pragma once
// A memory device context compatible with the screen (or with a given context), owned for its life.
#include <windows.h>

#include "common/Win32Handles.h"

namespace dokkle {

class DeviceContextHandle {
  public:
    void FromDesktopDC(HDC hDesktopDC);
    HDC GetHandle() const { return memoryContext_.get(); }

  private:
    unique_hdc memoryContext_;
};

}  // namespace dokkle
