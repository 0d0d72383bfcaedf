#pragma once
// Draws push-pin designs: the colour and mask cells of a design bitmap, and the pin form's icon.
#include <cstdint>
#include <vector>

namespace dokkle::resgen {

struct Colour {
    double red, green, blue;
};

// A pin seen from the side, in pixels of one cell; y grows downwards.
struct PinLook {
    int cellWidth, cellHeight;
    Colour knob;
    double knobTop, knobBottom, knobHalfWidth;
    double neckHalfWidth;
    double collarCentre, collarHalfHeight, collarHalfWidth;
    double needleEnd;  // the carried pin's needle point
    double needleHalfWidth;
    double carriedOpacity;  // 0..1 for the whole carried picture
    double prickedShift;    // how far the body moves down when stuck in
    double stubEnd;         // where the needle vanishes into the window when stuck in
    double shadowOpacity;   // 0..1 at the shadow's centre
    double shadowX, shadowY, shadowRadiusX, shadowRadiusY;
};

// One cell: straight colour and opacity per pixel, top row first.
struct Cell {
    int width = 0, height = 0;
    std::vector<Colour> colour;
    std::vector<double> opacity;
};

Cell DrawCarriedPin(const PinLook& look);
Cell DrawPrickedPin(const PinLook& look);

// The whole design: 2 x 2 cells, 24-bit BGR pixels bottom row first with rows padded to 4 bytes,
// colour cells on the left, their masks (opacity in every byte) on the right.
std::vector<uint8_t> ComposeDesignPixels(const Cell& carried, const Cell& pricked);

}  // namespace dokkle::resgen
