// Process-level services on the virtual clock: sleep, calendar time, the
// C runtime generator, the immediate exit and the system metrics.
#include <cstdlib>

#include "fw/sim/sim_state.h"

using namespace sim::internal;

namespace {

// Bits above the fifteen the game may see: none where the host generator is
// already 15 bits wide, 16 for a 31-bit one.
constexpr int ExtraBits() {
    int bits = 0;
    for (unsigned long long max = RAND_MAX; max > 0; max >>= 1)
        ++bits;
    return bits > 15 ? bits - 15 : 0;
}

} // namespace

void AfxSleep(DWORD milliseconds) {
    AdvanceClockTo(S().now + milliseconds);
}

bool AfxPumpWaitingMessage() {
    return TakeOne(false);
}

void AfxExit(int status) {
    S().exitStatus = status;
    throw sim::ProcessExit{status};
}

void AfxSrand(unsigned seed) {
    S().seeds.push_back(seed);
    std::srand(seed);
}

int AfxRand() {
    if (S().randomSource)
        return S().randomSource();
    // Keep the top fifteen bits, as a 15-bit generator would give them.
    return std::rand() >> ExtraBits();
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

int ExitStatus() {
    return S().exitStatus;
}

bool PumpOne() {
    return TakeOne(false);
}

} // namespace sim
