// The simulated platform, as tests drive and inspect it: a host of the
// shared dialog manager (fw/dlgmgr) where game code runs natively, windows
// are built from the compiled resources' templates, time is a virtual clock
// in milliseconds, and input is a script of events handed to the manager
// when due. What the sim adds of its own:
// - It never invalidates a window by itself, beyond the paint request of a
//   window being shown: paints happen when a test schedules them.
// - A modal loop with nothing due moves the clock to the next event; when
//   the script is exhausted DoModal returns -1. The pump never moves the clock.
// - A modal run with a scripted answer creates no window: its owner is
//   disabled, the clock moves on by the hold time, input due meanwhile is
//   dropped, and the answer returns.
// - AfxExit throws ProcessExit, a move of the clock past the deadline throws
//   Deadline (a loop waiting for input that never comes would never end);
//   both take the running dialogs down. Reset() before the next test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/afxwin.h"
#include "fw/dlgmgr/manager.h"

namespace sim {

// ---- The process, the clock and the random source -------------------------

struct ProcessExit {
    int status;
};
struct Deadline {
    long long atMs;
};

// Fresh state: clock 0, default epoch and deadline, no windows, no events,
// no answers, counters and logs cleared, the C runtime's generator back.
void Reset();

long long Now();
// Calendar seconds at clock 0 (AfxTime = epoch + clock / 1000).
void SetEpoch(long long seconds);
constexpr long long kDefaultEpoch = 1000000000;
// Absolute virtual time beyond which the clock may not move.
void SetDeadline(long long atMs);

// Replaces the generator behind AfxRand: AfxRand returns what the function
// returns, unreduced. An empty function brings the C runtime's generator back.
void SetRandomSource(std::function<int()> source);
// Every seed given to AfxSrand, in order.
const std::vector<unsigned>& Seeds();

// ---- Scripted input ---------------------------------------------------------
// `window` null means the window in front when the event is handled; a named
// window that is not in front and enabled then drops its input. A click (a
// press and a release) and a key (down and up) are two events.

constexpr int kWithShift = dlgmgr::kShift; // added to a key: Shift+Tab

void ScheduleClick(long long atMs, int controlId, const CWnd* window = nullptr);
void SchedulePress(long long atMs, int controlId, const CWnd* window = nullptr);
void ScheduleRelease(long long atMs, int controlId, const CWnd* window = nullptr);
void ScheduleKey(long long atMs, int vk, const CWnd* window = nullptr);
// The window becomes invalid at that time and is painted when nothing else waits.
void SchedulePaint(long long atMs, const CWnd* window = nullptr);
// A system-menu command, or the close box (SC_CLOSE).
void ScheduleSysCommand(long long atMs, UINT code, const CWnd* window = nullptr);
// A test's look at the state at that moment, run when the event is taken
// (by the window in front, as input is); it takes one turn of the pump.
void ScheduleLook(long long atMs, std::function<void()> look);
// count separate input events that do nothing (mouse moves), each taking one
// turn of the pump.
void ScheduleBurst(long long atMs, int count);
// Events not yet handled, paint requests included.
size_t PendingEvents();

// The control with the focus in the dialog (null: the front one), or 0.
int FocusedId(const CWnd* window = nullptr);

// ---- Watching the platform take events -------------------------------------

using Taken = dlgmgr::TakenKind; // Host: a test's look
struct TakenEvent {
    Taken kind;
    int code;           // control id, key, system command, or a posted command's id
    const CWnd* window; // the dialog it goes to; null for input that no window takes
    bool dialogKeys;    // taken by a modal loop rather than by AfxPumpWaitingMessage
};
// `before` runs as each event is taken, ahead of its handling; `after` once
// it has been handled, unless that ended the process. Empty functions stop
// watching.
void WatchEvents(std::function<void(const TakenEvent&)> before,
                 std::function<void(const TakenEvent&)> after);

// ---- Modal runs -------------------------------------------------------------

// The next DoModal of this template returns `result` after the player kept
// the dialog open for holdMs, without creating it. Answers are used in the
// order given; the last one stays in force for every later run.
void AnswerModal(UINT templateId, INT_PTR result, long long holdMs = 0);

struct ModalRun {
    UINT templateId;
    const CWnd* dialog; // identity only: the object may be gone
    const CWnd* owner;  // null when no window was in front
    long long startMs;
    long long endMs; // -1 while running
};
// Every DoModal, in the order the runs started.
const std::vector<ModalRun>& ModalRuns();

// Opens a dialog without a modal loop, as DoModal would start it: built from
// its template, in front (the previous front window owns it and is
// disabled), OnInitDialog called. False when its template is missing.
bool Open(CDialog& dialog);
// Handles events as the front window's modal loop would, moving the clock
// to each, until none is left or an opened dialog ends.
void RunUntilIdle();
// Handles one due event as AfxPumpWaitingMessage does; false when none is due.
bool PumpOne();

// ---- Windows ----------------------------------------------------------------
// Functions taking a window and a control id look in that dialog, or in the
// front dialog when it is null, and throw std::out_of_range when there is no
// such window or control. A dialog stays readable after its run ends, until
// its object is destroyed.

// The dialog in front; null when none, or when a scripted run is in front.
CDialog* Front();
// Running or open, bottom to top.
std::vector<CDialog*> OpenDialogs();
bool IsWindowEnabled(const CWnd& dialog);

std::string Text(int controlId, const CWnd* window = nullptr);
bool IsEnabled(int controlId, const CWnd* window = nullptr);
int Check(int controlId, const CWnd* window = nullptr);

using dlgmgr::MenuItem;
std::vector<MenuItem> SystemMenu(const CWnd& dialog); // top to bottom

HICON WindowIcon(const CWnd& dialog, bool big);
void SetIconic(const CWnd& dialog, bool iconic);

// A control-colour request as a control (or, for id 0, the dialog itself)
// makes it when it paints: the background colour it leaves on the surface.
COLORREF RequestCtlColor(int controlId, const CWnd* window = nullptr);

// ---- Drawing and resources --------------------------------------------------

// One drawing: an image of an image list, or (list null) an icon.
struct DrawCall {
    const CWnd* window; // the dialog of the surface
    int controlId;      // the control of the surface; 0 for the dialog's paint surface
    const CImageList* list;
    int image;
    HICON icon;
    int x, y;
    long long atMs;
};
const std::vector<DrawCall>& DrawLog();
void ClearDrawLog();
// The draws of one control, in order (window null: any window).
std::vector<DrawCall> DrawsOn(int controlId, const CWnd* window = nullptr);

// Surfaces handed out by GetDC and CPaintDC and not given back, and all of
// them; bitmaps loaded and not deleted, and all loads.
int LiveSurfaces();
int SurfacesTaken();
int LiveBitmaps();
int BitmapsLoaded();
int LiveImageLists();

struct ImageInfo {
    int resourceId; // bitmap it was copied from
    COLORREF mask;
};
struct ImageListInfo {
    int cx, cy;
    std::vector<ImageInfo> images;
};
ImageListInfo DescribeImageList(const CImageList& list);

// While one lives, image lists cannot be created nor bitmaps loaded, as
// when the process has run out of address space.
struct NoRoomForPictures {
    static inline bool on = false;
    NoRoomForPictures() { on = true; }
    ~NoRoomForPictures() { on = false; }
};

// The icon resource a handle was loaded from; -1 for a handle the sim never made.
int IconResource(HICON icon);

} // namespace sim
