#include <gtest/gtest.h>

#include <cstdio>

// GoogleTest's own main, with two differences. A run whose every case skipped ends with status
// 77, which CTest shows as "Skipped": a run of several cases (the web build runs a test program
// once per group of cases, since starting Node costs more than most cases) is then skipped only
// when nothing in it ran, and a failure is never hidden behind a skip. And a run that matched no
// case at all fails.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    // A filter that names no case (a group renamed, a typing slip) checks nothing: that fails.
    if (run.total_test_count() > 0 && run.test_to_run_count() == 0 && !testing::GTEST_FLAG(list_tests)) {
        std::fputs("no test case matches the filter given\n", stderr);
        return 1;
    }
    if (failed == 0 && run.skipped_test_count() > 0 && run.successful_test_count() == 0) return 77;
    return failed;
}
