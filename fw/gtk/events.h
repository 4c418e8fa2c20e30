// The input queue. The toolkit reads the window system's events whenever
// its main loop runs (also while the program sleeps); mouse and keys in a
// dialog's client area and its close box become the dialog manager's input,
// and what the toolkit handles itself (the menu bar and its menus) waits in
// the same queue, so that everything is handed out in the order it came,
// one message at a time.
#pragma once

// Routes the toolkit's events through the queue; call once at start.
void InstallEventQueue();

// Gives the toolkit an event it handles itself, in its turn.
void DeliverToToolkit(int held);

// Reads what the window system has sent, without waiting and without
// handing out input.
void ReadWaitingEvents();
