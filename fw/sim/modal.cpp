// Modal runs: scripted answers, real runs with their own loop, dialogs
// opened without a loop, and the stack of dialogs in front of each other.
#include "fw/sim/sim_state.h"

namespace sim::internal {

namespace {

// The window that owns a new modal run: the given parent's dialog, or the
// dialog in front.
Window* OwnerFor(CWnd* parent) {
    Window* owner = parent ? Find(parent) : FrontWindow();
    return owner && !owner->IsDialog() ? owner->dialog : owner;
}

// A new run ends any press and disables its owner, if enabled; returns
// whether it did, so that the run's end enables it again.
bool DisableOwner(Window* owner) {
    S().capture = nullptr;
    if (!owner || !owner->enabled)
        return false;
    owner->enabled = false;
    return true;
}

void EnableOwner(HWND owner) {
    if (Window* w = Find(owner))
        w->enabled = true;
}

// The modal loop: one event at a time, the clock moved to each, while the
// run goes on and the script lasts.
template <class Running> void Loop(Running running) {
    while (running()) {
        if (TakeOne(true))
            continue;
        const long long next = NextEventTime();
        if (next < 0)
            break; // the script is exhausted: the test is done with the dialog
        AdvanceClockTo(next);
    }
}

size_t RecordRun(const CDialog& dlg, const Window* owner, bool scripted) {
    State& s = S();
    s.runs.push_back(ModalRun{dlg.GetTemplateId(), &dlg, owner ? owner->object : nullptr, scripted,
                              s.now, -1, -1});
    return s.runs.size() - 1;
}

void FinishRun(size_t run, INT_PTR result) {
    // A reset during the run leaves nothing to finish.
    if (run < S().runs.size()) {
        S().runs[run].endMs = S().now;
        S().runs[run].result = result;
    }
}

// The player keeps a dialog open for the hold time: nothing beneath it
// runs, and input made meanwhile went to it.
INT_PTR RunScripted(CDialog& dlg, const Answer& answer) {
    State& s = S();
    Window* owner = OwnerFor(CWndBackend::Parent(dlg));
    const size_t run = RecordRun(dlg, owner, true);
    // Whatever ends the run, it leaves the front and the owner takes input
    // again.
    struct Takedown {
        HWND owner;
        bool ownerDisabled;
        ~Takedown() {
            if (!S().stack.empty() && !S().stack.back())
                S().stack.pop_back();
            if (ownerDisabled)
                EnableOwner(owner);
        }
    } takedown{owner ? owner->hwnd : nullptr, DisableOwner(owner)};
    s.stack.push_back(nullptr);
    const long long start = s.now;
    AdvanceClockTo(start + answer.holdMs);
    DropInputBetween(start, s.now);
    FinishRun(run, answer.result);
    return answer.result;
}

// Builds the dialog's window afresh; null when its template is missing.
Window* CreateFresh(CDialog& dlg) {
    if (Window* old = Find(&dlg)) {
        if (old->open)
            PopDialog(old);
        DestroyDialogWindow(old);
    }
    DlgTemplate tpl;
    return LoadDialogTemplate(dlg.GetTemplateId(), tpl) ? CreateDialogWindow(dlg, tpl) : nullptr;
}

bool IsOpenWindow(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && w->open;
}

} // namespace

void PushDialog(Window* w, CWnd* parent) {
    Window* owner = OwnerFor(parent);
    w->owner = owner ? owner->hwnd : nullptr;
    w->ownerDisabled = DisableOwner(owner);
    S().stack.push_back(w->hwnd);
    w->open = true;
    w->ended = false;
    w->result = -1;
}

void PopDialog(Window* w) {
    auto& stack = S().stack;
    for (size_t i = stack.size(); i-- > 0;) {
        if (stack[i] == w->hwnd) {
            stack.erase(stack.begin() + long(i));
            break;
        }
    }
    w->open = false;
    w->needsPaint = false;
    if (w->ownerDisabled)
        EnableOwner(w->owner);
    w->ownerDisabled = false;
}

} // namespace sim::internal

using namespace sim::internal;

CDialog::~CDialog() {
    DropEventsFor(this);
    if (Window* w = Find(this)) {
        if (w->open)
            PopDialog(w);
        DestroyDialogWindow(w);
    }
}

INT_PTR CDialog::DoModal() {
    State& s = S();
    auto answers = s.answers.find(m_nIDTemplate);
    if (answers != s.answers.end() && !answers->second.empty()) {
        const Answer answer = answers->second.front();
        if (answers->second.size() > 1)
            answers->second.pop_front();
        return RunScripted(*this, answer);
    }

    Window* created = CreateFresh(*this);
    const size_t run = RecordRun(*this, created ? nullptr : OwnerFor(m_pParentWnd), false);
    if (!created) {
        FinishRun(run, -1);
        return -1;
    }
    PushDialog(created, m_pParentWnd);
    s.runs[run].owner = CWnd::FromHandle(created->owner);
    const HWND hwnd = created->hwnd;
    // Whatever ends the run, the dialog leaves the front and its owner
    // takes input again.
    struct Takedown {
        HWND hwnd;
        ~Takedown() {
            if (Window* w = Find(hwnd); w && w->open)
                PopDialog(w);
        }
    } takedown{hwnd};

    // True: the platform gives the focus to the first control that takes it.
    if (OnInitDialog())
        if (Window* opened = Find(hwnd))
            SetFirstFocus(opened);
    Loop([hwnd] {
        const Window* w = Find(hwnd);
        return w && !w->ended;
    });
    Window* w = Find(hwnd);
    const INT_PTR result = w && w->ended ? w->result : -1;
    FinishRun(run, result);
    return result;
}

void CDialog::EndDialog(int nResult) {
    Window* w = Find(this);
    if (!w)
        return;
    w->ended = true;
    w->result = nResult;
    // A dialog without a loop of its own closes at once.
    if (w->opened && w->open)
        PopDialog(w);
}

namespace sim {

void AnswerModal(UINT templateId, INT_PTR result, long long holdMs) {
    S().answers[templateId].push_back({result, holdMs});
}

const std::vector<ModalRun>& ModalRuns() {
    return S().runs;
}

bool Open(CDialog& dialog) {
    Window* w = CreateFresh(dialog);
    if (!w)
        return false;
    w->opened = true;
    PushDialog(w, CWndBackend::Parent(dialog));
    const HWND hwnd = w->hwnd;
    if (dialog.OnInitDialog())
        if (Window* opened = Find(hwnd))
            SetFirstFocus(opened);
    return true;
}

void Close(CDialog& dialog) {
    if (Window* w = Find(&dialog); w && w->open)
        PopDialog(w);
}

void RunUntilIdle() {
    const Window* front = FrontWindow();
    const HWND hwnd = front ? front->hwnd : nullptr;
    Loop([hwnd] { return !hwnd || IsOpenWindow(hwnd); });
}

} // namespace sim
