#include "render/BitmapHandle.h"

#include <algorithm>
#include <cstring>

#include "common/Rounding.h"
#include "render/PinComposition.h"

namespace dokkle {
namespace {

// GetDIBits writes a colour table after the header for palette and bit-field formats; this header has
// room for the largest one, so no format can make it write past the end.
struct HeaderWithColourTable {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

class ScreenContextIfNone {
  public:
    explicit ScreenContextIfNone(HDC given)
        : screen_(given ? unique_hdc_window() : dokkle::GetDC(nullptr)), dc_(given ? given : screen_.get()) {}
    HDC get() const { return dc_; }

  private:
    unique_hdc_window screen_;
    HDC dc_;
};

}  // namespace

BitmapHandle::BitmapHandle() {
    std::memset(&header_, 0, sizeof(header_));
}

void BitmapHandle::LoadFromFile(const std::wstring& Filename, bool CreateDIBSection) {
    const UINT flags = LR_LOADFROMFILE | (CreateDIBSection ? LR_CREATEDIBSECTION : 0);
    SetHandle(static_cast<HBITMAP>(LoadImageW(nullptr, Filename.c_str(), IMAGE_BITMAP, 0, 0, flags)),
              nullptr);
}

void BitmapHandle::LoadFromResource(const std::wstring& ID, bool CreateDIBSection) {
    const UINT flags = CreateDIBSection ? LR_CREATEDIBSECTION : LR_DEFAULTCOLOR;
    SetHandle(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), ID.c_str(), IMAGE_BITMAP, 0, 0, flags)),
        nullptr);
}

void BitmapHandle::CreateFromByteArray(const std::vector<uint8_t>& Buf, int32_t BitCount, int32_t Width,
                                       int32_t Height) {
    CreateFromBytes(Buf.data(), Buf.size(), BitCount, Width, Height);
}

void BitmapHandle::CreateFromBytes(const uint8_t* bytes, size_t size, int32_t BitCount, int32_t Width,
                                   int32_t Height) {
    // A whole new header: nothing an earlier bitmap left in it (compression, colour count) may reach
    // the new one, and the colour table behind it is as large as any format can ask for.
    HeaderWithColourTable request{};
    request.header.biSize = sizeof(BITMAPINFOHEADER);
    request.header.biWidth = Width;
    request.header.biHeight = Height;
    request.header.biPlanes = 1;
    request.header.biBitCount = static_cast<WORD>(BitCount);
    request.header.biCompression = BI_RGB;

    void* pixels = nullptr;
    unique_hbitmap created(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&request),
                                              DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!created || !pixels) return;
    std::memset(&header_, 0, sizeof(header_));
    header_.bmiHeader = request.header;
    // Never more than the bitmap holds, whatever the array's length.
    const int64_t capacity = RowStride(Width, BitCount / 8) * (Height < 0 ? -int64_t{Height} : Height);
    const size_t count = static_cast<size_t>(std::min<int64_t>(capacity, static_cast<int64_t>(size)));
    if (count > 0 && bytes) std::memcpy(pixels, bytes, count);
    SetHandle(created.release(), nullptr);
}

void BitmapHandle::SetHandle(HBITMAP newHandle, HDC hDC) {
    ScreenContextIfNone dc(hDC);
    if (newHandle != handle_.get()) handle_.reset(newHandle);
    if (!newHandle) return;

    HeaderWithColourTable query{};
    query.header = header_.bmiHeader;
    query.header.biSize = sizeof(BITMAPINFOHEADER);
    if (GetDIBits(dc.get(), newHandle, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&query),
                  DIB_RGB_COLORS)) {
        header_.bmiHeader = query.header;
    }
}

int32_t BitmapHandle::BytesPerPixel() const {
    return RoundHalfEven(BitsPerPixel() / 8.0);
}

void BitmapHandle::GetBytes(std::vector<uint8_t>& Buf, HDC hDC) const {
    Buf.clear();
    if (!handle_ || Height() <= 0 || Width() <= 0) return;
    ScreenContextIfNone dc(hDC);
    const int64_t stride = RowStride(Width(), BytesPerPixel());
    // A format of fewer than 8 bits per pixel has rows this stride cannot hold: read none of it.
    if (stride * 8 < int64_t{Width()} * BitsPerPixel()) return;

    HeaderWithColourTable local{};
    local.header = header_.bmiHeader;
    local.header.biSize = sizeof(BITMAPINFOHEADER);
    // Some systems report 32-bit DIB sections as bit fields; their pixels are read as plain RGB.
    if (BitsPerPixel() == 32) local.header.biCompression = BI_RGB;
    Buf.resize(static_cast<size_t>(stride * Height()));
    if (!GetDIBits(dc.get(), handle_.get(), 0, static_cast<UINT>(Height()), Buf.data(),
                   reinterpret_cast<BITMAPINFO*>(&local), DIB_RGB_COLORS)) {
        Buf.clear();
    }
}

}  // namespace dokkle
