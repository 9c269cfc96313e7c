#include "process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

TEST(RunProgram, ExitCodeAndStandardErrorComeBack) {
    const ProgramOutcome ok = RunProgram("/bin/sh", {"-c", "echo done"});
    EXPECT_TRUE(ok.Succeeded());
    EXPECT_EQ(ok.errors, "");

    // More than a pipe holds, so the wait cannot start before the reading ends.
    const ProgramOutcome failed =
        RunProgram("/bin/sh", {"-c", "head -c 200000 /dev/zero | tr '\\0' x >&2; exit 3"});
    EXPECT_TRUE(failed.started);
    EXPECT_TRUE(failed.exited);
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.errors.size(), 200000u);
    EXPECT_FALSE(failed.Succeeded());
}

TEST(RunProgram, MissingProgramAndSignalAreFailures) {
    const ProgramOutcome missing = RunProgram("/nonexistent/TidewarmPro", {"-batch"});
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.problem.find("No such file"), std::string::npos) << missing.problem;

    const ProgramOutcome killed = RunProgram("/bin/sh", {"-c", "kill -9 $$"});
    EXPECT_TRUE(killed.started);
    EXPECT_FALSE(killed.exited);
    EXPECT_FALSE(killed.Succeeded());
    EXPECT_EQ(killed.signal, 9);
}

// Only the descriptor handed over reaches the program, under its own number, with the variable
// that names it; the others close on exec.
TEST(RunProgram, HandsOverOneDescriptor) {
    const int handed = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int kept = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(handed, 0);
    ASSERT_GE(kept, 0);
    const std::string script =
        "test -e /proc/self/fd/$HANDED_FD && test \"$HANDED_FD\" = " + std::to_string(handed) +
        " && ! test -e /proc/self/fd/" + std::to_string(kept);
    EXPECT_TRUE(RunProgram("/bin/sh", {"-c", script}, {handed, "HANDED_FD"}).Succeeded());
    EXPECT_FALSE(RunProgram("/bin/sh", {"-c", script}).Succeeded());
    ::close(handed);
    ::close(kept);
}

}  // namespace
