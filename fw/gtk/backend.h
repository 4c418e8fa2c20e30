// What the GTK backend keeps about the dialogs it runs and their controls,
// shared by its source files. Everything runs on the one user-interface
// thread. A window handle (HWND) is the address of a BackendWindow: a dialog
// run or one of its controls.
#pragma once

#include "fw/gtk/toolkit.h"

#include <memory>
#include <string>
#include <vector>

#include "fw/afxwin.h"
#include "fw/common/dlg_template.h"

struct DialogRun;

struct BackendWindow {
    enum Kind { kDialog, kControl } kind;
    explicit BackendWindow(Kind k) : kind(k) {}
    virtual ~BackendWindow() = default;
};

// The kinds of control a template item becomes.
enum class ControlKind {
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kLabel,
    kNumberBox,
    kFrame,
    kIcon,
    kOther
};

struct Control : BackendWindow {
    Control() : BackendWindow(kControl) {}
    DialogRun* run = nullptr;
    CWnd wrapper; // the framework object handed out for this control
    ControlKind kind = ControlKind::kOther;
    GtkWidget* widget = nullptr;
    int id = 0;
    uint32_t style = 0;
    GdkRectangle rect = {0, 0, 0, 0}; // in the dialog's client area
    std::string text;                 // as the template or SetWindowText gave it
    bool settingCheck = false;        // a check set by the program, not a click
};

// The system menu of a window, shown as a menu bar above its client area
// (the window manager owns the real window menu).
struct SystemMenu {
    DialogRun* run = nullptr;
    GtkWidget* bar = nullptr; // created with the first item
};

struct DialogRun : BackendWindow {
    explicit DialogRun(CDialog* dlg) : BackendWindow(kDialog), dialog(dlg) {}
    CDialog* dialog;
    DlgTemplate tpl;
    GtkWidget* window = nullptr;
    GtkWidget* box = nullptr;    // menu bar (if any) above the canvas
    GtkWidget* canvas = nullptr; // the client area
    int clientWidth = 0, clientHeight = 0;
    std::vector<std::unique_ptr<Control>> controls; // template order
    SystemMenu sysMenu;
    DialogRun* owner = nullptr; // disabled while this run lasts
    bool ended = false;
    int result = IDCANCEL;
    cairo_region_t* pendingPaint = nullptr; // exposed, not yet painted
    cairo_region_t* paintRegion = nullptr;  // being painted now
    COLORREF textBand = 0;
    bool hasTextBand = false;
};

// The innermost dialog run, the one in front; null when none runs.
DialogRun* InnermostRun();
Control* ControlOf(HWND hWnd);
DialogRun* DialogOf(HWND hWnd);
inline HWND HandleOf(BackendWindow* w) {
    return reinterpret_cast<HWND>(w);
}

// Sends a command of a control to its dialog, as the platform's controls
// notify their parent.
void SendCommand(DialogRun* run, int id);
// Routes one message through the dialog's message map; unhandled, gives it
// the default handling.
LRESULT SendToDialog(DialogRun* run, UINT message, WPARAM wParam, LPARAM lParam);

// Paint requests: an area of the client that the window system exposed.
void AddPendingPaint(DialogRun* run, const cairo_rectangle_int_t& area);
// Answers one waiting paint request, if any; returns whether there was one.
bool PaintOneWaiting();

// Window styles of the templates.
constexpr uint32_t kWsTabStop = 0x00010000;
constexpr uint32_t kWsGroup = 0x00020000;
constexpr uint32_t kWsSysMenu = 0x00080000;
constexpr uint32_t kWsMinimizeBox = 0x00020000; // on a window, not a control
constexpr uint32_t kWsDisabled = 0x08000000;
constexpr uint32_t kWsVisible = 0x10000000;
constexpr uint32_t kDsCenter = 0x0800;
