#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "file_lock.h"
#include "frontend_globals.h"
#include "frontend_start.h"
#include "frontend_test_support.h"
#include "options.h"
#include "scoped_environment.h"

namespace fs = std::filesystem;

namespace {

// The C locale for the length of a test, so that the start speaks English.
struct CLocale {
    CLocale() {
        environment.Set("LANG", "C");
        environment.Unset("LC_ALL");
        environment.Unset("LC_MESSAGES");
    }
    test::ScopedEnvironment environment;
};

TEST(FrontEndStart, PreparesTheFoldersCreatesTheDatabaseAndWritesTheConfigurationAtTheEnd) {
    test::ScopedTempDir folder;
    test::ScopedEnvironment environment;
    environment.Unset("LC_ALL");
    environment.Unset("LC_MESSAGES");
    environment.Set("LANG", "fr_FR.UTF-8");
    test::FrontEndMessages messages;
    const std::string data = (folder.path() / "Documents/Tidewarm").string();
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_TRUE(fs::is_directory(data + "/Climate"));
    EXPECT_EQ(fs::current_path(), fs::path(data));
    EXPECT_TRUE(fs::exists(data + "/Tidewarm.mdb"));
    EXPECT_EQ(messages.asked, std::vector<std::string>{"Fichier " + data +
                                                       "/Tidewarm.mdb introuvable. Le créer ?"});
    EXPECT_TRUE(messages.shown.empty());
    // The new weather folder received the cities delivered with the program.
    EXPECT_NE(std::find(g_CityNames.begin(), g_CityNames.end(), "Miami Intl Ap FL USA"),
              g_CityNames.end());
    EXPECT_EQ(static_cast<std::ptrdiff_t>(g_CityNames.size()),
              std::distance(fs::directory_iterator(TIDEWARM_BIN_DIR "/Climate"),
                            fs::directory_iterator()));
    ASSERT_TRUE(EndFrontEnd(data));
    EXPECT_EQ(test::ReadFile(data + "/Tidewarm.cfg"),
              "TIDEWARM 3.0\n0\n" + data + "/Tidewarm.mdb\n" + data + "/Climate\n0\nFra\n");
    // The next start compacts the database it finds and keeps the previous state as backup.
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_TRUE(fs::exists(data + "/Tidewarm.mdb.bak"));
    EXPECT_EQ(messages.asked.size(), 1u);
    DropFrenchStrings();
}

// Without its French texts the front end would be French in its reports and help only: it
// starts in English and says so, and the next start tries French again.
TEST(FrontEndStart, AMissingFrenchFileStartsInEnglishAndSaysSo) {
    test::ScopedTempDir folder;
    test::ScopedEnvironment environment;
    environment.Unset("LC_ALL");
    environment.Unset("LC_MESSAGES");
    environment.Set("LANG", "fr_FR.UTF-8");
    test::FrontEndMessages messages;
    const fs::path programs = folder.path() / "programs";
    fs::create_directories(programs);
    for (const char* file : {"Tidewarm.ref.mdb", "scl.err"})
        fs::copy_file(fs::path(TIDEWARM_BIN_DIR) / file, programs / file);
    const std::string data = (folder.path() / "data").string();
    ASSERT_TRUE(StartFrontEnd(programs.string(), data));
    EXPECT_EQ(g_nLanguage, Language::English);
    EXPECT_EQ(g_nNewLanguage, Language::French);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The French texts could not be read from " +
                                                       (programs / "TidewarmFra.str").string() +
                                                       ".\nTidewarm runs in English."});
    EXPECT_EQ(messages.asked,
              std::vector<std::string>{"File " + data + "/Tidewarm.mdb not found. Create?"});
    ASSERT_TRUE(EndFrontEnd(data));
    EXPECT_TRUE(test::ReadFile(data + "/Tidewarm.cfg").ends_with("\nFra\n"));
}

TEST(FrontEndStart, AnUnusableDatabaseEndsTheStartWithMessage214) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    messages.answer = false;
    const std::string data = folder.path().string();
    EXPECT_FALSE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Cannot open database " + data +
                                                       "/Tidewarm.mdb. Program aborted."});
}

// An empty file where the database should be is refused, and kept empty.
TEST(FrontEndStart, AnEmptyDatabaseFileEndsTheStartAndStaysEmpty) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    const std::string data = folder.path().string();
    const std::string database = data + "/Tidewarm.mdb";
    test::WriteFile(database, "");
    EXPECT_FALSE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{
                  "Could not open database " + database + "\nIts table Clients is missing.",
                  "Cannot open database " + database + ". Program aborted."}));
    EXPECT_EQ(fs::file_size(database), 0u);
    EXPECT_TRUE(messages.asked.empty());
}

// A front end killed while it built a report leaves its staging folder; the next start removes it.
TEST(FrontEndStart, RemovesTheStagingFolderOfAKilledReport) {
    test::ScopedTempDir folder;
    test::FrontEndMessages messages;
    const std::string data = folder.path().string();
    const fs::path stale = folder.path() / "Tidewarm.html.Qw3rTy";
    fs::create_directories(stale);
    test::WriteFile(stale / "Tidewarm.html", "half a page");
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_FALSE(fs::exists(stale));
    ASSERT_TRUE(EndFrontEnd(data));
}

// A FIFO named as the database would hold the start in open() until some program wrote to it.
TEST(FrontEndStart, ADatabasePathThatIsNoFileIsRefusedAtOnce) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    const std::string data = folder.path().string();
    const std::string fifo = data + "/pipe.mdb";
    test::WriteFile(data + "/Tidewarm.cfg",
                    "TIDEWARM 3.0\n0\n" + fifo + "\n" + data + "\n0\nEng\n");
    bool started = true;
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(
        fifo, [&] { started = StartFrontEnd(TIDEWARM_BIN_DIR, data); }));
    EXPECT_FALSE(started);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{
                  "Could not open database " + fifo + "\nNot a regular file: a FIFO",
                  "Cannot open database " + fifo + ". Program aborted."}));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// A second front end on a database that another one is working on says so and ends, touching
// neither the database (its start would compact it away) nor the configuration file.
TEST(FrontEndStart, ASecondFrontEndOnTheSameDatabaseSaysSoAndLeavesItAlone) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    const std::string data = folder.path().string();
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    ASSERT_TRUE(EndFrontEnd(data));
    const std::string config = test::ReadFile(data + "/Tidewarm.cfg");

    FileLock first;
    ASSERT_EQ(first.Acquire(data + "/Tidewarm.mdb.lock", std::chrono::milliseconds(0)),
              FileLock::Outcome::kHeld);
    messages.shown.clear();
    EXPECT_FALSE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Another Tidewarm is already working on "
                                                       "the database " +
                                                       data + "/Tidewarm.mdb."});
    EXPECT_FALSE(fs::exists(data + "/Tidewarm.mdb.bak"));  // not compacted
    test::WriteFile(data + "/Tidewarm.cfg", config + "the first one's");
    EXPECT_TRUE(EndFrontEnd(data));
    EXPECT_EQ(test::ReadFile(data + "/Tidewarm.cfg"), config + "the first one's");

    first.Release();
    EXPECT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_TRUE(EndFrontEnd(data));
}

// The lock follows the database that the options put in force: a second front end is refused on
// the new database and may start on the old one; a database refused keeps the lock in force and
// leaves no lock file beside its path.
TEST(FrontEndStart, TheDatabaseLockFollowsTheDatabaseChangedInTheOptions) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    const std::string data = folder.path().string();
    const std::string first = data + "/Tidewarm.mdb", second = data + "/Second.mdb";
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    ASSERT_TRUE(ChangeDatabase(second));
    const auto lockable = [](const std::string& database) {
        FileLock other;
        return other.Acquire(database + ".lock", std::chrono::milliseconds(0)) ==
               FileLock::Outcome::kHeld;
    };
    EXPECT_FALSE(lockable(second));
    EXPECT_TRUE(lockable(first));
    EXPECT_TRUE(ChangeDatabase(second));  // the same again keeps its lock
    EXPECT_FALSE(lockable(second));

    FileLock another;
    const std::string third = data + "/Third.mdb";
    ASSERT_EQ(another.Acquire(third + ".lock", std::chrono::milliseconds(0)),
              FileLock::Outcome::kHeld);
    messages.shown.clear();
    EXPECT_FALSE(ChangeDatabase(third));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Another Tidewarm is already working on "
                                                       "the database " +
                                                       third + "."});
    EXPECT_FALSE(fs::exists(third));
    const std::string notADatabase = data + "/Notes.txt";
    test::WriteFile(notADatabase, "not a database");
    EXPECT_FALSE(ChangeDatabase(notADatabase));
    EXPECT_FALSE(fs::exists(notADatabase + ".lock"));
    EXPECT_EQ(g_strDatabasePath, second);
    EXPECT_FALSE(lockable(second));
    ASSERT_TRUE(EndFrontEnd(data));
    EXPECT_TRUE(lockable(second));
}

// Every name of a database file shares its one lock: a front end given a link to a database that
// another front end uses is refused, at its start and through the options.
TEST(FrontEndStart, ALinkToADatabaseInUseSharesItsLock) {
    test::ScopedTempDir folder;
    const CLocale locale;
    test::FrontEndMessages messages;
    const std::string data = (folder.path() / "data").string();
    const std::string other = (folder.path() / "other").string();
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, other));
    ASSERT_TRUE(EndFrontEnd(other));
    const std::string used = other + "/Tidewarm.mdb";
    FileLock user;
    ASSERT_EQ(user.Acquire(used + ".lock", std::chrono::milliseconds(0)), FileLock::Outcome::kHeld);

    fs::create_directories(data);
    fs::create_symlink(used, data + "/Tidewarm.mdb");
    messages.shown.clear();
    EXPECT_FALSE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Another Tidewarm is already working on "
                                                       "the database " +
                                                       data + "/Tidewarm.mdb."});
    EXPECT_TRUE(EndFrontEnd(data));
    EXPECT_TRUE(fs::is_symlink(data + "/Tidewarm.mdb"));

    fs::remove(data + "/Tidewarm.mdb");
    fs::remove(data + "/Tidewarm.cfg");
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    const std::string link = data + "/Shared.mdb";
    fs::create_symlink(used, link);
    messages.shown.clear();
    EXPECT_FALSE(ChangeDatabase(link));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Another Tidewarm is already working on "
                                                       "the database " +
                                                       link + "."});
    EXPECT_EQ(g_strDatabasePath, data + "/Tidewarm.mdb");
    ASSERT_TRUE(EndFrontEnd(data));
}

}  // namespace
