// What the front end's tests share: recorded messages with a chosen answer to questions, and a
// fresh database in a temporary folder.
#pragma once

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calendar.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "schema.h"
#include "test_support.h"
#include "user_interface.h"

namespace test {

// The front end's shared state as at program start for the length of a test, and again after it:
// a test neither sees nor leaves the run, language or folders of another.
class FreshFrontEndState {
  public:
    FreshFrontEndState() { ResetFrontEndState(); }
    ~FreshFrontEndState() { ResetFrontEndState(); }
    FreshFrontEndState(const FreshFrontEndState&) = delete;
    FreshFrontEndState& operator=(const FreshFrontEndState&) = delete;
};

class FrontEndMessages : public MessageSink {
  public:
    FrontEndMessages() {
        SetEnglishStrings(FrontEndEnglishStrings());
        DropFrenchStrings();
        previous_ = SetMessageSink(this);
    }
    ~FrontEndMessages() override { SetMessageSink(previous_); }
    FrontEndMessages(const FrontEndMessages&) = delete;
    FrontEndMessages& operator=(const FrontEndMessages&) = delete;

    void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }
    bool AskYesNo(std::string_view question, bool) override {
        asked.emplace_back(question);
        return answer;
    }

    std::vector<std::string> shown;
    std::vector<std::string> asked;
    bool answer = true;

  private:
    MessageSink* previous_ = nullptr;
};

// An hourly result file of `hours` lines from the day of year `startDay` on, as TidewarmPro
// writes it: Month, Day, Hour (1 to 24) and a pool temperature equal to the hour.
inline std::string HourlyResultFile(int startDay, int hours) {
    std::string text = "Month,Day,Hour,TPool\n";
    int month = 1, day = startDay;
    while (day > DaysInMonthNoLeap(month)) day -= DaysInMonthNoLeap(month++);
    for (int hour = 0; hour < hours; ++hour) {
        const std::string hourOfDay = std::to_string(hour % 24 + 1);
        text += std::to_string(month) + "," + std::to_string(day) + "," + hourOfDay + "," +
                hourOfDay + "\n";
        if (hour % 24 != 23) continue;
        if (++day <= DaysInMonthNoLeap(month)) continue;
        day = 1;
        month = month % 12 + 1;
    }
    return text;
}

// The reference database the build puts beside the programs.
inline std::filesystem::path BuiltReferenceDatabase() {
    return std::filesystem::path(TIDEWARM_BIN_DIR) / "Tidewarm.ref.mdb";
}

// A temporary folder holding "Tidewarm.mdb" with every table and no rows, made the database in
// use; the program folder is the build's.
class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_strDatabasePath = (folder.path() / "Tidewarm.mdb").string();
        g_strProgramFolder = TIDEWARM_BIN_DIR;
        SQLite::Database database(g_strDatabasePath, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        CreateTables(database);
    }

    FreshFrontEndState state;
    ScopedTempDir folder;
    FrontEndMessages messages;
};

}  // namespace test
