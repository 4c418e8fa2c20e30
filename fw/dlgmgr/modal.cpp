// Modal runs: the stack of dialogs in front of one another, their owners,
// and the modal loop.
#include "fw/dlgmgr/state.h"

namespace dlgmgr {

using namespace internal;

namespace {

// The window that owns a new run: the given parent's dialog, or else the
// dialog in front.
Window* OwnerFor(CWnd* parent) {
    Window* owner = parent ? Find(parent) : Front();
    return owner && !owner->IsDialog() ? owner->dialog : owner;
}

// A new run ends any press and disables its owner, if enabled; the run's
// end enables it again only if the run disabled it.
void PushDialog(Window* w, CWnd* parent) {
    Window* owner = OwnerFor(parent);
    w->owner = owner ? owner->hwnd : nullptr;
    S().capture = nullptr;
    w->ownerDisabled = owner && owner->enabled;
    if (w->ownerDisabled)
        owner->object->EnableWindow(FALSE);
    S().stack.push_back(w->hwnd);
    w->open = true;
    w->ended = false;
    w->result = -1;
}

void PopDialog(Window* w) {
    auto& stack = S().stack;
    for (size_t i = stack.size(); i-- > 0;)
        if (stack[i] == w->hwnd) {
            stack.erase(stack.begin() + long(i));
            break;
        }
    w->open = false;
    w->invalid.clear();
    TheHost().Hidden(*w);
    Window* owner = Find(w->owner);
    if (owner && w->ownerDisabled) {
        owner->object->EnableWindow(TRUE);
        TheHost().Activated(*owner);
    }
    w->ownerDisabled = false;
}

// Builds the dialog's window afresh; null when its template is missing.
Window* CreateFresh(CDialog& dlg) {
    if (Window* old = Find(&dlg)) {
        if (old->open)
            PopDialog(old);
        DestroyDialogWindow(old);
    }
    DlgTemplate tpl;
    return TheHost().LoadTemplate(dlg.GetTemplateId(), tpl) ? CreateDialogWindow(dlg, tpl)
                                                            : nullptr;
}

// Opens a fresh window: in front, its owner disabled, OnInitDialog called;
// true from it gives the focus to the first control that takes it. The
// window shows unless OnInitDialog ended it already.
Window* OpenFresh(CDialog& dlg) {
    Window* w = CreateFresh(dlg);
    if (!w)
        return nullptr;
    PushDialog(w, CWndBackend::Parent(dlg));
    const HWND hwnd = w->hwnd;
    const bool focusFirst = dlg.OnInitDialog();
    w = Find(hwnd);
    if (w && w->open && !w->ended) {
        if (focusFirst)
            SetFirstFocus(w);
        TheHost().Shown(*w);
        Invalidate(w);
    }
    return w;
}

} // namespace

Window* Open(CDialog& dlg) {
    return OpenFresh(dlg);
}

void Close(Window* dlg) {
    if (dlg && dlg->open)
        PopDialog(dlg);
}

void RunLoop(const std::function<bool()>& running) {
    while (running()) {
        if (TakeOne(true))
            continue;
        if (!TheHost().Wait())
            break;
    }
}

} // namespace dlgmgr

using namespace dlgmgr;
using namespace dlgmgr::internal;

CDialog::~CDialog() {
    if (Window* w = Find(this)) {
        if (w->open)
            PopDialog(w);
        DestroyDialogWindow(w);
    }
}

INT_PTR CDialog::DoModal() {
    INT_PTR result = -1;
    if (TheHost().Scripted(*this, &result))
        return result;
    Window* w = OpenFresh(*this);
    TheHost().RunStarted(*this, w ? Find(w->owner) : Front(), w);
    if (!w) {
        TheHost().RunEnded(*this, -1);
        return -1;
    }
    const HWND hwnd = w->hwnd;
    w->looping = true;
    // Whatever ends the run (the host may unwind through it), the dialog
    // leaves the front and its owner takes input again.
    struct Takedown {
        HWND hwnd;
        ~Takedown() {
            if (Window* w = Find(hwnd); w && w->open)
                PopDialog(w);
        }
    } takedown{hwnd};
    RunLoop([hwnd] {
        const Window* w = Find(hwnd);
        return w && !w->ended;
    });
    w = Find(hwnd);
    result = w && w->ended ? w->result : -1;
    TheHost().RunEnded(*this, result);
    return result;
}

// The window hides at once; a modal run ends when its loop next looks, and
// then enables its owner. A dialog opened without a loop closes at once.
void CDialog::EndDialog(int nResult) {
    Window* w = Find(this);
    if (!w)
        return;
    w->ended = true;
    w->result = nResult;
    if (w->open && !w->looping)
        PopDialog(w);
    else
        TheHost().Hidden(*w);
}
