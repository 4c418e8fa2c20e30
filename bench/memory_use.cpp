#include "memory_use.h"

#include "game_process.h"
#include "mouse_keys.h"
#include "player.h"
#include "player_win.h"
#include "window_query.h"
#include "res/resource.h"

#include <psapi.h>

#include <algorithm>

namespace bench {

using namespace e2e;

namespace {

constexpr const char* kGameTitle = "Quintaro v2.0";
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kSettleMs = 500;
constexpr int kWinAttempts = 5;

// Frames of the eighteen strips: per game type five main wheels and the bonus.
constexpr int kMainRanges[] = {47, 59, 75};
constexpr int kBonusRanges[] = {27, 35, 15};
constexpr size_t kFrameBytes = 72 * 72 * 3;

bool fail(std::string* error, const std::string& why) {
    *error = why;
    return false;
}

MemorySample sampleOf(DWORD processId, const std::string& when, int gameWindows) {
    MemorySample sample;
    sample.when = when;
    sample.gameWindows = gameWindows;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return sample;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        // Wine reports another process's private bytes as its page-file usage.
        sample.privateBytes =
            counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
        sample.workingSet = counters.WorkingSetSize;
    }
    // Zero means "not reported" here: a running game window holds objects.
    if (const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS))
        sample.gdiObjects = static_cast<long>(gdi);
    if (const DWORD user = GetGuiResources(process, GR_USEROBJECTS))
        sample.userObjects = static_cast<long>(user);
    MEMORY_BASIC_INFORMATION region;
    for (char* at = nullptr;
         VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;) {
        if (region.State != MEM_FREE)
            sample.addressInUse += region.RegionSize;
        char* next = static_cast<char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    CloseHandle(process);
    return sample;
}

// Reserves all the address space the process has left, biggest blocks
// first, and gives it back (all but leaveFree bytes, when that is >= 0).
// Returns the bytes it could reserve.
size_t takeAddressSpace(DWORD processId, long long leaveFree) {
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process)
        return 0;
    std::vector<std::pair<void*, size_t>> blocks;
    size_t total = 0;
    for (size_t size = size_t(64) << 20; size >= 0x10000; size /= 2)
        while (void* at = VirtualAllocEx(process, nullptr, size, MEM_RESERVE, PAGE_NOACCESS)) {
            blocks.push_back({at, size});
            total += size;
        }
    size_t giveBack = leaveFree < 0 ? total : static_cast<size_t>(leaveFree);
    for (const auto& [at, size] : blocks)
        if (size <= giveBack) {
            VirtualFreeEx(process, at, 0, MEM_RELEASE);
            giveBack -= size;
        }
    CloseHandle(process);
    return total;
}

// Lets the game finish what it is doing before a sample.
void settle(HWND window) {
    settleWindow(window, kTimeoutMs);
    Sleep(kSettleMs);
}

// One game lost on purpose (wheel 1 stopped on a blank), then "Try Again".
bool missAndTryAgain(HWND window, Player& player, std::string* error) {
    constexpr int kBlankAfterTwo = 4;
    if (!player.drawNumbers() || !player.startSpin(0) || !player.stopOnFrame(0, kBlankAfterTwo))
        return fail(error, player.error());
    HWND tryAgain = GetDlgItem(window, IDOK);
    if (!waitUntil([&] { return IsWindowEnabled(tryAgain) != 0; }, kTimeoutMs) ||
        !clickWindow(tryAgain))
        return fail(error, "\"Try Again\" cannot be clicked after a miss");
    if (!waitUntil([&] { return IsWindowEnabled(GetDlgItem(window, IDC_GET_LUCKY)) != 0; },
                   kTimeoutMs))
        return fail(error, "\"Get Lucky Numbers\" stays disabled after \"Try Again\"");
    return true;
}

// Wins the window's game at the faster level and answers "Play Again";
// the new game window in *next.
bool winAndPlayAgain(DWORD processId, HWND window, const GameArt& art,
                     const std::vector<HWND>& known, HWND* next, std::string* error) {
    Player player(window, art);
    if (!player.choose(IDC_CHALLENGING) || !player.playToWin(kWinAttempts))
        return fail(error, player.error());
    HWND dialog = nullptr;
    if (!waitUntil([&] { return (dialog = findProcessWindow(processId, kEndOfGameTitle)); },
                   kTimeoutMs) ||
        !clickWindow(GetDlgItem(dialog, IDOK)))
        return fail(error, "no end-of-game dialog to answer \"Play Again\"");
    std::vector<HWND> windows;
    if (!waitUntil(
            [&] { return (windows = processWindows(processId, kGameTitle)).size() > known.size(); },
            kTimeoutMs))
        return fail(error, "no new game window after \"Play Again\"");
    for (HWND w : windows)
        if (std::find(known.begin(), known.end(), w) == known.end())
            *next = w;
    return true;
}

} // namespace

size_t stripPictureBytes() {
    size_t frames = 0;
    for (int type = 0; type < 3; ++type)
        frames += 5 * 2 * kMainRanges[type] + 2 * kBonusRanges[type];
    return frames * kFrameBytes;
}

bool measureMemoryUse(const std::string& gameExe, const GameArt& art, int tryAgainGames,
                      int nestedGames, long long leaveFree,
                      const std::function<void(const MemorySample&)>& onSample,
                      std::vector<MemorySample>* samples, size_t* reservable, std::string* error) {
    GameProcess game;
    const auto take = [&](const std::string& when, int gameWindows) {
        samples->push_back(sampleOf(game.id(), when, gameWindows));
        onSample(samples->back());
    };
    if (!game.start(gameExe))
        return fail(error, game.error());
    HWND window = game.waitForWindow(kGameTitle, kTimeoutMs);
    if (!window)
        return fail(error, "the game window did not open");
    settle(window);
    take("after start", 1);
    // The driver runs with the game's word size; 64-bit space does not run out.
    *reservable = sizeof(void*) == 4 ? takeAddressSpace(game.id(), leaveFree) : 0;

    Player player(window, art);
    if (!player.choose(IDC_CHALLENGING))
        return fail(error, player.error());
    for (int g = 0; g < tryAgainGames; ++g)
        if (!missAndTryAgain(window, player, error))
            return false;
    settle(window);
    take("after " + std::to_string(tryAgainGames) + " games, Try Again", 1);

    std::vector<HWND> windows = {window};
    for (int g = 1; g <= nestedGames; ++g) {
        HWND next = nullptr;
        if (!winAndPlayAgain(game.id(), windows.back(), art, windows, &next, error))
            return false;
        windows.push_back(next);
        settle(next);
        take("after win " + std::to_string(g) + ", nested", static_cast<int>(windows.size()));
    }
    clickWindow(GetDlgItem(windows.back(), IDCANCEL));
    DWORD status = 0;
    game.waitForExit(kTimeoutMs, &status);
    return true;
}

} // namespace bench
