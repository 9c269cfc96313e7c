#include "file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "scoped_environment.h"
#include "test_support.h"

namespace {

using std::chrono::milliseconds;

// A lock is exclusive between openings of its file, waited for up to the given time; the
// descriptor handed down by the holder takes it again at once, while a descriptor of another
// opening of the same file, named the same way, does not get round it.
TEST(FileLock, ExclusiveWaitedForAndHandedDown) {
    test::ScopedTempDir dir;
    test::ScopedEnvironment environment;
    environment.Unset(kHandedLockVariable);
    const std::string path = SimulationLockPath(dir.path().string());
    FileLock holder, other;
    ASSERT_EQ(holder.Acquire(path, milliseconds(0)), FileLock::Outcome::kHeld);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(other.Acquire(path, milliseconds(200)), FileLock::Outcome::kBusy);
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(200));
    EXPECT_EQ(other.Descriptor(), -1);

    environment.Set(kHandedLockVariable, std::to_string(holder.Descriptor()));
    FileLock child;
    EXPECT_EQ(child.Acquire(path, milliseconds(0)), FileLock::Outcome::kHeld);
    child.Release();  // closes its own descriptor only: the holder keeps the lock
    environment.Unset(kHandedLockVariable);
    EXPECT_EQ(other.Acquire(path, milliseconds(0)), FileLock::Outcome::kBusy);

    const int stray = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(stray, 0);
    environment.Set(kHandedLockVariable, std::to_string(stray));
    EXPECT_EQ(other.Acquire(path, milliseconds(0)), FileLock::Outcome::kBusy);
    ::close(stray);

    environment.Unset(kHandedLockVariable);
    holder.Release();
    EXPECT_EQ(other.Acquire(path, milliseconds(0)), FileLock::Outcome::kHeld);

    FileLock nowhere;
    EXPECT_EQ(nowhere.Acquire((dir.path() / "missing" / "x.lock").string(), milliseconds(0)),
              FileLock::Outcome::kFailed);
    EXPECT_NE(nowhere.Problem().find("No such file"), std::string::npos) << nowhere.Problem();
}

}  // namespace
