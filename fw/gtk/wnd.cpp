// CWnd on the toolkit's widgets. A dialog we run is its own CWnd; each of its
// controls has one wrapper object that lives as long as the run.
#include "fw/gtk/canvas.h"
#include "fw/gtk/controls.h"
#include "fw/gtk/resources.h"

// The backend's access to the framework objects' internals.
class CWndBackend {
public:
    static const AFX_MSG& CurrentMsg(const CWnd& wnd) { return wnd.m_currentMsg; }
    static CMenu& SysMenuWrapper(CWnd& wnd) { return wnd.m_sysMenu; }
};

namespace {

// What the platform does with a message the dialog leaves unhandled.
LRESULT DefaultFor(DialogRun* run, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_PAINT:
        // The dialog's own background, in the area being repainted.
        if (run->paintRegion)
            CanvasClear(run->canvas, CanvasLayer::kUnder, run->paintRegion);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendCommand(run, IDCANCEL);
            break;
        case SC_MINIMIZE:
            gtk_window_iconify(GTK_WINDOW(run->window));
            break;
        case SC_RESTORE:
            gtk_window_deiconify(GTK_WINDOW(run->window));
            break;
        }
        return 0;
    default:
        return 0;
    }
}

void Uncover(Control* control) {
    CanvasUncoverRect(control->run->canvas, control->rect);
}

} // namespace

LRESULT SendToDialog(DialogRun* run, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!run->dialog->OnWndMsg(message, wParam, lParam, &result))
        result = DefaultFor(run, message, wParam);
    return result;
}

void SendCommand(DialogRun* run, int id) {
    CWnd* control = run->dialog->GetDlgItem(id);
    SendToDialog(run, WM_COMMAND, WPARAM(id & 0xFFFF) | WPARAM(BN_CLICKED) << 16,
                 reinterpret_cast<LPARAM>(control ? control->GetSafeHwnd() : nullptr));
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (Control* control = ControlOf(hWnd))
        return &control->wrapper;
    if (DialogRun* run = DialogOf(hWnd))
        return run->dialog;
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    DialogRun* run = DialogOf(m_hWnd);
    if (!run)
        return nullptr;
    for (const auto& control : run->controls)
        if (control->id == nID)
            return &control->wrapper;
    return nullptr;
}

int CWnd::GetDlgCtrlID() const {
    Control* control = ControlOf(m_hWnd);
    return control ? control->id : 0;
}

CWnd* CWnd::GetNextWindow() const {
    Control* control = ControlOf(m_hWnd);
    if (!control)
        return nullptr;
    const auto& controls = control->run->controls;
    for (size_t i = 0; i + 1 < controls.size(); ++i)
        if (controls[i].get() == control)
            return &controls[i + 1]->wrapper;
    return nullptr;
}

DWORD CWnd::GetStyle() const {
    if (Control* control = ControlOf(m_hWnd))
        return control->style;
    DialogRun* run = DialogOf(m_hWnd);
    return run ? run->tpl.style : 0;
}

bool CWnd::IsRadioButton() const {
    Control* control = ControlOf(m_hWnd);
    return control && control->kind == ControlKind::kRadioButton;
}

// Returns whether the window was disabled before. A control whose state
// changes draws itself again, over any picture drawn across it.
BOOL CWnd::EnableWindow(BOOL bEnable) {
    GtkWidget* widget = nullptr;
    Control* control = ControlOf(m_hWnd);
    if (control)
        widget = control->widget;
    else if (DialogRun* run = DialogOf(m_hWnd))
        widget = run->window;
    if (!widget)
        return FALSE;
    const bool wasEnabled = gtk_widget_get_sensitive(widget);
    gtk_widget_set_sensitive(widget, bEnable != FALSE);
    if (control && wasEnabled != (bEnable != FALSE))
        Uncover(control);
    return !wasEnabled;
}

BOOL CWnd::IsWindowEnabled() const {
    if (Control* control = ControlOf(m_hWnd))
        return gtk_widget_get_sensitive(control->widget);
    DialogRun* run = DialogOf(m_hWnd);
    return run && gtk_widget_get_sensitive(run->window);
}

void CWnd::SetWindowText(const char* text) {
    if (Control* control = ControlOf(m_hWnd)) {
        control->text = text ? text : "";
        ShowText(*control);
        Uncover(control);
    } else if (DialogRun* run = DialogOf(m_hWnd)) {
        gtk_window_set_title(GTK_WINDOW(run->window), text ? text : "");
    }
}

std::string CWnd::GetWindowText() const {
    if (Control* control = ControlOf(m_hWnd)) {
        if (control->kind == ControlKind::kNumberBox)
            return gtk_entry_get_text(GTK_ENTRY(control->widget));
        return control->text;
    }
    DialogRun* run = DialogOf(m_hWnd);
    const char* title = run ? gtk_window_get_title(GTK_WINDOW(run->window)) : nullptr;
    return title ? title : "";
}

void CWnd::SetCheck(int nCheck) {
    Control* control = ControlOf(m_hWnd);
    if (!control || !GTK_IS_TOGGLE_BUTTON(control->widget))
        return;
    GtkToggleButton* toggle = GTK_TOGGLE_BUTTON(control->widget);
    if (gtk_toggle_button_get_active(toggle) == (nCheck != 0))
        return;
    // The toolkit reports a change of state as a click; this one is not.
    control->settingCheck = true;
    gtk_toggle_button_set_active(toggle, nCheck != 0);
    control->settingCheck = false;
    Uncover(control);
}

int CWnd::GetCheck() const {
    Control* control = ControlOf(m_hWnd);
    if (!control || !GTK_IS_TOGGLE_BUTTON(control->widget))
        return 0;
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(control->widget)) ? 1 : 0;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRun* run = DialogOf(m_hWnd);
    return run ? SendToDialog(run, message, wParam, lParam) : 0;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL) {
    DialogRun* run = DialogOf(m_hWnd);
    const IconImages* icon = IconOf(hIcon);
    if (!run || !icon)
        return nullptr;
    GList* list = nullptr;
    for (GdkPixbuf* image : icon->images)
        list = g_list_append(list, image);
    gtk_window_set_icon_list(GTK_WINDOW(run->window), list);
    g_list_free(list);
    return nullptr;
}

CMenu* CWnd::GetSystemMenu(BOOL) {
    DialogRun* run = DialogOf(m_hWnd);
    if (!run || !(run->tpl.style & kWsSysMenu))
        return nullptr;
    run->sysMenu.run = run;
    CMenu& menu = CWndBackend::SysMenuWrapper(*this);
    menu.m_hMenu = reinterpret_cast<HMENU>(&run->sysMenu);
    return &menu;
}

BOOL CWnd::IsIconic() const {
    DialogRun* run = DialogOf(m_hWnd);
    GdkWindow* window = run ? gtk_widget_get_window(run->window) : nullptr;
    return window && (gdk_window_get_state(window) & GDK_WINDOW_STATE_ICONIFIED);
}

void CWnd::GetClientRect(RECT* rect) const {
    if (!rect)
        return;
    *rect = RECT{0, 0, 0, 0};
    if (Control* control = ControlOf(m_hWnd)) {
        rect->right = control->rect.width;
        rect->bottom = control->rect.height;
    } else if (DialogRun* run = DialogOf(m_hWnd)) {
        rect->right = run->clientWidth;
        rect->bottom = run->clientHeight;
    }
}

LRESULT CWnd::Default() {
    DialogRun* run = DialogOf(m_hWnd);
    if (!run)
        return 0;
    const AFX_MSG& msg = CWndBackend::CurrentMsg(*this);
    return DefaultFor(run, msg.message, msg.wParam);
}
