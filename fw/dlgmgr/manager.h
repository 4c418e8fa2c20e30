// The dialog manager of every backend whose platform has none of its own:
// the windows of running dialogs and their controls, modal runs and their
// owners, the message queue and the one-message pump, the keyboard focus and
// the dialog keys, the platform's default processing, paint requests, and
// the system menu. Its rules are the platform's, written once.
//
// A backend is a host of the manager: it shows the manager's windows and
// hands it what a platform gives (raw input, the clock, drawing, the exit)
// through the Host interface below. The Win32 backend does not use this
// module: it runs on the platform's own dialog manager.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fw/afxwin.h"
#include "fw/common/dlg_template.h"

namespace dlgmgr {

// Added to a virtual key: pressed with Shift or Alt held.
constexpr int kShift = 0x10000;
constexpr int kAlt = 0x20000;

struct MenuItem {
    UINT flags;
    UINT_PTR id;
    std::string text;
    bool operator==(const MenuItem& o) const {
        return flags == o.flags && id == o.id && text == o.text;
    }
};

// What a host keeps for one of the manager's windows (its widgets).
struct HostView {
    virtual ~HostView() = default;
};

// A dialog or one of its controls.
struct Window {
    HWND hwnd = nullptr;
    CWnd* object = nullptr;
    std::unique_ptr<CWnd> ownObject; // a control's object belongs to the manager
    Window* dialog = nullptr;        // a control's dialog; null for a dialog
    int id = 0;
    std::string className;
    ControlKind kind = ControlKind::kOther;
    DWORD style = 0, exStyle = 0;
    std::string text;
    int textOrdinal = -1; // a resource number in place of a text (an icon control's icon)
    bool enabled = true;
    int check = 0;
    bool defaultLook = false; // a push button drawn as the one Enter clicks
    RECT rect = {0, 0, 0, 0}; // pixels, in the dialog's client area; a dialog's is its client
    std::unique_ptr<HostView> view;

    // Dialogs only.
    DlgTemplate tpl;
    DialogScale scale;
    std::vector<Window*> controls;       // template order
    std::vector<MenuItem> sysMenu;       // empty without WS_SYSMENU
    size_t firstAppended = 0;            // the items the program appended start here
    HICON icons[2] = {nullptr, nullptr}; // ICON_SMALL, ICON_BIG
    bool iconic = false;
    std::vector<RECT> invalid;                   // waiting to be painted
    const std::vector<RECT>* painting = nullptr; // being painted now
    bool open = false;                           // in the stack of running dialogs
    bool looping = false;                        // DoModal runs its loop
    bool ended = false;                          // EndDialog was called
    INT_PTR result = -1;
    HWND owner = nullptr;
    bool ownerDisabled = false; // this run disabled its owner
    HWND focus = nullptr;       // the control with the keyboard focus
    int defId = 0;              // the default button: the last BS_DEFPUSHBUTTON of the template

    bool IsDialog() const { return dialog == nullptr; }
    HMENU SysMenuHandle() const { return reinterpret_cast<HMENU>(hwnd); }
};

// A window handle no window ever has: input for it reaches nobody.
inline HWND NoWindow() {
    return reinterpret_cast<HWND>(~uintptr_t(0));
}

// Raw input, as the platform's input devices give it.
enum class InputKind { Press, Release, KeyDown, KeyUp, SysCommand, Move, Host };
struct Input {
    InputKind kind;
    HWND window = nullptr; // the dialog it is for; null: the one in front when taken
    int control = 0;       // Press, Release: the control's id, unless atPoint
    bool atPoint = false;  // Press, Release: at this point of the client area
    POINT point = {0, 0};
    int code = 0; // a key (with kShift, kAlt), a system command, or the host's own code
};

// What the manager takes from its queue, for a host that watches.
enum class TakenKind { Press, Release, KeyDown, KeyUp, Paint, SysCommand, Move, Host, Posted };
struct Taken {
    TakenKind kind;
    int code;        // control id, key, system command, a posted command's id
    HWND window;     // the dialog it goes to; null for input that no window takes
    bool dialogKeys; // taken by a modal loop rather than by the one-message pump
};

// What changed of a window, for the host to show.
enum class Change { Enabled, Text, Check, Focus, Icon, Iconic, Menu };

class Host {
public:
    virtual ~Host() = default;

    // Hands the manager the input the platform holds now (QueueInput,
    // Invalidate), without waiting.
    virtual void Poll() {}
    // Waits until more input may have come; false when none ever will.
    virtual bool Wait() = 0;
    virtual bool LoadTemplate(UINT id, DlgTemplate& out) = 0;
    // The scale a dialog is laid out at, given the one it asked for (maybe unset).
    virtual DialogScale ScaleFor(const DlgTemplate& tpl, const DialogScale& asked);

    // A dialog's window and controls were made (hidden), shown (after
    // OnInitDialog, placed over its owner), hidden (it ended), or are about
    // to go.
    virtual void Created(Window&) {}
    virtual void Shown(Window&) {}
    virtual void Hidden(Window&) {}
    virtual void Destroying(Window&) {}
    // The owner of a run that ended is in front again.
    virtual void Activated(Window&) {}
    virtual void Changed(Window&, Change) {}

    // Painting: the dialog's paint request begins (before WM_PAINT), and the
    // default painting of its background in the area being painted.
    virtual void BeginPaint(Window&) {}
    virtual void PaintBackground(Window&) {}
    // The background colour the default control-colour answer leaves on a surface.
    virtual void SetSurfaceBkColor(HDC, COLORREF) {}

    // For tests: a modal run answered without a window, the start and end of
    // every run, input of the host's own, and each message taken.
    virtual bool Scripted(CDialog&, INT_PTR*) { return false; }
    virtual void RunStarted(const CDialog&, const Window* /*owner*/, const Window* /*created*/) {}
    virtual void RunEnded(const CDialog&, INT_PTR) {}
    virtual void HostInput(int) {}
    virtual void Taking(const Taken&, bool /*handled*/) {}
};

// The host of this program; each backend defines it.
Host& TheHost();

// ---- Windows ----------------------------------------------------------------
Window* Find(HWND hwnd);
Window* Find(const CWnd* wnd);
// The running dialog in front, or null.
Window* Front();
// The running dialogs, bottom to top.
const std::vector<HWND>& Stack();
const std::map<HWND, std::unique_ptr<Window>>& Windows();
Window* ControlOf(Window* dlg, int id);
// The control that takes the mouse at a point of the client area: the first
// in template order that is visible, not transparent to the mouse (labels,
// frames, icons and group boxes are), and covers the point; null for none.
Window* ControlAt(Window* dlg, POINT point);
// The platform's background colours.
constexpr COLORREF kFaceColor = RGB(240, 240, 240);
constexpr COLORREF kWindowColor = RGB(255, 255, 255);
HBRUSH FaceBrush();
HBRUSH WindowBrush();

// ---- Running dialogs --------------------------------------------------------
// Builds and opens a dialog without a loop of its own, as DoModal starts it;
// null when its template is missing. Close takes an open dialog down.
Window* Open(CDialog& dlg);
void Close(Window* dlg);
// The modal loop: one message at a time while running() holds, waiting for
// the host when nothing is queued; returns when the host has no more input.
void RunLoop(const std::function<bool()>& running);

// ---- The queue ---------------------------------------------------------------
void QueueInput(const Input& input);
void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A part of a dialog's client area needs painting (the whole for null).
void Invalidate(Window* dlg, const RECT* area = nullptr);
// Takes one message: posted ones first, then input, then paint requests
// (the window furthest back first). With dialogKeys the dialog keys apply, as in
// a modal loop. False when nothing was waiting.
bool TakeOne(bool dialogKeys);
bool AnythingWaiting();
// Input, posted messages and paint requests waiting.
size_t WaitingCount();

// Sends a message to a window's procedure: its message map, else the
// platform's default processing.
LRESULT Send(Window* w, UINT message, WPARAM wParam, LPARAM lParam);
// A window asks its dialog for its colours before it paints on the surface,
// with the platform's kind of request for it.
LRESULT AskCtlColor(Window* w, HDC hdc);
// Sends the control's click to its dialog, as a mouse click or Space does.
void Click(Window* control);

// Forgets every window, the queue and the stack (tests).
void Reset();

// The platform's C runtime generator (multiply, add, bits 16 to 30).
void CrtSrand(unsigned seed);
int CrtRand();

} // namespace dlgmgr
