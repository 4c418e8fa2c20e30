// The input queue. The toolkit reads the window system's events whenever
// its main loop runs (also while the program sleeps); input events (mouse,
// keys, the close box) are kept in a queue of the backend's own and handed
// out only by a modal loop or the one-event pump, in the order they came.
#pragma once

// Routes the toolkit's events through the queue; call once at start.
void InstallEventQueue();

// Hands out one input event (with the crossing events queued before it,
// which are no messages of their own). With dialogKeys, Escape and Enter act
// as the front dialog's cancel and OK commands; without, keys reach only the
// focused control, and only those a control handles itself. Returns whether
// an event was handed out.
bool DispatchQueuedInput(bool dialogKeys);

// Reads what the window system has sent, without waiting and without
// handing out input.
void ReadWaitingEvents();
