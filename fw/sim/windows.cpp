// Dialogs built from their templates, and the state of their controls.
#include "fw/sim/sim_state.h"

namespace sim::internal {

bool IsButtonOfKind(const Window* w, std::initializer_list<ButtonKind> kinds) {
    if (!w || w->className != "button")
        return false;
    for (ButtonKind kind : kinds)
        if (int(w->style & 0x0F) == kind)
            return true;
    return false;
}

bool IsRadio(const Window* w) {
    return IsButtonOfKind(w, {kBsRadioButton, kBsAutoRadioButton});
}

// Check boxes and radio buttons: the buttons that hold a check state.
static bool TakesCheck(const Window* w) {
    return IsButtonOfKind(w, {kBsCheckBox, kBsAutoCheckBox, kBsRadioButton, kBsAutoRadioButton});
}

bool ClickMayReach(const Window* control) {
    const Window* dlg = control->dialog;
    return control->enabled && dlg && dlg->enabled && dlg == FrontWindow();
}

void CancelCaptureWithin(const Window* w) {
    const Window* captured = Find(S().capture);
    if (captured && (captured == w || captured->dialog == w))
        S().capture = nullptr;
}

Window* CreateDialogWindow(CDialog& dlg, const DlgTemplate& tpl) {
    // The sim has no fonts to measure.
    const DialogScale scale = dlg.GetFixedScale().IsSet() ? dlg.GetFixedScale() : kUsualDialogScale;
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->hwnd = reinterpret_cast<HWND>(NewHandle());
    w->object = &dlg;
    w->className = "#32770";
    w->style = tpl.style;
    w->exStyle = tpl.exStyle;
    w->text = tpl.caption;
    w->enabled = !(tpl.style & WS_DISABLED);
    w->width = scale.PixelsX(tpl.cx);
    w->height = scale.PixelsY(tpl.cy);
    w->templateId = dlg.GetTemplateId();
    if (tpl.style & kWsSysMenu) {
        w->sysMenuHandle = reinterpret_cast<HMENU>(NewHandle());
        w->sysMenu = InitialSystemMenu();
    }
    for (const DlgItemTemplate& item : tpl.items) {
        auto control = std::make_unique<Window>();
        control->hwnd = reinterpret_cast<HWND>(NewHandle());
        control->ownObject = std::make_unique<CWnd>();
        control->object = control->ownObject.get();
        control->object->m_hWnd = control->hwnd;
        control->dialog = w;
        control->id = item.id;
        control->className = item.className;
        control->style = item.style;
        control->exStyle = item.exStyle;
        control->text = item.text;
        control->enabled = !(item.style & WS_DISABLED);
        control->width = scale.PixelsX(item.cx);
        control->height = scale.PixelsY(item.cy);
        w->controls.push_back(control.get());
        S().windows[control->hwnd] = std::move(control);
    }
    dlg.m_hWnd = w->hwnd;
    S().windows[w->hwnd] = std::move(owned);
    return w;
}

void DestroyDialogWindow(Window* dlg) {
    CancelCaptureWithin(dlg);
    dlg->object->m_hWnd = nullptr;
    for (Window* control : dlg->controls)
        S().windows.erase(control->hwnd);
    S().windows.erase(dlg->hwnd);
}

} // namespace sim::internal

using namespace sim::internal;

CWnd* CWnd::FromHandle(HWND hWnd) {
    Window* w = Find(hWnd);
    return w ? w->object : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    Window* w = Find(this);
    if (!w || !w->IsDialog())
        return nullptr;
    for (Window* control : w->controls)
        if (control->id == nID)
            return control->object;
    return nullptr;
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
    return w->enabled ? w->style & ~WS_DISABLED : w->style | WS_DISABLED;
}

bool CWnd::IsRadioButton() const {
    return IsRadio(Find(this));
}

// Returns whether the window was disabled before. Disabling ends a press
// that the window (or a control of it) holds.
BOOL CWnd::EnableWindow(BOOL bEnable) {
    Window* w = Find(this);
    if (!w)
        return FALSE;
    const BOOL wasDisabled = !w->enabled;
    if (!bEnable) {
        CancelCaptureWithin(w);
        // A disabled control cannot keep the focus; none takes it over.
        if (!w->IsDialog() && w->dialog->focus == w->hwnd)
            w->dialog->focus = nullptr;
    }
    w->enabled = bEnable != FALSE;
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    Window* w = Find(this);
    return w && w->enabled;
}

void CWnd::SetWindowText(const char* text) {
    if (Window* w = Find(this))
        w->text = text ? text : "";
}

std::string CWnd::GetWindowText() const {
    Window* w = Find(this);
    return w ? w->text : std::string();
}

// Only check boxes and radio buttons hold a check state.
void CWnd::SetCheck(int nCheck) {
    Window* w = Find(this);
    if (TakesCheck(w))
        w->check = nCheck;
}

int CWnd::GetCheck() const {
    Window* w = Find(this);
    return TakesCheck(w) ? w->check : 0;
}

BOOL CWnd::IsIconic() const {
    Window* w = Find(this);
    return w && w->iconic;
}

void CWnd::GetClientRect(RECT* rect) const {
    Window* w = Find(this);
    *rect = RECT{0, 0, w ? w->width : 0, w ? w->height : 0};
}
