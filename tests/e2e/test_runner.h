// A small test runner for the end-to-end driver: named tests register
// themselves, failed checks are collected with a message, and the run closes
// with the line "64-bit game: N passed, N failed" (or 32-bit, after the driver's own width).
#pragma once

#include <string>
#include <vector>

namespace e2e {

constexpr int kDriverBits = sizeof(void*) * 8;

struct RunOptions {
    std::string gameExe;        // Windows path of quintaro.exe
    std::string screenshotPath; // where a test may save a picture of the window, or empty
};

class TestContext {
public:
    explicit TestContext(const RunOptions& options) : options_(options) {}

    const RunOptions& options() const { return options_; }

    // Records a failure when ok is false; returns ok so callers can stop early.
    bool check(bool ok, const std::string& what);
    // printf-style message, formatted only on failure.
    bool checkf(bool ok, const char* format, ...) __attribute__((format(gnu_printf, 3, 4)));

    bool failed() const { return !failures_.empty(); }
    const std::vector<std::string>& failures() const { return failures_; }

private:
    const RunOptions& options_;
    std::vector<std::string> failures_;
};

using TestFunction = void (*)(TestContext&);

struct TestRegistrar {
    TestRegistrar(const char* name, TestFunction function);
};

// Runs every registered test whose name contains one of the filters (all when
// there are none) and prints the closing line. Returns the exit status: 0 only
// when at least one test ran and none failed.
int runTests(const RunOptions& options, const std::vector<std::string>& filters);

} // namespace e2e

#define E2E_CONCAT_INNER(a, b) a##b
#define E2E_CONCAT(a, b) E2E_CONCAT_INNER(a, b)

// E2E_TEST("group.name") { ... t.check(...); }
#define E2E_TEST(name)                                                                             \
    static void E2E_CONCAT(e2eTest, __LINE__)(e2e::TestContext & t);                               \
    static const e2e::TestRegistrar E2E_CONCAT(e2eRegistrar,                                       \
                                               __LINE__)(name, E2E_CONCAT(e2eTest, __LINE__));     \
    static void E2E_CONCAT(e2eTest, __LINE__)(e2e::TestContext & t)
