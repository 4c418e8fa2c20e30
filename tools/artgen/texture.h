// Speckled textures: every pixel draws one of a few shades at random from
// fixed weights (seeded, so the same on every run); a pixel may repeat its
// left or upper neighbour, which grows the specks into small grains.
#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace artgen {

struct Speckle {
    std::vector<Rgb> shades;  // the first two are the dominant colours
    std::vector<int> weights; // one per shade, any scale
    int clumpPercent;         // chance that a pixel repeats a neighbour
    uint64_t seed;
};

// One shade index per pixel, rows top to bottom.
std::vector<uint8_t> SpeckleIndices(int width, int height, const Speckle& speckle);

// The texture as colours.
RgbImage SpeckleImage(int width, int height, const Speckle& speckle);

// The textures of the art: speckled teal, yellow and green.
const Speckle& TealSpeckle();   // main tiles: 102,153,153 and 153,204,204
const Speckle& YellowSpeckle(); // bonus tiles 28 to 35: 204,204,102 and 204,204,51
const Speckle& FeltSpeckle();   // felt and banner ground: around 107,181,59

} // namespace artgen
