#include "texture.h"

#include "prng.h"

#include <numeric>

namespace artgen {

std::vector<uint8_t> SpeckleIndices(int width, int height, const Speckle& speckle) {
    Prng prng(speckle.seed);
    const int total = std::accumulate(speckle.weights.begin(), speckle.weights.end(), 0);
    std::vector<uint8_t> out(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * size_t(width) + size_t(x);
            const uint32_t roll = prng.Below(100);
            const bool up = prng.Below(2) == 0;
            uint32_t pick = prng.Below(uint32_t(total));
            if (int(roll) < speckle.clumpPercent && (x > 0 || y > 0)) {
                out[i] = (up && y > 0) || x == 0 ? out[i - size_t(width)] : out[i - 1];
                continue;
            }
            uint8_t shade = 0;
            while (pick >= uint32_t(speckle.weights[shade])) {
                pick -= uint32_t(speckle.weights[shade]);
                ++shade;
            }
            out[i] = shade;
        }
    return out;
}

RgbImage SpeckleImage(int width, int height, const Speckle& speckle) {
    const std::vector<uint8_t> indices = SpeckleIndices(width, height, speckle);
    RgbImage out(width, height);
    for (size_t i = 0; i < indices.size(); ++i)
        out.pixels[i] = speckle.shades[indices[i]];
    return out;
}

const Speckle& TealSpeckle() {
    static const Speckle s{
        {{102, 153, 153}, {153, 204, 204}, {128, 179, 179}, {85, 133, 133}, {172, 216, 216}},
        {42, 36, 13, 5, 4},
        30,
        0x7EA1'0001};
    return s;
}

const Speckle& YellowSpeckle() {
    static const Speckle s{
        {{204, 204, 102}, {204, 204, 51}, {204, 204, 77}, {216, 214, 128}, {180, 178, 46}},
        {42, 36, 12, 6, 4},
        30,
        0x7E11'0002};
    return s;
}

const Speckle& FeltSpeckle() {
    static const Speckle s{
        {{107, 181, 59}, {99, 171, 54}, {115, 190, 66}, {90, 160, 48}, {124, 198, 74}},
        {40, 24, 24, 6, 6},
        25,
        0xFE17'0003};
    return s;
}

} // namespace artgen
