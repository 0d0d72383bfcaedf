#include "res/generator/ImageFiles.h"

namespace dokkle::resgen {
namespace {

class ByteWriter {
  public:
    void U8(unsigned value) { bytes.push_back(static_cast<uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Bytes(const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

    std::vector<uint8_t> bytes;
};

void InfoHeader(ByteWriter& out, int width, int height, int bitCount, uint32_t imageSize, int coloursUsed) {
    out.U32(40);
    out.U32(static_cast<uint32_t>(width));
    out.U32(static_cast<uint32_t>(height));
    out.U16(1);
    out.U16(static_cast<unsigned>(bitCount));
    out.U32(0);  // BI_RGB
    out.U32(imageSize);
    out.U32(2835);  // 72 dots per inch
    out.U32(2835);
    out.U32(static_cast<uint32_t>(coloursUsed));
    out.U32(0);
}

// The AND mask of an icon or cursor: 1 where transparent, rows bottom first, padded to 4 bytes.
template <typename IsTransparent>
std::vector<uint8_t> AndMask(int size, IsTransparent isTransparent) {
    const int stride = ((size + 31) / 32) * 4;
    std::vector<uint8_t> mask(static_cast<size_t>(stride * size), 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (isTransparent(x, y)) {
                mask[static_cast<size_t>((size - 1 - y) * stride + x / 8)] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return mask;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& bottomUpPixels) {
    ByteWriter out;
    const uint32_t offset = 14 + 40;
    out.U8('B');
    out.U8('M');
    out.U32(offset + static_cast<uint32_t>(bottomUpPixels.size()));
    out.U32(0);
    out.U32(offset);
    InfoHeader(out, width, height, 24, static_cast<uint32_t>(bottomUpPixels.size()), 0);
    out.Bytes(bottomUpPixels);
    return out.bytes;
}

std::vector<uint8_t> EncodeIcon(const std::vector<ArgbImage>& images) {
    std::vector<std::vector<uint8_t>> entries;
    for (const ArgbImage& image : images) {
        ByteWriter entry;
        const int size = image.size;
        std::vector<uint8_t> pixels;
        for (int y = size - 1; y >= 0; --y) {
            const auto row = image.bgra.begin() + y * size * 4;
            pixels.insert(pixels.end(), row, row + size * 4);
        }
        const auto mask = AndMask(
            size, [&](int x, int y) { return image.bgra[static_cast<size_t>((y * size + x) * 4 + 3)] == 0; });
        InfoHeader(entry, size, size * 2, 32, static_cast<uint32_t>(pixels.size() + mask.size()), 0);
        entry.Bytes(pixels);
        entry.Bytes(mask);
        entries.push_back(entry.bytes);
    }

    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon
    out.U16(static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(static_cast<unsigned>(images[i].size) & 0xFF);
        out.U8(static_cast<unsigned>(images[i].size) & 0xFF);
        out.U8(0);
        out.U8(0);
        out.U16(1);   // planes
        out.U16(32);  // bits per pixel
        out.U32(static_cast<uint32_t>(entries[i].size()));
        out.U32(offset);
        offset += static_cast<uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) out.Bytes(entry);
    return out.bytes;
}

std::vector<uint8_t> EncodeMonochromeCursor(const std::vector<std::string>& rows, int hotSpotX,
                                            int hotSpotY) {
    constexpr int size = 32;
    auto at = [&](int x, int y) {
        if (y >= static_cast<int>(rows.size()) || x >= static_cast<int>(rows[static_cast<size_t>(y)].size()))
            return ' ';
        return rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
    };

    // Palette index 0 is black, 15 white; transparent pixels are black under a set AND bit.
    std::vector<uint8_t> pixels(size * size / 2, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (at(x, y) != '.') continue;
            const size_t offset = static_cast<size_t>((size - 1 - y) * (size / 2) + x / 2);
            pixels[offset] |= static_cast<uint8_t>(x % 2 == 0 ? 0xF0 : 0x0F);
        }
    }
    const auto mask = AndMask(size, [&](int x, int y) { return at(x, y) == ' '; });

    ByteWriter image;
    InfoHeader(image, size, size * 2, 4, static_cast<uint32_t>(pixels.size() + mask.size()), 16);
    static const uint8_t palette[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                           {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                           {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                           {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (const auto& colour : palette) {
        image.U8(colour[2]);
        image.U8(colour[1]);
        image.U8(colour[0]);
        image.U8(0);
    }
    image.Bytes(pixels);
    image.Bytes(mask);

    ByteWriter out;
    out.U16(0);
    out.U16(2);  // cursor
    out.U16(1);
    out.U8(size);
    out.U8(size);
    out.U8(16);
    out.U8(0);
    out.U16(static_cast<unsigned>(hotSpotX));
    out.U16(static_cast<unsigned>(hotSpotY));
    out.U32(static_cast<uint32_t>(image.bytes.size()));
    out.U32(6 + 16);
    out.Bytes(image.bytes);
    return out.bytes;
}

}  // namespace dokkle::resgen
