// Process-level services: sleep, the immediate exit,
// the C runtime's generator, time and the system metrics.
#include <ctime>
#include <unistd.h>

#include "fw/gtk/backend.h"
#include "fw/gtk/events.h"

namespace {

// Runs the toolkit's main loop (drawing, reading the window system) until
// the deadline, never handing out input: the program sleeps.
void RunLoopUntil(gint64 deadline) {
    GMainContext* context = g_main_context_default();
    if (!g_main_context_acquire(context))
        return;
    std::vector<GPollFD> fds(16);
    // Waits of whole milliseconds while one is left, then the rest at once,
    // so that a frame does not run late by the rounding.
    gint64 now = g_get_monotonic_time();
    for (; deadline - now >= 1000; now = g_get_monotonic_time()) {
        gint priority = 0;
        g_main_context_prepare(context, &priority);
        gint timeout = -1;
        gint count;
        while ((count = g_main_context_query(context, priority, &timeout, fds.data(),
                                             gint(fds.size()))) > gint(fds.size()))
            fds.resize(size_t(count));
        const gint left = gint((deadline - now) / 1000);
        if (timeout < 0 || timeout > left)
            timeout = left;
        g_poll(fds.data(), guint(count), timeout);
        if (g_main_context_check(context, priority, fds.data(), count))
            g_main_context_dispatch(context);
    }
    g_main_context_release(context);
    if (deadline > now)
        g_usleep(gulong(deadline - now));
}

} // namespace

void AfxSleep(DWORD milliseconds) {
    RunLoopUntil(g_get_monotonic_time() + gint64(milliseconds) * 1000);
}

void AfxExit(int status) {
    _exit(status);
}
