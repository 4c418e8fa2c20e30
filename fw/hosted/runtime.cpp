// The process-level services that need no platform of their own: the C
// runtime's generator, calendar time and the system metrics. Each backend
// sleeps and exits its own way.
#include <ctime>

#include "fw/dlgmgr/manager.h"
#include "fw/runtime.h"

void AfxSrand(unsigned seed) {
    dlgmgr::CrtSrand(seed);
}

int AfxRand() {
    return dlgmgr::CrtRand();
}

long long AfxTime() {
    return (long long)time(nullptr);
}

int AfxGetSystemMetrics(int nIndex) {
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0;
}
