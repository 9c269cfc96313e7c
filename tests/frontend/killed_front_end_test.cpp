// The front end killed at random moments of its work, as a power cut or a kill would stop it:
// after each kill the database is whole, every run has its economics or is not there at all, the
// next start opens it, and that start leaves no temporary behind.
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "database_maintenance.h"
#include "folders.h"
#include "frontend_start.h"
#include "frontend_test_support.h"
#include "input_form_data.h"
#include "record_sets.h"
#include "report_set.h"
#include "run_actions.h"
#include "run_economics.h"
#include "scoped_environment.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kKills = 200;
constexpr int kLongestLifeMs = 160;

// The user's work without pause: the start, then new runs, each stored with its economics,
// simulated, its economics computed and its report built, every second one removing the run
// before it. Never returns: the test kills it.
[[noreturn]] void WorkUntilKilled(const std::string& data) {
    if (!StartFrontEnd(TIDEWARM_BIN_DIR, data)) ::_exit(1);
    for (int round = 0;; ++round) {
        g_nRunCreationMode = RunCreationMode::New;
        g_nCurrentRunId = -1;
        InputFormData form = NewRunForm();
        static_cast<void>(OpenFormChoices(form));
        form.closesMonth = 6;  // a short season, so that the kills meet its loading and report too
        form.closesDay = 10;
        if (!StoreNewRunOfForm(form)) ::_exit(1);
        static_cast<void>(SimulateCurrentRun());
        static_cast<void>(ComputeRunEconomics(g_nCurrentRunId));
        static_cast<void>(BuildCurrentRunReport());
        if (round % 2 == 1) static_cast<void>(DeleteRun(g_nCurrentRunId - 1));
    }
}

// A client or installer for the runs, which their report names.
template <typename ContactSet>
void AddContact() {
    ContactSet contact;
    contact.Open();
    contact.AddNew();
    contact.m_Name = "Pool owner";
    contact.m_Editable = 1;
    contact.m_Active = 1;
    contact.Update();
}

// Starts the work in a process group of its own, kills the group (the front end and the
// simulator it may have started) after `lifetime`, and waits for every process of it to end.
void KillWorkAfter(const std::string& data, std::chrono::milliseconds lifetime) {
    const pid_t worker = ::fork();
    ASSERT_GE(worker, 0);
    if (worker == 0) {
        ::setpgid(0, 0);
        try {
            WorkUntilKilled(data);
        } catch (...) {
        }
        ::_exit(2);
    }
    ::setpgid(worker, worker);
    std::this_thread::sleep_for(lifetime);
    ::kill(-worker, SIGKILL);
    // The simulator, orphaned by the kill, is this process's to wait for (a child subreaper).
    int status = 0;
    while (::waitpid(-worker, &status, 0) > 0 || errno == EINTR) {
    }
}

// Whether the file or folder `entry` of the data folder is something a write left half done. A
// folder is the report's (`page`, the text of its page) when the page shows its charts from it.
bool IsLeftover(const fs::directory_entry& entry, const std::string& page) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory())
        return name != "Climate" && page.find(UrlSegment(name) + "/") == std::string::npos;
    return name.ends_with(".part") || name.ends_with(kCompactionSuffix) ||
           name.ends_with("-journal");
}

// Runs stored without their economics.
int RunsWithoutEconomics(SQLite::Database& database) {
    return database
        .execAndGet("SELECT count(*) FROM Runs WHERE RunId NOT IN (SELECT RunId FROM Economics)")
        .getInt();
}

// Rows of a run that is not stored: its economics or results left behind.
int RowsOfMissingRuns(SQLite::Database& database) {
    int rows = 0;
    for (const char* table : {"Economics", "Results", "Daily"})
        rows += database
                    .execAndGet(std::string("SELECT count(*) FROM ") + table +
                                " WHERE RunId NOT IN (SELECT RunId FROM Runs)")
                    .getInt();
    return rows;
}

TEST(KilledFrontEnd, EveryKillLeavesAWholeDatabaseThatTheNextStartOpensCleanly) {
    test::FreshFrontEndState state;
    test::ScopedTempDir folder;
    test::ScopedEnvironment environment;
    environment.Set("HOME", folder.path().string());
    environment.Unset("XDG_CONFIG_HOME");
    environment.Set("LANG", "C");
    environment.Unset("LC_ALL");
    test::FrontEndMessages messages;
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const std::string data = DataFolder();
    fs::create_directories(data + "/Climate");
    synthetic::WeatherYear year;
    year.stationName = "SAMPLE CITY";
    ASSERT_TRUE(synthetic::WriteZefirFile(data + "/Climate/Sample.zfw", year));
    ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data));
    AddContact<CClientsSet>();
    AddContact<CInstallersSet>();
    ASSERT_TRUE(EndFrontEnd(data));

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> lifetime(0, kLongestLifeMs);
    int runsSeen = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const int afterMs = lifetime(random);
        SCOPED_TRACE("kill " + std::to_string(kill) + " after " + std::to_string(afterMs) + " ms");
        KillWorkAfter(data, std::chrono::milliseconds(afterMs));
        {
            // A connection that may write rolls back what the kill left half done, as SQLite
            // intends; what it then finds is what was committed.
            SQLite::Database database(data + "/Tidewarm.mdb", SQLite::OPEN_READWRITE);
            EXPECT_EQ(database.execAndGet("PRAGMA integrity_check").getString(), "ok");
            EXPECT_EQ(RunsWithoutEconomics(database), 0);
            EXPECT_EQ(RowsOfMissingRuns(database), 0);
            runsSeen =
                std::max(runsSeen, database.execAndGet("SELECT max(RunId) FROM Runs").getInt());
        }
        messages.shown.clear();
        ASSERT_TRUE(StartFrontEnd(TIDEWARM_BIN_DIR, data))
            << testing::PrintToString(messages.shown);
        EXPECT_TRUE(messages.shown.empty()) << testing::PrintToString(messages.shown);
        const fs::path page = fs::path(data) / kReportFile;
        const std::string pageText = fs::exists(page) ? test::ReadFile(page) : "";
        for (const fs::directory_entry& entry : fs::directory_iterator(data))
            EXPECT_FALSE(IsLeftover(entry, pageText)) << entry.path();
        ASSERT_TRUE(EndFrontEnd(data));
    }
    EXPECT_GT(runsSeen, 0);  // the kills came during the runs' work too, not only at the start
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

}  // namespace
