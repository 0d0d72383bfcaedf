#pragma once
// Encoders for the three file formats the resources use: BMP, ICO and CUR.
#include <cstdint>
#include <string>
#include <vector>

namespace dokkle::resgen {

// A 24-bit bottom-up BMP from pixels already in that layout (BGR, rows padded to 4 bytes).
std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& bottomUpPixels);

// A 32-bit image with straight alpha, top row first, four bytes B, G, R, A per pixel.
struct ArgbImage {
    int size = 0;
    std::vector<uint8_t> bgra;
};

std::vector<uint8_t> EncodeIcon(const std::vector<ArgbImage>& images);

// A 32 x 32, 16-colour cursor from a picture of '#' (black), '.' (white) and ' ' (transparent).
std::vector<uint8_t> EncodeMonochromeCursor(const std::vector<std::string>& rows, int hotSpotX, int hotSpotY);

}  // namespace dokkle::resgen
