// How long a program takes from its start to a painted window: the game
// (felt and six blank wheels on the screen) and an empty dialog, whose time
// is what Wine itself needs to start a program and show a dialog.
#pragma once

#include "player_art.h"

#include <string>

namespace bench {

struct StartupSample {
    double shownMs = -1;   // its window exists and is visible
    double paintedMs = -1; // its window shows what it should
};

bool measureGameStartup(const std::string& gameExe, const e2e::GameArt& art, StartupSample* sample,
                        std::string* error);
bool measureEmptyDialogStartup(const std::string& dialogExe, StartupSample* sample,
                               std::string* error);

} // namespace bench
