// The game's own pictures, read from its exe: the wheel tiles, the felt and
// the win banner, so that the player can recognise exactly what the screen shows.
#pragma once

#include "screen_pixels.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace e2e {

constexpr int kTileSize = 72;
constexpr int kHighestMainNumber = 75;  // Mega
constexpr int kHighestBonusNumber = 35; // Power
constexpr int kBannerWidth = 504;
constexpr int kBannerHeight = 252; // the bitmap's last row is never drawn

class GameArt {
public:
    // Loads every tile and the banner from the exe; false with a reason in
    // error() when a picture is missing.
    bool load(const std::string& exePath);
    const std::string& error() const { return error_; }

    const ScreenImage& tile(bool bonus, int number) const;
    const ScreenImage& felt() const { return felt_; }
    const ScreenImage& banner() const { return banner_; }

    // The number a 72 x 72 image shows: 0 for the blank, -1 when it is no
    // tile of that kind of wheel (half drawn, or something else entirely).
    int recognise(bool bonus, const ScreenImage& image) const;

private:
    std::vector<ScreenImage> mainTiles_;  // index = number, 0 = blank
    std::vector<ScreenImage> bonusTiles_; // likewise
    std::unordered_map<uint64_t, int> mainByHash_;
    std::unordered_map<uint64_t, int> bonusByHash_;
    ScreenImage felt_;
    ScreenImage banner_;
    std::string error_;
};

// A fingerprint of an image's pixels, for looking a picture up quickly.
uint64_t imageHash(const ScreenImage& image);

} // namespace e2e
