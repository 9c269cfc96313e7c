#include "file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "scoped_environment.h"
#include "string_table.h"
#include "test_support.h"
#include "user_interface.h"

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
    ASSERT_NE(nowhere.Failure(), std::nullopt);
    EXPECT_NE(nowhere.Failure()->message.find("No such file"), std::string::npos)
        << nowhere.Failure()->message;
}

// A data folder's reservation shows the caller's own text for each refusal: the folder while
// another simulation holds it, the reason when its lock file cannot be opened.
TEST(FileLock, DataFolderReservationShowsTheCallersTexts) {
    static constexpr StringEntry kTexts[] = {{1, "Busy: %s"}, {2, "No lock: %s"}};
    struct Capture : MessageSink {
        void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }
        std::vector<std::string> shown;
    } capture;
    MessageSink* const previous = SetMessageSink(&capture);
    SetEnglishStrings(kTexts);
    test::ScopedTempDir dir;
    test::ScopedEnvironment environment;
    environment.Unset(kHandedLockVariable);
    const std::string folder = dir.path().string();
    const DataFolderLockTexts texts{1, 2};

    FileLock holder, second, nowhere;
    EXPECT_TRUE(ReserveDataFolder(holder, folder, texts));
    ASSERT_EQ(holder.Acquire(SimulationLockPath(folder), milliseconds(0)),
              FileLock::Outcome::kHeld);
    EXPECT_FALSE(ReserveDataFolder(second, folder, texts));
    EXPECT_FALSE(ReserveDataFolder(nowhere, folder + "/missing", texts));
    SetEnglishStrings({});
    SetMessageSink(previous);
    ASSERT_EQ(capture.shown.size(), 2u);
    EXPECT_EQ(capture.shown[0], "Busy: " + folder);
    EXPECT_EQ(capture.shown[1].rfind("No lock: ", 0), 0u) << capture.shown[1];
    EXPECT_NE(capture.shown[1].find("No such file"), std::string::npos) << capture.shown[1];
}

}  // namespace
