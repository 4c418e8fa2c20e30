// Scenarios of the dialog manager's behaviour, written against the framework
// alone: the unit tests run them on the shared dialog manager, and a small
// Windows program runs the same source on the platform's own dialog manager
// under Wine, so that both must give the same log.
#pragma once

#include <string>

struct DialogScenario {
    const char* name;
    std::string (*run)(); // the log of what happened
    const char* expected;
};

extern const DialogScenario kDialogScenarios[];
extern const int kDialogScenarioCount;
