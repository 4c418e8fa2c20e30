#include "game/wheel_table.h"

#include "res/resource.h"

const WheelControls kWheels[kWheelCount] = {
    {IDC_LUCKY1, IDC_SPIN1, IDC_STOP1, IDC_WHEEL1}, {IDC_LUCKY2, IDC_SPIN2, IDC_STOP2, IDC_WHEEL2},
    {IDC_LUCKY3, IDC_SPIN3, IDC_STOP3, IDC_WHEEL3}, {IDC_LUCKY4, IDC_SPIN4, IDC_STOP4, IDC_WHEEL4},
    {IDC_LUCKY5, IDC_SPIN5, IDC_STOP5, IDC_WHEEL5}, {IDC_LUCKYB, IDC_SPINB, IDC_STOPB, IDC_WHEELB},
};

const GameTypeRanges kGameTypes[kGameTypeCount] = {
    {47, 27}, // Super
    {59, 35}, // Power
    {75, 15}, // Mega
};

const int kLevelDelays[kLevelCount][kWheelCount] = {
    {400, 330, 270, 250, 230, 200}, // Easy
    {230, 210, 190, 160, 130, 100}, // Challenging
};

const int kSettingsControls[5] = {IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA};
