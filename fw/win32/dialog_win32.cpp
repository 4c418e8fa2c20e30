// Modal dialogs on the platform's dialog manager. The dialog procedure only
// answers WM_INITDIALOG; there the window is subclassed, so that every later
// message goes through the dialog's message map first and, unhandled, to the
// dialog manager's own procedure (which CWnd::Default also calls).
#include "fw/win32/win32.h"

#include "fw/win32/backend.h"
#include "fw/win32/dialog_font.h"
#include "fw/win32/dialog_layout.h"

#include <vector>

namespace {

std::map<HWND, DialogRun*>& Runs() {
    static std::map<HWND, DialogRun*> runs;
    return runs;
}

// Modal runs nest: the last one started is the one in front.
std::vector<DialogRun*>& RunStack() {
    static std::vector<DialogRun*> stack;
    return stack;
}

HWND InnermostDialog() {
    for (auto it = RunStack().rbegin(); it != RunStack().rend(); ++it)
        if ((*it)->dialog->GetSafeHwnd())
            return (*it)->dialog->GetSafeHwnd();
    return nullptr;
}

// The area a paint request of the window is about to repaint, or null.
HRGN TakeUpdateRegion(HWND hWnd) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (region && GetUpdateRgn(hWnd, region, FALSE) == ERROR) {
        DeleteObject(region);
        region = nullptr;
    }
    return region;
}

LRESULT CALLBACK DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRun* run = FindRun(hWnd);
    if (!run)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    const WNDPROC previous = run->previousProc;

    // Only the controls inside the area a paint request repaints draw
    // themselves again afterwards; the handler's drawing on the dialog's
    // surface is kept inside that area (see CWnd::GetDC), so that it covers
    // no control that would stay hidden under it.
    const HRGN outerPaint = run->paintRegion;
    HRGN paintRegion = nullptr;
    if (message == WM_PAINT) {
        paintRegion = TakeUpdateRegion(hWnd);
        run->paintRegion = paintRegion;
    }

    LRESULT result = 0;
    if (!run->dialog->OnWndMsg(message, wParam, lParam, &result))
        result = CallWindowProcA(previous, hWnd, message, wParam, lParam);

    if (message == WM_PAINT) {
        run->paintRegion = outerPaint;
        if (paintRegion)
            DeleteObject(paintRegion);
    }
    if (message == WM_NCDESTROY)
        DetachDialog(hWnd);
    return result;
}

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    return AttachDialog(*reinterpret_cast<CDialog*>(lParam), hWnd);
}

// The window a dialog without a parent belongs to: the window in front now
// (the active one, or while the program is in the background the innermost
// dialog it runs), which the dialog manager disables for the run. A popup
// cannot be owned by a child window.
HWND ModalOwner(CWnd* pParentWnd) {
    HWND owner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!owner)
        owner = GetActiveWindow();
    if (!owner)
        owner = InnermostDialog();
    if (!owner) {
        CWinApp* app = AfxGetApp();
        HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
        if (main)
            owner = GetLastActivePopup(main);
    }
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    return owner;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

DialogRun* FindRun(HWND hWnd) {
    auto it = Runs().find(hWnd);
    return it == Runs().end() ? nullptr : it->second;
}

BOOL AttachDialog(CDialog& dlg, HWND hWnd) {
    DialogRun* run = static_cast<DialogRun*>(CWndBackend::RunOf(dlg));
    dlg.m_hWnd = hWnd;
    Runs()[hWnd] = run;
    run->previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindowProc)));

    DlgTemplate tpl;
    const bool haveTemplate = LoadDialogTemplate(dlg.GetTemplateId(), tpl);
    const DialogScale scale = dlg.GetFixedScale();
    const bool fixedScale = haveTemplate && scale.IsSet();
    if (fixedScale)
        ApplyFixedScale(hWnd, scale, tpl);
    // At a fixed scale a wider stand-in face would overflow the controls.
    if (fixedScale)
        run->font = FitDialogFont(hWnd, scale.baseX);
    else
        run->font = FitDialogTexts(hWnd);

    RECT before;
    GetWindowRect(hWnd, &before);
    const BOOL result = dlg.OnInitDialog();

    // A dialog that asks for no place of its own is centred over its owner,
    // unless its set-up moved it.
    RECT after;
    if (haveTemplate && !fixedScale && tpl.x == 0 && tpl.y == 0 && !(tpl.style & DS_CENTER) &&
        !(tpl.style & WS_CHILD) && IsWindow(hWnd) && GetWindowRect(hWnd, &after) &&
        SameRect(before, after))
        CentreOverOwner(hWnd);
    return result;
}

void DetachDialog(HWND hWnd) {
    DialogRun* run = FindRun(hWnd);
    if (!run)
        return;
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(run->previousProc));
    run->dialog->m_hWnd = nullptr;
    Runs().erase(hWnd);
}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    HINSTANCE inst = AfxFindResourceHandle(m_nIDTemplate, (UINT)(UINT_PTR)RT_DIALOG);
    if (!FindResourceA(inst, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG))
        return -1;

    DialogRun run(this);
    CWndBackend::SetRun(*this, &run);
    HWND owner = ModalOwner(m_pParentWnd);
    RunStack().push_back(&run);
    const INT_PTR result =
        DialogBoxParamA(inst, MAKEINTRESOURCEA(m_nIDTemplate), owner, &DialogProc, (LPARAM)this);
    RunStack().pop_back();
    // The window is gone by now; make sure nothing still points at the run.
    if (m_hWnd)
        DetachDialog(m_hWnd);
    CWndBackend::SetRun(*this, nullptr);
    return result;
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}
