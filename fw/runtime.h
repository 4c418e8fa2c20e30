// The few process-level services the game uses: time, sleep, the message
// pump of a busy loop, random numbers and the immediate exit.
#pragma once

#include "fw/types.h"

void AfxSleep(DWORD milliseconds);

// Removes one waiting message of this thread, if there is one, translates
// and dispatches it, without any dialog keyboard handling. Returns whether
// there was one. Never waits.
bool AfxPumpWaitingMessage();

// Ends the process at once with the status: no destructor, no exit handler.
[[noreturn]] void AfxExit(int status);

// The C runtime generator, always in 0..32767.
void AfxSrand(unsigned seed);
int AfxRand();
// Calendar time in whole seconds.
long long AfxTime();

int AfxGetSystemMetrics(int nIndex);
