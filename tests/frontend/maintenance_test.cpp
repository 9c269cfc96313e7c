#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "database_maintenance.h"
#include "file_size_limit.h"
#include "frontend_test_support.h"
#include "record_sets.h"

namespace fs = std::filesystem;

namespace {

using test::DatabaseTest;
using test::ReadFile;

// Runs 1..runs, each with an Economics row, 13 Results rows and `days` Daily rows.
void AddRuns(int runs, int days) {
    SQLite::Database connection = ConnectDatabase();
    SQLite::Transaction transaction(connection);
    CRunsSet run;
    CEconomicsSet economics;
    CResultsSet results;
    CDailySet daily;
    for (CRecordset* set : {static_cast<CRecordset*>(&run), static_cast<CRecordset*>(&economics),
                            static_cast<CRecordset*>(&results), static_cast<CRecordset*>(&daily)})
        set->Open(&connection);
    for (int r = 0; r < runs; ++r) {
        run.AddNew();
        run.m_Comments = "run " + std::to_string(r);
        run.m_City = std::string(200, 'c');
        run.Update();
        economics.AddNew();
        economics.m_RunId = run.m_RunId;
        economics.Update();
        for (int month = 0; month <= 12; ++month) {
            results.AddNew();
            results.m_RunId = run.m_RunId;
            results.m_Month = static_cast<std::uint8_t>(month);
            results.Update();
        }
        for (int day = 0; day < days; ++day) {
            daily.AddNew();
            daily.m_RunId = run.m_RunId;
            daily.m_SortId = day;
            daily.Update();
        }
    }
    transaction.commit();
}

// Rows of the run in each of the four tables of a run.
int RowsOfRun(const std::string& table, int runId) {
    SQLite::Database connection = ConnectDatabase();
    SQLite::Statement count(connection, "SELECT count(*) FROM [" + table + "] WHERE RunId = ?");
    count.bind(1, runId);
    count.executeStep();
    return count.getColumn(0).getInt();
}

const char* const kRunTables[] = {"Economics", "Results", "Daily", "Runs"};

TEST_F(DatabaseTest, CompactionShrinksTheDatabaseKeepsEveryRowAndABackup) {
    AddRuns(20, 150);
    for (int run = 1; run <= 15; ++run) ASSERT_TRUE(DeleteRun(run));
    const std::string before = ReadFile(g_strDatabasePath);
    ASSERT_EQ(CompactDatabase(g_strDatabasePath), std::nullopt);
    EXPECT_LT(fs::file_size(g_strDatabasePath), before.size());
    EXPECT_EQ(ReadFile(g_strDatabasePath + ".bak"), before);
    EXPECT_FALSE(fs::exists(g_strDatabasePath + ".compact"));
    for (int run = 16; run <= 20; ++run) {
        EXPECT_EQ(RowsOfRun("Runs", run), 1);
        EXPECT_EQ(RowsOfRun("Economics", run), 1);
        EXPECT_EQ(RowsOfRun("Results", run), 13);
        EXPECT_EQ(RowsOfRun("Daily", run), 150);
    }
    EXPECT_EQ(RowsOfRun("Runs", 15), 0);
    // An Id stays used after compaction too.
    CRunsSet runs;
    runs.Open();
    runs.AddNew();
    runs.Update();
    EXPECT_EQ(runs.m_RunId, 21);
}

TEST_F(DatabaseTest, AFailedCompactionLeavesTheDatabaseByteIdenticalAndUsable) {
    AddRuns(3, 10);
    ASSERT_TRUE(DeleteRun(2));
    const CompactionSteps real = DefaultCompactionSteps();
    auto failing = [](const char* reason) {
        return [reason](const std::string&, const std::string&) {
            return std::optional<Problem>(Problem{reason});
        };
    };
    CompactionSteps cannotWrite = real;
    cannotWrite.vacuumInto = failing("disk full");
    CompactionSteps corrupt = real;
    corrupt.vacuumInto = [&](const std::string& from, const std::string& to) {
        if (auto problem = real.vacuumInto(from, to)) return problem;
        std::string damaged = ReadFile(to);
        for (std::size_t i = 100; i < damaged.size(); i += 7) damaged[i] = '\x5A';
        test::WriteFile(to, damaged);
        return std::optional<Problem>();
    };
    CompactionSteps cannotRename = real;
    cannotRename.replace = failing("rename refused");
    const std::string before = ReadFile(g_strDatabasePath);
    // The failing step's reason is returned; the damaged copy's is SQLite's own.
    const std::pair<const CompactionSteps*, const char*> failures[] = {
        {&cannotWrite, "disk full"}, {&corrupt, nullptr}, {&cannotRename, "rename refused"}};
    for (const auto& [steps, reason] : failures) {
        const std::optional<Problem> problem = CompactDatabase(g_strDatabasePath, *steps);
        ASSERT_NE(problem, std::nullopt);
        if (reason != nullptr) {
            EXPECT_EQ(problem->message, reason);
        }
        EXPECT_EQ(ReadFile(g_strDatabasePath), before);
        EXPECT_FALSE(fs::exists(g_strDatabasePath + ".compact"));
        EXPECT_EQ(RowsOfRun("Results", 3), 13);
    }
    // A compaction that fails at start is shown and the start goes on.
    fs::create_directory(g_strDatabasePath + ".compact");
    test::WriteFile(g_strDatabasePath + ".compact/keep", "");  // the temporary name is taken
    EXPECT_TRUE(OpenDatabase(true));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("Error compacting database " + g_strDatabasePath, 0), 0u);
    EXPECT_EQ(ReadFile(g_strDatabasePath), before);
}

// The permissions of a file.
mode_t PermissionsOf(const std::string& path) {
    struct stat file {};
    EXPECT_EQ(::stat(path.c_str(), &file), 0) << path;
    return file.st_mode & 07777;
}

// A backup copy that fails half-way (the disk full) keeps the old backup byte for byte and leaves
// no temporary; the database keeps its permissions through compaction, and the backup takes them.
TEST_F(DatabaseTest, ABackupCopyThatFailsKeepsTheOldBackupAndPermissionsAreKept) {
    AddRuns(20, 1000);
    ASSERT_EQ(::chmod(g_strDatabasePath.c_str(), 0600), 0);
    ASSERT_EQ(CompactDatabase(g_strDatabasePath), std::nullopt);
    EXPECT_EQ(PermissionsOf(g_strDatabasePath), 0600u);
    EXPECT_EQ(PermissionsOf(g_strDatabasePath + ".bak"), 0600u);

    for (int run = 1; run <= 15; ++run) ASSERT_TRUE(DeleteRun(run));
    const std::string before = ReadFile(g_strDatabasePath);
    const std::string backup = ReadFile(g_strDatabasePath + ".bak");
    {
        // Room for the compacted database, not for a copy of the whole one.
        const std::string measured = (folder.path() / "measured.mdb").string();
        SQLite::Database(g_strDatabasePath, SQLite::OPEN_READONLY)
            .exec("VACUUM INTO '" + measured + "'");
        const std::uintmax_t compacted = fs::file_size(measured);
        ASSERT_LT(compacted * 2, before.size());
        test::ScopedFileSizeLimit diskFull((compacted + before.size()) / 2);
        fs::remove(measured);
        const auto problem = CompactDatabase(g_strDatabasePath);
        ASSERT_NE(problem, std::nullopt);
        EXPECT_NE(problem->message.find(g_strDatabasePath + ".bak: File too large"),
                  std::string::npos)
            << problem->message;
    }
    EXPECT_EQ(ReadFile(g_strDatabasePath), before);
    EXPECT_EQ(ReadFile(g_strDatabasePath + ".bak"), backup);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Tidewarm.mdb", "Tidewarm.mdb.bak"}));
}

// A new database copied from the reference follows the umask, whatever the reference's
// permissions.
TEST_F(DatabaseTest, ANewDatabaseFollowsTheUmask) {
    const std::string target = (folder.path() / "new.mdb").string();
    const mode_t previous = ::umask(077);
    const bool copied = CopyReferenceDatabase(target);
    ::umask(previous);
    ASSERT_TRUE(copied);
    EXPECT_EQ(PermissionsOf(target), 0600u);
}

TEST_F(DatabaseTest, DeleteRunRemovesTheRunFromAllFourTablesAndNoOtherRun) {
    AddRuns(3, 5);
    EXPECT_TRUE(DeleteRun(2));
    for (const char* table : kRunTables) {
        EXPECT_EQ(RowsOfRun(table, 2), 0) << table;
        EXPECT_GT(RowsOfRun(table, 1), 0) << table;
        EXPECT_GT(RowsOfRun(table, 3), 0) << table;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DatabaseTest, DeleteRunFailingAfterTheSecondStatementLeavesEveryTableAsItWas) {
    AddRuns(2, 5);
    {
        SQLite::Database connection = ConnectDatabase();
        connection.exec(
            "CREATE TRIGGER Refuse BEFORE DELETE ON Daily BEGIN SELECT RAISE(ABORT, 'refused'); "
            "END");
    }
    EXPECT_FALSE(DeleteRun(1));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error deleting run 1\nrefused"});
    EXPECT_EQ(RowsOfRun("Economics", 1), 1);
    EXPECT_EQ(RowsOfRun("Results", 1), 13);
    EXPECT_EQ(RowsOfRun("Daily", 1), 5);
    EXPECT_EQ(RowsOfRun("Runs", 1), 1);
}

TEST_F(DatabaseTest, DeleteRunWithoutADatabaseReportsAndDeletesNothing) {
    g_strDatabasePath = (folder.path() / "missing.mdb").string();
    EXPECT_FALSE(DeleteRun(1));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("Could not open database " + g_strDatabasePath + "\n", 0),
              0u);
    EXPECT_FALSE(fs::exists(g_strDatabasePath));
}

TEST_F(DatabaseTest, MissingDatabaseIsCreatedFromTheReferenceWhenTheAnswerIsYes) {
    g_strDatabasePath = (folder.path() / "new.mdb").string();
    messages.answer = false;
    EXPECT_FALSE(OpenDatabase(true));
    EXPECT_FALSE(fs::exists(g_strDatabasePath));
    messages.answer = true;
    EXPECT_TRUE(OpenDatabase(true));
    EXPECT_EQ(messages.asked,
              std::vector<std::string>(2, "File " + g_strDatabasePath + " not found. Create?"));
    EXPECT_EQ(ReadFile(g_strDatabasePath), ReadFile(test::BuiltReferenceDatabase()));
    EXPECT_FALSE(fs::exists(g_strDatabasePath + ".bak"));  // a new copy is not compacted
    EXPECT_TRUE(messages.shown.empty());
}

// A database created while French is in force names its built-in rows in French, so that its
// reports and lists read in French; in English they stay as they were.
TEST_F(DatabaseTest, ANewDatabaseNamesItsBuiltInRowsInTheLanguageInForce) {
    struct Case {
        Language language;
        const char* heater;
        const char* noBlanket;
    };
    for (const Case& c : {Case{Language::English, "Heat pump, 14 kW", "None"},
                          Case{Language::French, "Pompe à chaleur, 14 kW", "Aucune"}}) {
        g_nLanguage = c.language;
        g_strDatabasePath = (folder.path() / (c.heater + std::string(".mdb"))).string();
        ASSERT_TRUE(OpenDatabase(false));
        CHeatersSet heater;
        ASSERT_TRUE(SelectById(heater, "HeaterId", 5));
        EXPECT_EQ(heater.m_Name, c.heater);
        CBlanketsSet blanket;
        ASSERT_TRUE(SelectById(blanket, "BlanketId", kNoObjectId));
        EXPECT_EQ(blanket.m_Name, c.noBlanket);
    }
}

TEST_F(DatabaseTest, AFailedCopyOfTheReferenceIsReportedAndNeverOverwrites) {
    g_strProgramFolder = folder.path().string();  // no reference database here
    const std::string target = (folder.path() / "new.mdb").string();
    EXPECT_FALSE(CopyReferenceDatabase(target));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("Could not create database " + target), std::string::npos);
    EXPECT_FALSE(fs::exists(target));

    g_strProgramFolder = TIDEWARM_BIN_DIR;
    test::WriteFile(target, "mine");
    EXPECT_FALSE(CopyReferenceDatabase(target));
    EXPECT_EQ(ReadFile(target), "mine");
    EXPECT_EQ(messages.shown.size(), 2u);
}

// A file that lacks what the record classes read is refused before the compaction, with the
// reason, and stays byte for byte as it was: never turned into an empty database.
TEST_F(DatabaseTest, ADamagedDatabaseIsRefusedWithItsReasonAndLeftUntouched) {
    struct Damage {
        const char* sql;      // run on the fresh database; null: the file's bytes below
        const char* content;  // the file's bytes when there is no statement
        std::string reason;
    };
    const Damage damages[] = {
        {"DROP TABLE Daily", nullptr, "Its table Daily is missing."},
        {"ALTER TABLE Runs DROP COLUMN City", nullptr, "Its column City of table Runs is missing."},
        {nullptr, "", "Its table Clients is missing."},
        {nullptr, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "file is not a database"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.reason);
        fs::remove(g_strDatabasePath);
        {
            SQLite::Database database(g_strDatabasePath,
                                      SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            CreateTables(database);
            if (damage.sql) database.exec(damage.sql);
        }
        if (!damage.sql) test::WriteFile(g_strDatabasePath, damage.content);
        const std::string before = ReadFile(g_strDatabasePath);
        messages.shown.clear();
        EXPECT_FALSE(OpenDatabase(true));
        EXPECT_EQ(messages.shown,
                  std::vector<std::string>{"Could not open database " + g_strDatabasePath + "\n" +
                                           damage.reason});
        EXPECT_EQ(ReadFile(g_strDatabasePath), before);
        EXPECT_FALSE(fs::exists(g_strDatabasePath + ".bak"));
        EXPECT_FALSE(OpenDatabase(false));
    }
}

// A database whose tables are all there but one of whose pages is damaged is refused with the
// reason, neither compacted nor changed.
TEST_F(DatabaseTest, ADatabaseWithADamagedPageIsRefusedAndLeftUntouched) {
    AddRuns(5, 500);
    std::string bytes = ReadFile(g_strDatabasePath);
    constexpr std::size_t kPage = 4096;
    const std::size_t damaged = (bytes.size() / kPage - 2) * kPage;  // a page of Daily's rows
    for (std::size_t i = damaged; i < damaged + kPage; ++i) bytes[i] = '\x5A';
    test::WriteFile(g_strDatabasePath, bytes);
    EXPECT_FALSE(OpenDatabase(true));
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string refused = "Could not open database " + g_strDatabasePath + "\n";
    EXPECT_EQ(messages.shown[0].rfind(refused, 0), 0u) << messages.shown[0];
    EXPECT_GT(messages.shown[0].size(), refused.size());
    EXPECT_EQ(ReadFile(g_strDatabasePath), bytes);
    EXPECT_FALSE(fs::exists(g_strDatabasePath + ".bak"));
}

// A writer killed between its first page write and its commit leaves a hot journal; the next open
// rolls it back, keeping every committed row, and goes on with its checks and compaction.
TEST_F(DatabaseTest, AWriteKilledBeforeItsCommitIsRolledBackAtTheNextOpen) {
    AddRuns(2, 10);
    const std::string committed = ReadFile(g_strDatabasePath);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        // A small page cache makes the transaction write its pages into the file before its
        // commit, as a large one does.
        SQLite::Database connection = ConnectDatabase();
        connection.exec("PRAGMA cache_size = 2");
        connection.exec("BEGIN");
        connection.exec("DELETE FROM Economics");
        connection.exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "INSERT INTO Runs (City) SELECT printf('%0200d', i) FROM n");
        ::_exit(0);  // killed: no commit, no rollback
    }
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_TRUE(fs::exists(g_strDatabasePath + "-journal"));
    ASSERT_NE(ReadFile(g_strDatabasePath), committed);  // the file holds uncommitted pages

    EXPECT_TRUE(OpenDatabase(true)) << testing::PrintToString(messages.shown);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fs::exists(g_strDatabasePath + "-journal"));
    for (int run = 1; run <= 2; ++run) {
        EXPECT_EQ(RowsOfRun("Runs", run), 1);
        EXPECT_EQ(RowsOfRun("Economics", run), 1);
    }
    EXPECT_EQ(ConnectDatabase().execAndGet("SELECT count(*) FROM Runs").getInt(), 2);
}

// The checks at start wait for another program's brief write lock instead of refusing the file.
TEST_F(DatabaseTest, TheChecksAtStartWaitForAnotherWritersBriefLock) {
    AddRuns(1, 1);
    std::promise<void> locked;
    std::thread writer([&locked] {
        SQLite::Database connection = ConnectDatabase();
        connection.exec("BEGIN EXCLUSIVE");
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        connection.exec("COMMIT");
    });
    locked.get_future().wait();
    EXPECT_TRUE(OpenDatabase(false)) << testing::PrintToString(messages.shown);
    writer.join();
    EXPECT_TRUE(messages.shown.empty());
}

// What a killed compaction, backup copy or creation left beside the database is removed when it
// is next opened; other files are kept.
TEST_F(DatabaseTest, LeftoversOfAKilledCompactionOrCopyAreRemovedWhenTheDatabaseIsOpened) {
    const std::vector<std::string> leftovers = {
        g_strDatabasePath + ".compact", g_strDatabasePath + ".bak.Xy12Zq.part",
        g_strDatabasePath + ".part", g_strDatabasePath + ".Ab34Cd.part"};
    const std::string kept = g_strDatabasePath + ".bak.old";
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact);
        for (const std::string& file : leftovers) test::WriteFile(file, "half a copy");
        test::WriteFile(kept, "mine");
        EXPECT_TRUE(OpenDatabase(compact));
        for (const std::string& file : leftovers) EXPECT_FALSE(fs::exists(file)) << file;
        EXPECT_TRUE(fs::exists(kept));
    }
}

// A database reached through a link is compacted where the link leads: the link stays a link,
// and the backup is made beside the file.
TEST_F(DatabaseTest, ALinkedDatabaseIsCompactedInPlaceOfItsFile) {
    AddRuns(3, 300);
    ASSERT_TRUE(DeleteRun(1));
    ASSERT_TRUE(DeleteRun(2));
    const fs::path file = folder.path() / "elsewhere" / "Tidewarm.mdb";
    fs::create_directory(file.parent_path());
    fs::rename(g_strDatabasePath, file);
    fs::create_symlink(file, g_strDatabasePath);
    const std::string before = ReadFile(file);
    ASSERT_EQ(CompactDatabase(g_strDatabasePath), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(g_strDatabasePath));
    EXPECT_EQ(fs::read_symlink(g_strDatabasePath), file);
    EXPECT_LT(fs::file_size(file), before.size());
    EXPECT_EQ(ReadFile(file.string() + ".bak"), before);
    EXPECT_FALSE(fs::exists(g_strDatabasePath + ".bak"));
    EXPECT_EQ(RowsOfRun("Daily", 3), 300);
}

TEST_F(DatabaseTest, StartWithoutCompactionTestsTheConnectionOnly) {
    AddRuns(1, 1);
    const std::string before = ReadFile(g_strDatabasePath);
    EXPECT_TRUE(OpenDatabase(false));
    EXPECT_EQ(ReadFile(g_strDatabasePath), before);
    EXPECT_FALSE(fs::exists(g_strDatabasePath + ".bak"));
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
