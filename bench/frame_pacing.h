// How evenly a wheel turns: one whole turn of wheel 1, timed on the screen,
// against the number of frames times the frame delay.
#pragma once

#include "player_art.h"

#include <string>

namespace bench {

struct PacingResult {
    int frames = 0;    // frames in one turn
    int delayMs = 0;   // the level's delay for the wheel
    double turnMs = 0; // between two sightings of number 1, one turn apart
    int intervals = 0; // frame-to-frame steps seen
    double meanMs = 0, minMs = 0, maxMs = 0;
};

// Starts the game, picks "Challenging", draws, spins wheel 1 and watches it
// for one turn. False with a reason in *error when the game does not play.
bool measureFramePacing(const std::string& gameExe, const e2e::GameArt& art, PacingResult* result,
                        std::string* error);

} // namespace bench
