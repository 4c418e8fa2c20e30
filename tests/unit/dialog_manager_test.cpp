// The shared dialog manager against the scenarios the platform's own dialog
// manager also runs (under Wine), one test each.
#include "dialog_scenarios.h"
#include "game_support.h"

namespace {

class DialogScenarioTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override { sim::Reset(); }
};

TEST_P(DialogScenarioTest, GivesThePlatformsLog) {
    const DialogScenario& scenario = kDialogScenarios[GetParam()];
    EXPECT_EQ(scenario.run(), scenario.expected) << scenario.name;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, DialogScenarioTest, ::testing::Range(0, kDialogScenarioCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(kDialogScenarios[info.param].name);
                         });

} // namespace
