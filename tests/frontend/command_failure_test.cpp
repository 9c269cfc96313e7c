// Commands ended by a database failure: the failure is said, and what the command had started is
// undone.
#include "command_failure.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include "frontend_globals.h"
#include "input_form_data.h"
#include "run_fixture.h"

namespace {

using test::RunTest;

int RunCount() {
    SQLite::Database database = ConnectDatabase();
    return database.execAndGet("SELECT count(*) FROM [Runs]").getInt();
}

TEST_F(RunTest, AFailedCommandIsSaidWithWhatFailed) {
    EXPECT_TRUE(RunCommand([] { return true; }));
    EXPECT_FALSE(RunCommand([] { return false; }));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(RunCommand([] {
        SQLite::Database database = ConnectDatabase();
        database.exec("SELECT * FROM [NoSuchTable]");
        return true;
    }));
    EXPECT_FALSE(RunCommand([]() -> bool { throw 7; }));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                  "The command could not be completed:\nno such table: NoSuchTable",
                                  "The command could not be completed:\nunknown exception"}));
}

// A new run whose economics cannot be stored is not stored either, even where no run could be
// deleted again, and the current run is the one before (the model in mode 2).
TEST_F(RunTest, ANewRunWhoseEconomicsFailIsNotStored) {
    const int model = AddRun();
    GiveEconomics(model);
    ConnectDatabase().exec(
        "CREATE TRIGGER RefuseEconomics BEFORE INSERT ON Economics "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END; "
        "CREATE TRIGGER RefuseDeletion BEFORE DELETE ON Runs "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    for (RunCreationMode mode : {RunCreationMode::New, RunCreationMode::Copy}) {
        SCOPED_TRACE(static_cast<int>(mode));
        g_nRunCreationMode = mode;
        g_nCurrentRunId = mode == RunCreationMode::Copy ? model : -1;
        InputFormData data = NewRunForm();
        EXPECT_THROW(static_cast<void>(StoreNewRunOfForm(data)), SQLite::Exception);
        EXPECT_EQ(RunCount(), 1);
        EXPECT_EQ(g_nCurrentRunId, mode == RunCreationMode::Copy ? model : -1);
        EXPECT_EQ(data.runNumber, -1);
        EXPECT_TRUE(messages.shown.empty()) << testing::PrintToString(messages.shown);
    }
    g_nRunCreationMode = RunCreationMode::Existing;
    g_nCurrentRunId = -1;
}

}  // namespace
