// Process-level services on the virtual clock: sleep, calendar time, the
// C runtime generator, the immediate exit and the system metrics.
#include "fw/sim/sim_state.h"

using namespace sim::internal;

void AfxSleep(DWORD milliseconds) {
    AdvanceClockTo(S().now + milliseconds);
}

void AfxExit(int status) {
    throw sim::ProcessExit{status};
}

void AfxSrand(unsigned seed) {
    S().seeds.push_back(seed);
    dlgmgr::CrtSrand(seed);
}

int AfxRand() {
    return S().randomSource ? S().randomSource() : dlgmgr::CrtRand();
}

long long AfxTime() {
    return S().epoch + S().now / 1000;
}

int AfxGetSystemMetrics(int nIndex) {
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0;
}

namespace sim {

void SetRandomSource(std::function<int()> source) {
    S().randomSource = std::move(source);
}

const std::vector<unsigned>& Seeds() {
    return S().seeds;
}

} // namespace sim
