// The generator of the platform's C runtime, for every backend that does not
// run on that platform: a seed draws the same numbers everywhere.
#include "fw/dlgmgr/manager.h"

namespace {

unsigned long g_state = 1;

} // namespace

namespace dlgmgr {

void CrtSrand(unsigned seed) {
    g_state = seed;
}

int CrtRand() {
    g_state = (g_state * 214013UL + 2531011UL) & 0xFFFFFFFFUL;
    return int((g_state >> 16) & 0x7FFF);
}

} // namespace dlgmgr
