// The simulated platform's own state, shared by the files of fw/sim.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fw/common/dlg_template.h"
#include "fw/common/wnd_backend.h"
#include "fw/sim/sim.h"

namespace sim::internal {

constexpr DWORD kWsTabStop = 0x00010000L;
#ifndef WS_DISABLED
constexpr DWORD WS_DISABLED = 0x08000000L;
#endif
constexpr DWORD kWsSysMenu = 0x00080000L;
constexpr DWORD kEsReadOnly = 0x0800;
constexpr UINT kMfByPosition = 0x0400;
constexpr UINT kScSize = 0xF000;
constexpr UINT kScMaximize = 0xF030;
constexpr COLORREF kWindowColor = RGB(255, 255, 255);
constexpr COLORREF kClrInvalid = 0xFFFFFFFF;
constexpr long long kDefaultDeadlineMs = 60LL * 60 * 1000;

// Button kinds, the low four style bits; the sim models only those the game
// uses.
enum ButtonKind {
    kBsPushButton = 0,
    kBsDefPushButton = 1,
    kBsCheckBox = 2,
    kBsAutoCheckBox = 3,
    kBsRadioButton = 4,
    kBsGroupBox = 7,
    kBsAutoRadioButton = 9,
};

// A dialog or one of its controls.
struct Window {
    HWND hwnd = nullptr;
    CWnd* object = nullptr;
    std::unique_ptr<CWnd> ownObject; // a control's object belongs to the sim
    Window* dialog = nullptr;        // a control's dialog; null for a dialog
    int id = 0;
    std::string className;
    DWORD style = 0, exStyle = 0;
    std::string text;
    bool enabled = true;
    int check = 0;
    long width = 0, height = 0; // pixels

    // Dialogs only.
    UINT templateId = 0;
    std::vector<Window*> controls; // template order
    HMENU sysMenuHandle = nullptr;
    std::vector<MenuItem> sysMenu;
    HICON icons[2] = {nullptr, nullptr}; // ICON_SMALL, ICON_BIG
    bool iconic = false;
    bool needsPaint = false;
    bool open = false;   // in the stack of running dialogs
    bool opened = false; // by sim::Open, not by DoModal
    bool ended = false;
    INT_PTR result = -1;
    HWND owner = nullptr;
    bool ownerDisabled = false; // this run disabled its owner
    HWND focus = nullptr;       // the control with the keyboard focus

    bool IsDialog() const { return dialog == nullptr; }
};

// A scripted event. Paint requests are turned into Window::needsPaint when due.
enum class EventKind { Press, Release, KeyDown, KeyUp, Paint, SysCommand, Dummy, Look };
struct Event {
    long long at;
    uint64_t seq;
    EventKind kind;
    int code; // control id, virtual key or system command
    const CWnd* target;
};

// A message posted by the platform itself.
struct Posted {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
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

    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> stack; // running dialogs, bottom to top; null for a scripted run
    HWND capture = nullptr;  // the button that took a press

    std::vector<Event> events;                // ordered by time, then by scheduling
    std::vector<std::function<void()>> looks; // run by Look events, by index
    uint64_t nextSeq = 0;
    std::deque<Posted> posted;

    std::map<UINT, std::deque<Answer>> answers;
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
    int exitStatus = -1;
};

State& S();

// A fresh handle value; never repeats, also across Reset.
uintptr_t NewHandle();

Window* Find(HWND hwnd);
Window* Find(const CWnd* wnd);
// The dialog in front, or null (none, or a scripted run).
Window* FrontWindow();
// Moves the clock forward; throws Deadline past the deadline.
void AdvanceClockTo(long long atMs);

// Windows (windows.cpp).
Window* CreateDialogWindow(CDialog& dlg, const DlgTemplate& tpl);
void DestroyDialogWindow(Window* dlg);
bool IsButtonOfKind(const Window* w, std::initializer_list<ButtonKind> kinds);
bool IsRadio(const Window* w);
bool ClickMayReach(const Window* control);
void CancelCaptureWithin(const Window* w);

// The items a system menu starts with (menu.cpp).
std::vector<MenuItem> InitialSystemMenu();

// Resources (resources.cpp).
bool LoadDialogTemplate(UINT id, DlgTemplate& out);

// The platform's default processing (default_proc.cpp).
LRESULT DefaultProc(Window* w, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT Send(Window* w, UINT message, WPARAM wParam, LPARAM lParam);

// Events (events.cpp): one due event, with or without the dialog keyboard
// handling; the time of the next event, or -1.
bool TakeOne(bool dialogKeys);
long long NextEventTime();
void DropEventsFor(const CWnd* target);
// Input due in (from, to] went to a scripted dialog in front: dropped.
void DropInputBetween(long long from, long long to);

// The keyboard (keyboard.cpp): the focus a dialog starts with, and the keys
// of the dialog manager and of the focused button.
void SetFirstFocus(Window* dlg);
void HandleKey(Window* dlg, int vk, bool down, bool dialogKeys);
// A button that reports its click, as a mouse click or Space makes it.
void Click(Window* control);
Window* ControlOf(Window* dlg, int id);

// Surfaces (gdi.cpp). LogDraw is false for a surface the sim does not know.
HDC NewSurface(HWND window, bool handedOut);
void FreeSurface(HDC hdc);
bool LogDraw(HDC hdc, const CImageList* list, int image, HICON icon, int x, int y);

// Modal runs (modal.cpp).
void PushDialog(Window* w, CWnd* parent);
void PopDialog(Window* w);

} // namespace sim::internal
