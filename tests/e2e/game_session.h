// Starting the game for a test: launch, wait for its window and for its first
// paint, recording a failure when any step does not happen in time.
#pragma once

#include "game_process.h"
#include "player_art.h"
#include "test_runner.h"

namespace e2e {

constexpr const char* kGameTitle = "Quintaro v2.0";
constexpr DWORD kWindowTimeoutMs = 15000;
constexpr DWORD kExitTimeoutMs = 10000;

// Starts a game of its own for a test; nullptr (and a failure) if no window.
HWND launchGame(TestContext& t, GameProcess& game);
// The same for a test that watches the game's pictures: reads them from the
// game's program first; nullptr (and a failure) if they or the window are missing.
HWND launchGameWithArt(TestContext& t, GameProcess& game, GameArt& art);

// One game shared by the tests that only look at the opened window, so each
// of them does not pay for a start. Started again if it has gone.
HWND sharedGame(TestContext& t, DWORD* processId = nullptr);
void closeSharedGame();

// Waits for the process to end and checks its status; a game still running
// after the timeout is a failure (and is killed when the process object goes).
void expectExitStatus(TestContext& t, const GameProcess& game, DWORD expected);

} // namespace e2e
