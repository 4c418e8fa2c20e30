#include "game_session.h"

#include <memory>

namespace e2e {

namespace {

std::unique_ptr<GameProcess>& sharedProcess() {
    static std::unique_ptr<GameProcess> process;
    return process;
}

} // namespace

HWND launchGame(TestContext& t, GameProcess& game) {
    if (!t.check(game.start(t.options().gameExe), game.error()))
        return nullptr;
    HWND window = game.waitForWindow(kGameTitle, kWindowTimeoutMs);
    if (!t.checkf(window != nullptr, "no window titled \"%s\" within %lu ms%s", kGameTitle,
                  static_cast<unsigned long>(kWindowTimeoutMs),
                  game.running() ? "" : " (the process ended)"))
        return nullptr;
    t.check(settleWindow(window, kWindowTimeoutMs), "the game window does not finish painting");
    return window;
}

HWND launchGameWithArt(TestContext& t, GameProcess& game, GameArt& art) {
    if (!t.checkf(art.load(t.options().gameExe), "game pictures: %s", art.error().c_str()))
        return nullptr;
    return launchGame(t, game);
}

HWND sharedGame(TestContext& t, DWORD* processId) {
    std::unique_ptr<GameProcess>& process = sharedProcess();
    HWND window = process ? findProcessWindow(process->id(), kGameTitle) : nullptr;
    if (!window || !IsWindowEnabled(window)) {
        process = std::make_unique<GameProcess>();
        window = launchGame(t, *process);
    }
    if (processId)
        *processId = process->id();
    return window;
}

void closeSharedGame() {
    sharedProcess().reset();
}

void expectExitStatus(TestContext& t, const GameProcess& game, DWORD expected) {
    DWORD status = 0;
    if (!t.checkf(game.waitForExit(kExitTimeoutMs, &status), "the game still runs after %lu ms",
                  static_cast<unsigned long>(kExitTimeoutMs)))
        return;
    t.checkf(status == expected, "exit status %lu, expected %lu",
             static_cast<unsigned long>(status), static_cast<unsigned long>(expected));
}

} // namespace e2e
