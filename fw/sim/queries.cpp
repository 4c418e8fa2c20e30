// What tests read of the windows, surfaces and objects.
#include <stdexcept>

#include "fw/sim/sim_state.h"

using namespace sim::internal;

namespace {

Window* DialogOrFront(const CWnd* window) {
    Window* w = window ? dlgmgr::Find(window) : dlgmgr::Front();
    if (!w || !w->IsDialog())
        throw std::out_of_range(window ? "not a window of the sim" : "no dialog in front");
    return w;
}

Window* Control(int id, const CWnd* window) {
    Window* dlg = DialogOrFront(window);
    if (Window* control = dlgmgr::ControlOf(dlg, id))
        return control;
    throw std::out_of_range(
        "no control " + std::to_string(id) + " in dialog " +
        std::to_string(dlg->object ? static_cast<CDialog*>(dlg->object)->GetTemplateId() : 0));
}

} // namespace

namespace sim {

CDialog* Front() {
    Window* w = dlgmgr::Front();
    return w ? static_cast<CDialog*>(w->object) : nullptr;
}

std::vector<CDialog*> OpenDialogs() {
    std::vector<CDialog*> dialogs;
    for (HWND hwnd : dlgmgr::Stack())
        if (Window* w = dlgmgr::Find(hwnd))
            dialogs.push_back(static_cast<CDialog*>(w->object));
    return dialogs;
}

bool IsWindowEnabled(const CWnd& dialog) {
    return DialogOrFront(&dialog)->enabled;
}

std::string Text(int controlId, const CWnd* window) {
    return Control(controlId, window)->text;
}

bool IsEnabled(int controlId, const CWnd* window) {
    return Control(controlId, window)->enabled;
}

int Check(int controlId, const CWnd* window) {
    return Control(controlId, window)->object->GetCheck();
}

int FocusedId(const CWnd* window) {
    Window* dlg = window ? dlgmgr::Find(window) : dlgmgr::Front();
    Window* focus = dlg ? dlgmgr::Find(dlg->focus) : nullptr;
    return focus ? focus->id : 0;
}

std::vector<MenuItem> SystemMenu(const CWnd& dialog) {
    return DialogOrFront(&dialog)->sysMenu;
}

HICON WindowIcon(const CWnd& dialog, bool big) {
    return DialogOrFront(&dialog)->icons[big ? ICON_BIG : ICON_SMALL];
}

void SetIconic(const CWnd& dialog, bool iconic) {
    DialogOrFront(&dialog)->iconic = iconic;
}

COLORREF RequestCtlColor(int controlId, const CWnd* window) {
    Window* target = controlId == 0 ? DialogOrFront(window) : Control(controlId, window);
    HDC hdc = NewSurface(target->hwnd, false);
    dlgmgr::AskCtlColor(target, hdc);
    const COLORREF bkColor = S().surfaces[hdc].bkColor;
    FreeSurface(hdc);
    return bkColor;
}

const std::vector<DrawCall>& DrawLog() {
    return S().drawLog;
}

void ClearDrawLog() {
    S().drawLog.clear();
}

std::vector<DrawCall> DrawsOn(int controlId, const CWnd* window) {
    std::vector<DrawCall> draws;
    for (const DrawCall& call : S().drawLog)
        if (call.controlId == controlId && (!window || call.window == window))
            draws.push_back(call);
    return draws;
}

int LiveSurfaces() {
    return S().liveSurfaces;
}

int SurfacesTaken() {
    return S().surfacesTaken;
}

int LiveBitmaps() {
    return int(S().bitmaps.size());
}

int BitmapsLoaded() {
    return S().bitmapsLoaded;
}

} // namespace sim
