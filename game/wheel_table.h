// The tables that drive the game: the six wheels and their controls, the
// game types and their ranges, and the play levels and their speeds.
#pragma once

enum {
    kWheelCount = 6, // wheels 1 to 5 carry the main numbers
    kWheelB = 5,     // the sixth wheel carries the bonus number
    kMainWheelCount = 5,
};

enum GameType { kSuper = 0, kPower = 1, kMega = 2, kGameTypeCount = 3 };

enum PlayLevel { kEasy = 0, kChallenging = 1, kLevelCount = 2 };

struct WheelControls {
    int luckyBox; // read-only box of the wheel's lucky number
    int spin;     // "Spin" button
    int stop;     // "Stop" button
    int picture;  // picture control the wheel is drawn into
};

extern const WheelControls kWheels[kWheelCount];

struct GameTypeRanges {
    int mainMax;  // highest main number
    int bonusMax; // highest bonus number
};

extern const GameTypeRanges kGameTypes[kGameTypeCount];

// Milliseconds before each new frame of a spinning wheel, wheels 1 to 5
// and B: wheel 1 is always the slowest.
extern const int kLevelDelays[kLevelCount][kWheelCount];

// The controls that choose the game type and the level, locked during a game.
extern const int kSettingsControls[5];
