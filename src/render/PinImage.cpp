#include "render/PinImage.h"

#include <optional>
#include <vector>

#include "common/Rounding.h"
#include "common/Win32Handles.h"
#include "common/WholeFile.h"
#include "common/modGDI.h"
#include "common/modGeneralTips.h"
#include "render/DesignFileCheck.h"
#include "render/PinComposition.h"
#include "res/ResourceNames.h"

namespace dokkle {
namespace {

// What was made of the file, or the built-in design, is checked again before its pixels are read.
bool IsComposable(const BitmapHandle& design) {
    const bool plainPixels = design.Compression() == BI_RGB ||
                             (design.Compression() == BI_BITFIELDS && design.BitsPerPixel() == 32);
    return design.GetHandle() && plainPixels &&
           IsComposableDesign(design.Width(), design.Height(), design.BitsPerPixel());
}

}  // namespace

BitmapHandle DesignFromFileBytes(const std::vector<uint8_t>& bytes) {
    BitmapHandle design;
    // The headers are checked first, so that a broken or hostile file never reaches the window system.
    const std::optional<DesignFileLayout> layout = ReadDesignFileLayout(bytes.data(), bytes.size());
    if (layout) {
        design.CreateFromBytes(bytes.data() + layout->pixelOffset, layout->pixelBytes, layout->bitsPerPixel,
                               layout->width, layout->height);
    }
    return design;
}

BitmapHandle LoadDesignOrBuiltIn(const std::wstring& BitmapPath) {
    BitmapHandle design;
    // One read serves both the check and the pixels.
    if (const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(BitmapPath)) {
        design = DesignFromFileBytes(*bytes);
    }
    if (!IsComposable(design)) {
        design = BitmapHandle();
        design.LoadFromResource(ResourceNames::DefaultDesign, true);
    }
    return design;
}

BitmapHandle ComposePinImage(const BitmapHandle& Source, int32_t StateRow) {
    std::vector<uint8_t> sourceBytes;
    Source.GetBytes(sourceBytes, nullptr);
    const std::vector<uint8_t> pixels =
        ComposePinPixels(sourceBytes.data(), sourceBytes.size(), Source.Width(), Source.Height(),
                         Source.BytesPerPixel(), StateRow);
    BitmapHandle composed;
    if (pixels.empty()) return composed;
    const CellSize cell = DesignCellSize(Source.Width(), Source.Height());
    composed.CreateFromByteArray(pixels, 32, cell.width, cell.height);
    return composed;
}

void ShowOnLayeredWindow(HWND window, const BitmapHandle& image, int32_t Opacity) {
    if (!image.GetHandle()) return;
    unique_hdc_window screen = dokkle::GetDC(nullptr);
    unique_hdc memory(CreateCompatibleDC(screen.get()));
    unique_select_object selection(memory.get(), image.GetHandle());

    SetWindowPos(window, nullptr, 0, 0, image.Width(), image.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT destination = modGeneralTips::MakePoint(bounds.left, bounds.top);
    SIZE size = modGDI::MakeSize(modGeneralTips::RectWidth(bounds), modGeneralTips::RectHeight(bounds));
    POINT source = modGeneralTips::MakePoint(0, 0);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(Opacity), AC_SRC_ALPHA};
    UpdateLayeredWindow(window, screen.get(), &destination, &size, memory.get(), &source, 0, &blend,
                        ULW_ALPHA);
}

}  // namespace dokkle
