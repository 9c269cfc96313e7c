#include "command_line.h"

#include <gtest/gtest.h>

namespace {

bool Batch(const char* argument) {
    const char* argv[] = {"TidewarmPro", argument, nullptr};
    return IsBatchCommandLine(2, argv);
}

TEST(IsBatchCommandLine, FirstArgumentStartingWithBatchWord) {
    EXPECT_TRUE(Batch("-batch"));
    EXPECT_TRUE(Batch("-batchX"));
    EXPECT_FALSE(Batch("-batc"));
    EXPECT_FALSE(Batch(" -batch"));
    EXPECT_FALSE(Batch("x-batch"));
    EXPECT_FALSE(Batch("-BATCH"));
    EXPECT_FALSE(Batch(""));
}

TEST(IsBatchCommandLine, OnlyTheFirstArgumentCounts) {
    const char* none[] = {"TidewarmPro", nullptr};
    EXPECT_FALSE(IsBatchCommandLine(1, none));
    EXPECT_FALSE(IsBatchCommandLine(0, nullptr));
    const char* second[] = {"TidewarmPro", "project.tdw", "-batch", nullptr};
    EXPECT_FALSE(IsBatchCommandLine(3, second));
    const char* first[] = {"TidewarmPro", "-batch", "project.tdw", nullptr};
    EXPECT_TRUE(IsBatchCommandLine(3, first));
}

}  // namespace
