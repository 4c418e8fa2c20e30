#include "test_runner.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace e2e {

namespace {

struct RegisteredTest {
    const char* name;
    TestFunction function;
};

std::vector<RegisteredTest>& registry() {
    static std::vector<RegisteredTest> tests;
    return tests;
}

bool selected(const char* name, const std::vector<std::string>& filters) {
    if (filters.empty())
        return true;
    for (const std::string& filter : filters)
        if (std::string(name).find(filter) != std::string::npos)
            return true;
    return false;
}

} // namespace

bool TestContext::check(bool ok, const std::string& what) {
    if (!ok)
        failures_.push_back(what);
    return ok;
}

bool TestContext::checkf(bool ok, const char* format, ...) {
    if (ok)
        return true;
    char message[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof message, format, args);
    va_end(args);
    failures_.push_back(message);
    return false;
}

TestRegistrar::TestRegistrar(const char* name, TestFunction function) {
    registry().push_back({name, function});
}

int runTests(const RunOptions& options, const std::vector<std::string>& filters) {
    // Registration follows link order; run in name order, so groups stay together.
    std::sort(registry().begin(), registry().end(),
              [](const RegisteredTest& a, const RegisteredTest& b) {
                  return std::strcmp(a.name, b.name) < 0;
              });
    int passed = 0;
    int failed = 0;
    for (const RegisteredTest& test : registry()) {
        if (!selected(test.name, filters))
            continue;
        std::printf("[ RUN    ] %s\n", test.name);
        std::fflush(stdout);
        TestContext context(options);
        const DWORD start = GetTickCount();
        test.function(context);
        const DWORD elapsed = GetTickCount() - start;
        for (const std::string& failure : context.failures())
            std::printf("    %s\n", failure.c_str());
        std::printf("[ %s ] %s (%lu ms)\n", context.failed() ? "FAILED" : "    OK", test.name,
                    static_cast<unsigned long>(elapsed));
        std::fflush(stdout);
        ++(context.failed() ? failed : passed);
    }
    // The driver plays games of its own width only (its hook must load into them).
    std::printf("%d-bit game: %d passed, %d failed\n", kDriverBits, passed, failed);
    std::fflush(stdout);
    return passed > 0 && failed == 0 ? 0 : 1;
}

} // namespace e2e
