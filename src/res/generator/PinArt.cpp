#include "res/generator/PinArt.h"

#include <algorithm>
#include <cmath>

namespace dokkle::resgen {
namespace {

constexpr int Subsamples = 8;

struct Vector3 {
    double x, y, z;
};

Vector3 Normalised(Vector3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

double Dot(Vector3 a, Vector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Light from the upper left, in front of the picture.
const Vector3 light = Normalised({-0.45, -0.65, 0.62});
const Vector3 halfway = Normalised({light.x, light.y, light.z + 1.0});

Colour Shade(Colour base, Vector3 normal, double ambient, double shininess, double gloss) {
    const double diffuse = std::max(0.0, Dot(normal, light));
    const double specular = std::pow(std::max(0.0, Dot(normal, halfway)), shininess) * gloss;
    const double lit = ambient + (1.0 - ambient) * 1.15 * diffuse;
    auto channel = [&](double value) { return std::clamp(value * lit + 255.0 * specular, 0.0, 255.0); };
    return {channel(base.red), channel(base.green), channel(base.blue)};
}

// A rounded shape between ellipse and rectangle, in coordinates scaled to -1..1.
bool InsideSuperellipse(double u, double v, double exponent) {
    return std::pow(std::abs(u), exponent) + std::pow(std::abs(v), exponent) <= 1.0;
}

Vector3 DomeNormal(double u, double v) {
    const double z = std::sqrt(std::max(0.02, 1.0 - u * u - v * v));
    return Normalised({u, v, z});
}

Vector3 CylinderNormal(double u) {
    return Normalised({u, 0.0, std::sqrt(std::max(0.02, 1.0 - u * u))});
}

struct Sample {
    bool covered = false;
    Colour colour{0, 0, 0};
};

// The opaque parts at one point, front part first: knob, neck, collar, needle.
Sample SampleBody(const PinLook& look, double x, double y, double shift, double needleEnd) {
    const double centreX = look.cellWidth / 2.0;
    const Colour metal{178, 180, 188};
    const Colour neckColour{look.knob.red * 0.8, look.knob.green * 0.8, look.knob.blue * 0.8};

    const double knobCentre = (look.knobTop + look.knobBottom) / 2.0 + shift;
    const double knobHalfHeight = (look.knobBottom - look.knobTop) / 2.0;
    double u = (x - centreX) / look.knobHalfWidth;
    double v = (y - knobCentre) / knobHalfHeight;
    if (InsideSuperellipse(u, v, 2.6))
        return {true, Shade(look.knob, DomeNormal(u * 0.9, v * 0.9), 0.35, 30, 0.7)};

    const double collarCentre = look.collarCentre + shift;
    if (y >= knobCentre && y <= collarCentre && std::abs(x - centreX) <= look.neckHalfWidth) {
        u = (x - centreX) / look.neckHalfWidth;
        return {true, Shade(neckColour, CylinderNormal(u), 0.3, 20, 0.5)};
    }

    u = (x - centreX) / look.collarHalfWidth;
    v = (y - collarCentre) / look.collarHalfHeight;
    if (InsideSuperellipse(u, v, 2.2)) return {true, Shade(look.knob, DomeNormal(u, v * 0.6), 0.35, 30, 0.6)};

    if (y >= collarCentre && y <= needleEnd) {
        const double length = look.needleEnd - look.collarCentre;
        const double along = (y - collarCentre) / length;
        const double taper = along < 0.65 ? 1.0 : std::max(0.0, (1.0 - along) / 0.35);
        const double halfWidth = look.needleHalfWidth * taper;
        if (halfWidth > 0 && std::abs(x - centreX) <= halfWidth) {
            return {true, Shade(metal, CylinderNormal((x - centreX) / halfWidth), 0.4, 12, 0.6)};
        }
    }
    return {};
}

Cell NewCell(const PinLook& look) {
    Cell cell;
    cell.width = look.cellWidth;
    cell.height = look.cellHeight;
    cell.colour.assign(static_cast<size_t>(cell.width * cell.height), Colour{0, 0, 0});
    cell.opacity.assign(static_cast<size_t>(cell.width * cell.height), 0.0);
    return cell;
}

// Averages the body over the pixel's subsamples; the shadow fills what the body leaves uncovered.
template <typename ShadowFunction>
Cell DrawPin(const PinLook& look, double shift, double needleEnd, double opacity, ShadowFunction shadow) {
    Cell cell = NewCell(look);
    for (int py = 0; py < cell.height; ++py) {
        for (int px = 0; px < cell.width; ++px) {
            double red = 0, green = 0, blue = 0, alpha = 0;
            for (int sy = 0; sy < Subsamples; ++sy) {
                for (int sx = 0; sx < Subsamples; ++sx) {
                    const double x = px + (sx + 0.5) / Subsamples;
                    const double y = py + (sy + 0.5) / Subsamples;
                    const Sample sample = SampleBody(look, x, y, shift, needleEnd);
                    if (sample.covered) {
                        red += sample.colour.red * opacity;
                        green += sample.colour.green * opacity;
                        blue += sample.colour.blue * opacity;
                        alpha += opacity;
                    } else {
                        alpha += shadow(x, y);  // black: adds opacity only
                    }
                }
            }
            const double count = Subsamples * Subsamples;
            const size_t index = static_cast<size_t>(py * cell.width + px);
            cell.opacity[index] = alpha / count;
            if (alpha > 0) cell.colour[index] = {red / alpha, green / alpha, blue / alpha};
        }
    }
    return cell;
}

}  // namespace

Cell DrawCarriedPin(const PinLook& look) {
    return DrawPin(look, 0.0, look.needleEnd, look.carriedOpacity, [](double, double) { return 0.0; });
}

Cell DrawPrickedPin(const PinLook& look) {
    // A soft blot on the window around where the needle goes in.
    auto shadow = [&](double x, double y) {
        const double dx = (x - look.shadowX) / look.shadowRadiusX;
        const double dy = (y - look.shadowY) / look.shadowRadiusY;
        return look.shadowOpacity * std::exp(-2.2 * (dx * dx + dy * dy));
    };
    return DrawPin(look, look.prickedShift, look.stubEnd, 1.0, shadow);
}

std::vector<uint8_t> ComposeDesignPixels(const Cell& carried, const Cell& pricked) {
    const int width = carried.width * 2;
    const int height = carried.height * 2;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> pixels(static_cast<size_t>(stride * height), 0);
    auto byte = [](double value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); };
    auto put = [&](int x, int pictureY, uint8_t blue, uint8_t green, uint8_t red) {
        const size_t offset = static_cast<size_t>((height - 1 - pictureY) * stride + x * 3);
        pixels[offset] = blue;
        pixels[offset + 1] = green;
        pixels[offset + 2] = red;
    };
    for (int row = 0; row < 2; ++row) {
        const Cell& cell = row == 0 ? carried : pricked;
        for (int y = 0; y < cell.height; ++y) {
            for (int x = 0; x < cell.width; ++x) {
                const size_t index = static_cast<size_t>(y * cell.width + x);
                const uint8_t mask = byte(cell.opacity[index] * 255.0);
                const Colour colour = mask ? cell.colour[index] : Colour{0, 0, 0};
                const int pictureY = row * cell.height + y;
                put(x, pictureY, byte(colour.blue), byte(colour.green), byte(colour.red));
                put(cell.width + x, pictureY, mask, mask, mask);
            }
        }
    }
    return pixels;
}

}  // namespace dokkle::resgen
