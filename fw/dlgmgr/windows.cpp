// Dialogs built from their templates, and the state of their controls.
#include "fw/dlgmgr/state.h"

namespace dlgmgr {

using namespace internal;

namespace internal {

State& S() {
    static State state;
    return state;
}

namespace {

// Handles never repeat, also across Reset.
HWND NewHandle() {
    static uintptr_t next = 0x10000;
    next += 0x10;
    return reinterpret_cast<HWND>(next);
}

// The items a system menu starts with.
std::vector<MenuItem> InitialSystemMenu() {
    return {
        {MF_STRING, SC_RESTORE, "&Restore"},     {MF_STRING, SC_MOVE, "&Move"},
        {MF_STRING, SC_SIZE, "&Size"},           {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
        {MF_STRING, SC_MAXIMIZE, "Ma&ximize"},   {MF_SEPARATOR, 0, ""},
        {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"},
    };
}

std::unique_ptr<Window> NewWindow(const std::string& className, DWORD style, DWORD exStyle,
                                  const std::string& text) {
    auto w = std::make_unique<Window>();
    w->hwnd = NewHandle();
    w->className = className;
    w->kind = ControlKindOf(className.c_str(), style);
    w->style = style;
    w->exStyle = exStyle;
    w->text = text;
    w->enabled = !(style & WS_DISABLED);
    return w;
}

} // namespace

Window* CreateDialogWindow(CDialog& dlg, const DlgTemplate& tpl) {
    const DialogScale scale = TheHost().ScaleFor(tpl, dlg.GetFixedScale());
    auto owned = NewWindow("#32770", tpl.style, tpl.exStyle, tpl.caption);
    Window* w = owned.get();
    w->object = &dlg;
    w->tpl = tpl;
    w->scale = scale;
    w->rect = {0, 0, scale.PixelsX(tpl.cx), scale.PixelsY(tpl.cy)};
    if (tpl.style & WS_SYSMENU) {
        w->sysMenu = InitialSystemMenu();
        w->firstAppended = w->sysMenu.size();
    }
    for (const DlgItemTemplate& item : tpl.items) {
        auto control = NewWindow(item.className, item.style, item.exStyle, item.text);
        control->ownObject = std::make_unique<CWnd>();
        control->object = control->ownObject.get();
        control->object->m_hWnd = control->hwnd;
        control->dialog = w;
        control->id = item.id;
        control->textOrdinal = item.textOrdinal;
        const long x = scale.PixelsX(item.x), y = scale.PixelsY(item.y);
        control->rect = {x, y, x + scale.PixelsX(item.cx), y + scale.PixelsY(item.cy)};
        // An icon control takes the size of its icon.
        if (control->kind == ControlKind::kIcon)
            control->rect = {x, y, x + AfxGetSystemMetrics(SM_CXICON),
                             y + AfxGetSystemMetrics(SM_CYICON)};
        // Of several default buttons the last one is the default.
        if (control->kind == ControlKind::kPushButton &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            for (Window* earlier : w->controls)
                earlier->defaultLook = false;
            control->defaultLook = true;
            w->defId = item.id;
        }
        w->controls.push_back(control.get());
        S().windows[control->hwnd] = std::move(control);
    }
    dlg.m_hWnd = w->hwnd;
    S().windows[w->hwnd] = std::move(owned);
    TheHost().Created(*w);
    return w;
}

void DestroyDialogWindow(Window* dlg) {
    TheHost().Destroying(*dlg);
    CancelCaptureWithin(dlg);
    dlg->object->m_hWnd = nullptr;
    const HWND hwnd = dlg->hwnd;
    for (auto& entry : S().input)
        if (entry.window == hwnd)
            entry.window = NoWindow();
    for (Window* control : dlg->controls)
        S().windows.erase(control->hwnd);
    S().windows.erase(hwnd);
}

void CancelCaptureWithin(const Window* w) {
    const Window* captured = Find(S().capture);
    if (captured && (captured == w || captured->dialog == w))
        S().capture = nullptr;
}

bool ClickMayReach(const Window* control) {
    const Window* dlg = control->dialog;
    return control->enabled && dlg && dlg->enabled && dlg == Front();
}

void Notify(Window* w, Change change) {
    TheHost().Changed(*w, change);
}

} // namespace internal

DialogScale Host::ScaleFor(const DlgTemplate&, const DialogScale& asked) {
    return asked.IsSet() ? asked : kUsualDialogScale;
}

Window* Find(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    auto it = S().windows.find(hwnd);
    return it == S().windows.end() ? nullptr : it->second.get();
}

Window* Find(const CWnd* wnd) {
    return wnd ? Find(wnd->m_hWnd) : nullptr;
}

Window* Front() {
    return S().stack.empty() ? nullptr : Find(S().stack.back());
}

const std::vector<HWND>& Stack() {
    return S().stack;
}

const std::map<HWND, std::unique_ptr<Window>>& Windows() {
    return S().windows;
}

Window* ControlOf(Window* dlg, int id) {
    if (!dlg)
        return nullptr;
    for (Window* control : dlg->controls)
        if (control->id == id)
            return control;
    return nullptr;
}

Window* ControlAt(Window* dlg, POINT p) {
    for (Window* c : dlg->controls) {
        const bool transparent = c->kind == ControlKind::kLabel || c->kind == ControlKind::kFrame ||
                                 c->kind == ControlKind::kIcon || c->kind == ControlKind::kGroupBox;
        if ((c->style & WS_VISIBLE) && !(transparent && !(c->style & SS_NOTIFY)) &&
            p.x >= c->rect.left && p.x < c->rect.right && p.y >= c->rect.top &&
            p.y < c->rect.bottom)
            return c;
    }
    return nullptr;
}

HBRUSH FaceBrush() {
    return reinterpret_cast<HBRUSH>(uintptr_t(0x7B00010));
}

HBRUSH WindowBrush() {
    return reinterpret_cast<HBRUSH>(uintptr_t(0x7B00020));
}

void Reset() {
    // Framework objects that outlive the reset forget their windows.
    for (auto& entry : S().windows)
        if (entry.second->object && !entry.second->ownObject)
            entry.second->object->m_hWnd = nullptr;
    S() = State();
}

} // namespace dlgmgr

using namespace dlgmgr;
using namespace dlgmgr::internal;

CWnd* CWnd::FromHandle(HWND hWnd) {
    Window* w = Find(hWnd);
    return w ? w->object : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    Window* w = Find(this);
    Window* control = w && w->IsDialog() ? ControlOf(w, nID) : nullptr;
    return control ? control->object : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    Window* w = Find(this);
    return w ? w->id : 0;
}

CWnd* CWnd::GetNextWindow() const {
    Window* w = Find(this);
    if (!w || w->IsDialog())
        return nullptr;
    const std::vector<Window*>& siblings = w->dialog->controls;
    for (size_t i = 0; i + 1 < siblings.size(); ++i)
        if (siblings[i] == w)
            return siblings[i + 1]->object;
    return nullptr;
}

DWORD CWnd::GetStyle() const {
    Window* w = Find(this);
    if (!w)
        return 0;
    return w->enabled ? w->style & ~DWORD(WS_DISABLED) : w->style | WS_DISABLED;
}

bool CWnd::IsRadioButton() const {
    Window* w = Find(this);
    return w && w->kind == ControlKind::kRadioButton;
}

// Returns whether the window was disabled before. Disabling ends a press
// that the window (or a control of it) holds, and a disabled control loses
// the focus, which no other control takes over.
BOOL CWnd::EnableWindow(BOOL bEnable) {
    Window* w = Find(this);
    if (!w)
        return FALSE;
    const bool wasEnabled = w->enabled;
    if (!bEnable) {
        CancelCaptureWithin(w);
        if (!w->IsDialog() && w->dialog->focus == w->hwnd)
            SetFocus(w->dialog, nullptr);
    }
    w->enabled = bEnable != FALSE;
    if (w->enabled != wasEnabled)
        Notify(w, Change::Enabled);
    return !wasEnabled;
}

BOOL CWnd::IsWindowEnabled() const {
    Window* w = Find(this);
    return w && w->enabled;
}

void CWnd::SetWindowText(const char* text) {
    if (Window* w = Find(this)) {
        w->text = text ? text : "";
        Notify(w, Change::Text);
    }
}

std::string CWnd::GetWindowText() const {
    Window* w = Find(this);
    return w ? w->text : std::string();
}

// Only check boxes and radio buttons hold a check state.
void CWnd::SetCheck(int nCheck) {
    Window* w = Find(this);
    if (!w || (w->kind != ControlKind::kCheckBox && w->kind != ControlKind::kRadioButton) ||
        w->check == nCheck)
        return;
    w->check = nCheck;
    Notify(w, Change::Check);
}

int CWnd::GetCheck() const {
    Window* w = Find(this);
    return w && (w->kind == ControlKind::kCheckBox || w->kind == ControlKind::kRadioButton)
               ? w->check
               : 0;
}

BOOL CWnd::IsIconic() const {
    Window* w = Find(this);
    return w && w->iconic;
}

void CWnd::GetClientRect(RECT* rect) const {
    Window* w = Find(this);
    *rect = RECT{0, 0, w ? w->rect.right - w->rect.left : 0, w ? w->rect.bottom - w->rect.top : 0};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(this);
    return w ? Send(w, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Find(this))
        return FALSE;
    Post(m_hWnd, message, wParam, lParam);
    return TRUE;
}

CWnd* CWnd::GetFocus() {
    Window* front = Front();
    return front ? FromHandle(front->focus) : nullptr;
}

void CWnd::Invalidate() {
    Window* w = Find(this);
    if (w)
        dlgmgr::Invalidate(w->IsDialog() ? w : w->dialog, w->IsDialog() ? nullptr : &w->rect);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::Default() {
    Window* w = Find(this);
    return w ? DefaultProc(w, m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam) : 0;
}
