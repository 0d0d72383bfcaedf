#pragma once
// Owns one bitmap and remembers its header; moves pixels between the bitmap and byte arrays laid out
// as the window system's device-independent bitmaps: rows bottom first, each padded to 4 bytes.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Win32Handles.h"

namespace dokkle {

class BitmapHandle {
  public:
    BitmapHandle();

    void LoadFromFile(const std::wstring& Filename, bool CreateDIBSection);
    void LoadFromResource(const std::wstring& ID, bool CreateDIBSection);
    // A new device-independent bitmap holding the pixels; the object is left as it was if none can be made.
    void CreateFromByteArray(const std::vector<uint8_t>& Buf, int32_t BitCount, int32_t Width,
                             int32_t Height);
    // The same from bytes that lie inside a larger buffer, such as a whole file.
    void CreateFromBytes(const uint8_t* bytes, size_t size, int32_t BitCount, int32_t Width, int32_t Height);
    // Takes ownership of newHandle (a different bitmap held before is freed) and reads its header.
    void SetHandle(HBITMAP newHandle, HDC hDC);
    HBITMAP GetHandle() const { return handle_.get(); }

    int32_t Width() const { return header_.bmiHeader.biWidth; }
    int32_t Height() const { return header_.bmiHeader.biHeight; }
    int32_t BitsPerPixel() const { return header_.bmiHeader.biBitCount; }
    int32_t BytesPerPixel() const;
    uint32_t Compression() const { return header_.bmiHeader.biCompression; }

    // All pixel rows in the bitmap's own format; empty when it holds no bitmap it can read out.
    void GetBytes(std::vector<uint8_t>& Buf, HDC hDC) const;

  private:
    unique_hbitmap handle_;
    BITMAPINFO header_;
};

}  // namespace dokkle
