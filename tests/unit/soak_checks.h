// What must hold after every event of a long random session: each game
// window's enabled controls form one row of the game's state table, its
// number boxes show zeros or a valid draw, nothing drawn is held, and every
// modal run is finished or running.
#pragma once

#include <string>

#include "fw/sim/sim.h"

namespace soak {

// The first broken rule, described; empty when all hold.
std::string CheckInvariants();

// Whether ending the process while taking this event is the game window's
// cancel action (or "Exit" of the end-of-game dialog): empty when it is.
// The template of the window it went to (0 for none) and the control that
// had the focus are those at the moment it was taken.
std::string CheckExit(const sim::TakenEvent& event, UINT templateId, int focused, int status);

} // namespace soak
