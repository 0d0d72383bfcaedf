// Writes the program's pictures: the built-in design DEFAULT, the pin form's icon, the hand cursor and
// the designs that ship in the design folder. With --check it compares instead of writing, so the
// checked-in files are known to come from this source.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "res/generator/ImageFiles.h"
#include "res/generator/PinArt.h"

namespace resgen = dokkle::resgen;

namespace {

struct Design {
    const char* fileName;
    resgen::PinLook look;
    int tipX, tipY;  // written to the design's configuration file; 0, 0 for none
};

// Cell 20 x 30 with no configuration file, so its tip is the cell's centre: the needle's stub ends there.
const resgen::PinLook builtInLook{20,   30,  {205, 32, 36}, 1.0, 8.5,  5.5,  2.6,  12.5, 1.8, 7.2,
                                  29.9, 1.1, 0.6,           0.0, 16.5, 0.55, 11.8, 17.2, 6.5, 4.6};

resgen::PinLook ShippedLook(resgen::Colour knob) {
    return {24,   40,  knob, 1.0,  10.5, 7.0, 3.2,  15.0, 2.2, 9.0,
            37.6, 1.3, 0.72, 17.0, 37.5, 0.5, 14.8, 36.4, 7.0, 3.3};
}

const std::vector<Design> shippedDesigns{
    {"Standard Red.bmp", ShippedLook({205, 32, 36}), 12, 37},
    {"Sky Blue.bmp", ShippedLook({45, 115, 225}), 12, 37},
    {"Leaf Green.bmp", ShippedLook({52, 160, 68}), 12, 37},
    {"Large Gold.bmp",
     {32,   52,  {232, 168, 30}, 1.5,  14.0, 9.5, 4.2,  20.0, 3.0, 12.0,
      49.6, 1.7, 0.72,           22.0, 49.5, 0.5, 19.6, 48.2, 9.0, 4.0},
     16,
     49},
};

const resgen::PinLook iconLook{32,   32,  {205, 32, 36}, 1.0, 11.0, 7.5, 3.2, 16.0, 2.4, 9.5,
                               31.0, 1.4, 1.0,           0.0, 31.0, 0.0, 0,   0,    1,   1};

// A hand with the index finger up; the fingertip is the hot spot (20, 11).
const std::vector<std::string> handRows{
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "                    ##",
    "                   #..#",
    "                   #..#",
    "                   #..#",
    "                   #..#",
    "                   #..###",
    "                   #..#..###",
    "                   #..#..#..##",
    "                ## #..#..#..#.#",
    "               #..##..#..#..#.#",
    "               #...#..........#",
    "                #..#..........#",
    "                 #............#",
    "                 #............#",
    "                  #...........#",
    "                  #..........#",
    "                   #.........#",
    "                   #.........#",
    "                    #.......#",
    "                    #.......#",
    "                    #########",
};

std::vector<uint8_t> DesignFile(const resgen::PinLook& look) {
    const auto pixels =
        resgen::ComposeDesignPixels(resgen::DrawCarriedPin(look), resgen::DrawPrickedPin(look));
    return resgen::EncodeBmp24(look.cellWidth * 2, look.cellHeight * 2, pixels);
}

resgen::ArgbImage IconImage(const resgen::PinLook& look) {
    const resgen::Cell cell = resgen::DrawCarriedPin(look);
    resgen::ArgbImage image;
    image.size = cell.width;
    for (size_t i = 0; i < cell.colour.size(); ++i) {
        auto byte = [](double value) {
            return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value + 0.5);
        };
        image.bgra.push_back(byte(cell.colour[i].blue));
        image.bgra.push_back(byte(cell.colour[i].green));
        image.bgra.push_back(byte(cell.colour[i].red));
        image.bgra.push_back(byte(cell.opacity[i] * 255));
    }
    return image;
}

resgen::PinLook Scaled(resgen::PinLook look, double factor, int size) {
    look.cellWidth = look.cellHeight = size;
    for (double* value : {&look.knobTop, &look.knobBottom, &look.knobHalfWidth, &look.neckHalfWidth,
                          &look.collarCentre, &look.collarHalfHeight, &look.collarHalfWidth, &look.needleEnd,
                          &look.needleHalfWidth, &look.stubEnd}) {
        *value *= factor;
    }
    return look;
}

std::vector<uint8_t> AsBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

struct Output {
    std::string path;
    std::vector<uint8_t> bytes;
};

std::vector<Output> AllOutputs(const std::string& folder) {
    std::vector<Output> outputs;
    outputs.push_back({folder + "/DEFAULT.bmp", DesignFile(builtInLook)});
    outputs.push_back({folder + "/Pin.ico",
                       resgen::EncodeIcon({IconImage(iconLook), IconImage(Scaled(iconLook, 0.5, 16))})});
    outputs.push_back({folder + "/Hand.cur", resgen::EncodeMonochromeCursor(handRows, 20, 11)});
    for (const Design& design : shippedDesigns) {
        const std::string path = folder + "/design/" + design.fileName;
        outputs.push_back({path, DesignFile(design.look)});
        const std::string configuration = "[CursorPosition]\r\nX=" + std::to_string(design.tipX) +
                                          "\r\nY=" + std::to_string(design.tipY) + "\r\n";
        outputs.push_back({path + ".cfg", AsBytes(configuration)});
    }
    return outputs;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] <resource folder>\n", argv[0]);
        return 2;
    }
    int differences = 0;
    for (const Output& output : AllOutputs(argv[argc - 1])) {
        if (check) {
            if (ReadFile(output.path) != output.bytes) {
                std::fprintf(stderr, "differs from its generator: %s\n", output.path.c_str());
                ++differences;
            }
            continue;
        }
        std::ofstream file(output.path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(output.bytes.data()),
                   static_cast<std::streamsize>(output.bytes.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", output.path.c_str());
            return 1;
        }
    }
    return differences == 0 ? 0 : 1;
}
