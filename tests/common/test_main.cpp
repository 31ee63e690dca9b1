#include <gtest/gtest.h>

// GoogleTest's own main, with one difference: a run whose every case skipped ends with status 77,
// which CTest shows as "Skipped". A run of several cases (the web build runs a test program once
// per group of cases, since starting Node costs more than most cases) is then skipped only when
// nothing in it ran, and a failure is never hidden behind a skip.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (failed == 0 && run.skipped_test_count() > 0 && run.successful_test_count() == 0) return 77;
    return failed;
}
