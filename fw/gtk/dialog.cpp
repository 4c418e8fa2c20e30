// Modal dialogs from their templates: the runs in front of one another,
// their paint requests, and a modal loop of the backend's own that hands the
// queued input out one event at a time.
#include "fw/gtk/toolkit.h"

#include <set>

#include "fw/gtk/canvas.h"
#include "fw/gtk/dialog_window.h"
#include "fw/gtk/events.h"
#include "fw/gtk/resources.h"

namespace {

// Modal runs nest: the last one started is the one in front.
std::vector<DialogRun*>& RunStack() {
    static std::vector<DialogRun*> stack;
    return stack;
}

std::set<BackendWindow*>& LiveWindows() {
    static std::set<BackendWindow*> live;
    return live;
}

// The window of this kind behind a handle, while it lives; null for any
// other value, so that a stale handle reaches nothing.
template <typename Window> Window* LiveWindowOf(HWND hWnd, BackendWindow::Kind kind) {
    BackendWindow* w = reinterpret_cast<BackendWindow*>(hWnd);
    return w && LiveWindows().count(w) && w->kind == kind ? static_cast<Window*>(w) : nullptr;
}

void RunModalLoop(DialogRun& run) {
    while (!run.ended) {
        if (DispatchQueuedInput(true))
            continue;
        if (PaintOneWaiting())
            continue;
        g_main_context_iteration(nullptr, TRUE);
    }
}

} // namespace

DialogRun* InnermostRun() {
    return RunStack().empty() ? nullptr : RunStack().back();
}

Control* ControlOf(HWND hWnd) {
    return LiveWindowOf<Control>(hWnd, BackendWindow::kControl);
}

DialogRun* DialogOf(HWND hWnd) {
    return LiveWindowOf<DialogRun>(hWnd, BackendWindow::kDialog);
}

void AddPendingPaint(DialogRun* run, const cairo_rectangle_int_t& area) {
    if (!run->pendingPaint)
        run->pendingPaint = cairo_region_create();
    cairo_region_union_rectangle(run->pendingPaint, &area);
    const cairo_rectangle_int_t client = {0, 0, run->clientWidth, run->clientHeight};
    cairo_region_intersect_rectangle(run->pendingPaint, &client);
    if (cairo_region_is_empty(run->pendingPaint)) {
        cairo_region_destroy(run->pendingPaint);
        run->pendingPaint = nullptr;
    }
}

// The controls in the repainted area come back on top; the dialog paints
// under them.
bool PaintOneWaiting() {
    for (auto it = RunStack().rbegin(); it != RunStack().rend(); ++it) {
        DialogRun* run = *it;
        if (!run->pendingPaint)
            continue;
        cairo_region_t* outer = run->paintRegion;
        run->paintRegion = run->pendingPaint;
        run->pendingPaint = nullptr;
        CanvasClear(run->canvas, CanvasLayer::kOver, run->paintRegion);
        SendToDialog(run, WM_PAINT, 0, 0);
        cairo_region_destroy(run->paintRegion);
        run->paintRegion = outer;
        return true;
    }
    return false;
}

INT_PTR CDialog::DoModal() {
    DialogRun run(this);
    if (!LoadDialogTemplate(m_nIDTemplate, run.tpl))
        return -1;
    run.owner = InnermostRun();
    const DialogFace face = FaceFor(run.tpl, GetFixedScale());
    BuildDialogWindow(run, face);
    LiveWindows().insert(&run);
    for (const auto& control : run.controls)
        LiveWindows().insert(control.get());
    m_pBackend = &run;
    m_hWnd = HandleOf(&run);
    RunStack().push_back(&run);
    if (run.owner)
        gtk_widget_set_sensitive(run.owner->window, FALSE);

    const bool focusFirst = OnInitDialog();
    if (!run.ended) {
        AskTextColours(run);
        gtk_widget_show(run.box);
        gtk_widget_show(run.canvas);
        PlaceWindow(run, face.scale);
        gtk_widget_show(run.window);
        if (focusFirst)
            FocusFirstTabStop(run);
        AddPendingPaint(&run, {0, 0, run.clientWidth, run.clientHeight});
        RunModalLoop(run);
    }

    RunStack().pop_back();
    if (run.owner) {
        gtk_widget_set_sensitive(run.owner->window, TRUE);
        gtk_window_present(GTK_WINDOW(run.owner->window));
    }
    for (const auto& control : run.controls)
        LiveWindows().erase(control.get());
    LiveWindows().erase(&run);
    gtk_widget_destroy(run.window);
    if (run.pendingPaint)
        cairo_region_destroy(run.pendingPaint);
    m_hWnd = nullptr;
    m_pBackend = nullptr;
    return run.result;
}

void CDialog::EndDialog(int nResult) {
    DialogRun* run = DialogOf(m_hWnd);
    if (!run)
        return;
    run->ended = true;
    run->result = nResult;
    gtk_widget_hide(run->window);
}

CDialog::~CDialog() = default;
