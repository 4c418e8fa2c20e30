// The simulated platform's own state, shared by the files of fw/sim: the
// clock, the script of input, and what tests count and log. Windows, the
// queue and the dialog rules are the dialog manager's.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fw/dlgmgr/manager.h"
#include "fw/sim/sim.h"

namespace sim::internal {

using dlgmgr::Window;
constexpr long long kDefaultDeadlineMs = 60LL * 60 * 1000;

// A scripted event; paint requests invalidate their window when due.
struct Event {
    long long at;
    dlgmgr::InputKind kind; // Host: a test's look
    bool paint;
    int code; // control id, virtual key, system command or look
    const CWnd* target;
};

struct Surface {
    HWND window; // the control or dialog it belongs to
    COLORREF bkColor = RGB(255, 255, 255);
    bool handedOut = false;      // by GetDC or CPaintDC, so counted
    const CDC* object = nullptr; // the object GetDC made for it
};

struct Bitmap {
    int resourceId;
    int width, height;
};

struct Answer {
    INT_PTR result;
    long long holdMs;
};

struct State {
    long long now = 0;
    long long epoch = kDefaultEpoch;
    long long deadline = kDefaultDeadlineMs;

    std::vector<Event> events; // ordered by time, then by scheduling
    std::vector<std::function<void()>> looks;

    std::map<UINT, std::vector<Answer>> answers;
    std::vector<ModalRun> runs;

    std::map<HDC, Surface> surfaces;
    int surfacesTaken = 0, liveSurfaces = 0;
    std::map<HBITMAP, Bitmap> bitmaps;
    int bitmapsLoaded = 0;
    std::map<const void*, ImageListInfo> imageLists;
    std::vector<DrawCall> drawLog;

    std::function<void(const TakenEvent&)> beforeTaking, afterTaking;

    std::function<int()> randomSource;
    std::vector<unsigned> seeds;
};

State& S();

// A fresh handle value for surfaces and bitmaps.
uintptr_t NewHandle();
// Moves the clock forward; throws Deadline past the deadline.
void AdvanceClockTo(long long atMs);
// The time of the next scripted event, or -1.
long long NextEventTime();
// Hands the manager every event due by now.
void QueueDueEvents();
void DropEventsFor(const CWnd* target);
// Input due in (from, to] went to a dialog answered by the script: dropped.
void DropInputBetween(long long from, long long to);

// Resources (resources.cpp).
bool LoadDialogTemplate(UINT id, DlgTemplate& out);

// Surfaces (gdi.cpp). LogDraw is false for a surface the sim does not know.
HDC NewSurface(HWND window, bool handedOut);
void FreeSurface(HDC hdc);
bool LogDraw(HDC hdc, const CImageList* list, int image, HICON icon, int x, int y);

} // namespace sim::internal
