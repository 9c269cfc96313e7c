#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "frontend_test_support.h"
#include "record_sets.h"
#include "schema.h"

namespace {

using test::DatabaseTest;

// A value of each column that differs from its default and from the other columns'.
void FillColumns(CRecordset& set) {
    int i = 0;
    for (const BoundColumn& column : set.Columns()) {
        ++i;
        std::visit(
            [&](auto* member) {
                using T = std::remove_pointer_t<decltype(member)>;
                if constexpr (std::is_same_v<T, std::string>)
                    *member = "Côte " + std::string(column.name);
                else if constexpr (std::is_same_v<T, bool>)
                    *member = true;
                else if constexpr (std::is_same_v<T, double>)
                    *member = i + 0.125;
                else if constexpr (std::is_same_v<T, std::int64_t>)
                    *member = 5'000'000'000 + i;
                else if (column.type != ColumnType::Key)
                    *member = static_cast<T>(100 + i);
            },
            column.member);
    }
}

std::string SqlType(const BoundColumn& column) {
    if (column.type == ColumnType::Double) return "real";
    if (column.type == ColumnType::Text) return "text";
    return "integer";
}

TEST_F(DatabaseTest, EveryColumnOfEveryTableIsWrittenAndReadBackWithItsType) {
    auto written = TableRecordsets();
    auto read = TableRecordsets();
    SQLite::Database database(g_strDatabasePath);
    for (std::size_t t = 0; t < written.size(); ++t) {
        CRecordset& out = *written[t];
        SCOPED_TRACE(out.GetDefaultSQL());
        out.Open();
        out.AddNew();
        FillColumns(out);
        out.Update();
        CRecordset& in = *read[t];
        in.m_strFilter = "rowid = ?";
        in.m_filterValues = {out.GetLastAddedId()};
        in.Open();
        ASSERT_FALSE(in.IsEOF());
        const auto outColumns = out.Columns();
        const auto inColumns = in.Columns();
        for (std::size_t c = 0; c < outColumns.size(); ++c) {
            SCOPED_TRACE(std::string(outColumns[c].name));
            std::visit(
                [&](auto* expected) {
                    using T = std::remove_pointer_t<decltype(expected)>;
                    EXPECT_EQ(*std::get<T*>(inColumns[c].member), *expected);
                },
                outColumns[c].member);
            SQLite::Statement type(database, "SELECT typeof([" + std::string(outColumns[c].name) +
                                                 "]) FROM " + out.GetDefaultSQL());
            ASSERT_TRUE(type.executeStep());
            EXPECT_EQ(type.getColumn(0).getString(), SqlType(outColumns[c]));
        }
        in.MoveNext();
        EXPECT_TRUE(in.IsEOF());
    }
}

TEST_F(DatabaseTest, KeysAreAssignedOnInsertAndNeverReused) {
    CClientsSet clients;
    clients.Open();
    for (const char* name : {"Ann", "Bob"}) {
        clients.AddNew();
        clients.m_Name = name;
        clients.Update();
    }
    EXPECT_EQ(clients.m_Id, 2);
    clients.Requery();
    clients.MoveNext();
    clients.Delete();
    clients.AddNew();
    clients.m_Name = "Cid";
    clients.Update();
    EXPECT_EQ(clients.m_Id, 3);
    EXPECT_EQ(clients.GetLastAddedId(), 3);
}

TEST_F(DatabaseTest, TextAboveTwoHundredFiftyFiveCharactersIsRefused) {
    CInstallersSet installers;
    installers.Open();
    installers.AddNew();
    installers.m_Name.clear();
    for (int i = 0; i < 255; ++i) installers.m_Name += "é";  // characters, not bytes
    installers.Update();
    installers.AddNew();
    installers.m_Info = std::string(256, 'x');
    EXPECT_THROW(installers.Update(), SQLite::Exception);
    installers.Requery();
    installers.MoveNext();
    EXPECT_TRUE(installers.IsEOF());
}

// Text reaches the database in UTF-8: bytes that are not are read as Windows-1252, and a NUL
// ends the text there, as it ends it for every reader.
TEST_F(DatabaseTest, TextIsStoredInUtf8AndEndsAtANul) {
    CClientsSet clients;
    clients.Open();
    clients.AddNew();
    clients.m_Name = "Caf\xE9 \x93Soleil\x94";
    clients.m_Info = std::string("Rue des \xC9rables\0<script>", 24);
    clients.Update();
    clients.AddNew();
    clients.m_Name = "Déjà UTF-8";
    clients.Update();
    clients.Requery();
    ASSERT_FALSE(clients.IsEOF());
    EXPECT_EQ(clients.m_Name, "Café “Soleil”");
    EXPECT_EQ(clients.m_Info, "Rue des Érables");
    clients.MoveNext();
    EXPECT_EQ(clients.m_Name, "Déjà UTF-8");
}

TEST_F(DatabaseTest, FilterWithTrailingSemicolonSortAndBoundValues) {
    CDailySet days;
    days.Open();
    for (int day : {3, 1, 2}) {
        days.AddNew();
        days.m_RunId = day == 2 ? 8 : 7;
        days.m_SortId = day;
        days.Update();
    }
    days.m_strFilter = "[RunId] = 7;";
    days.m_strSort = "[SortId]";
    days.Requery();
    ASSERT_FALSE(days.IsEOF());
    EXPECT_EQ(days.m_SortId, 1);
    days.MoveNext();
    EXPECT_EQ(days.m_SortId, 3);
    days.MoveNext();
    EXPECT_TRUE(days.IsEOF());
    // A value from a user travels as a parameter: quotes in it are only characters.
    CClientsSet clients;
    clients.m_strFilter = "[Name] = ?";
    clients.m_filterValues = {std::string("x' OR '1'='1")};
    clients.Open();
    EXPECT_TRUE(clients.IsEOF());
}

TEST_F(DatabaseTest, SelectByIdFindsTheRowOfThatIdOnly) {
    CClientsSet clients;
    clients.Open();
    for (const char* name : {"first", "second"}) {
        clients.AddNew();
        clients.m_Name = name;
        clients.Update();
    }
    const std::int64_t second = clients.GetLastAddedId();
    ASSERT_TRUE(SelectById(clients, ObjectIdColumn(clients.Type()), second));
    EXPECT_EQ(clients.m_Name, "second");
    clients.MoveNext();
    EXPECT_TRUE(clients.IsEOF());
    EXPECT_FALSE(SelectById(clients, ObjectIdColumn(clients.Type()), second + 1));
}

TEST_F(DatabaseTest, EditUpdatesTheCurrentRowAndDeleteInALoopRemovesEverySelectedRow) {
    CResultsSet results;
    results.Open();
    for (int month = 0; month <= 3; ++month) {
        results.AddNew();
        results.m_RunId = 4;
        results.m_Month = static_cast<std::uint8_t>(month);
        results.Update();
    }
    results.m_strFilter = "[RunId] = 4 AND [Month] = 0";
    results.Requery();
    results.Edit();
    results.m_QAux = 12.5;
    results.Update();
    EXPECT_THROW(results.Update(), std::logic_error);
    results.m_strFilter = "[RunId] = 4";
    results.Requery();
    EXPECT_DOUBLE_EQ(results.m_QAux, 12.5);
    int deleted = 0;
    for (; !results.IsEOF(); results.MoveNext(), ++deleted) results.Delete();
    EXPECT_EQ(deleted, 4);
    results.Requery();
    EXPECT_TRUE(results.IsEOF());
    EXPECT_THROW(results.Edit(), std::logic_error);
}

TEST_F(DatabaseTest, RunsListHasEachRunOnceNewestFirstWithItsClientOrAnEmptyName) {
    CClientsSet clients;
    clients.Open();
    for (const char* name : {"Ann", "Bob"}) {
        clients.AddNew();
        clients.m_Name = name;
        clients.Update();
    }
    CRunsSet runs;
    runs.Open();
    for (int client : {2, 99}) {  // 99: no such client
        runs.AddNew();
        runs.m_ClientId = client;
        runs.m_Comments = "client " + std::to_string(client);
        runs.Update();
    }
    CRunsManagerSet list;
    list.Open();
    ASSERT_FALSE(list.IsEOF());
    EXPECT_EQ(list.m_RunId, 2);
    EXPECT_EQ(list.m_Name, "");
    list.MoveNext();
    EXPECT_EQ(list.m_RunId, 1);
    EXPECT_EQ(list.m_Comments, "client 2");
    EXPECT_EQ(list.m_Name, "Bob");
    list.MoveNext();
    EXPECT_TRUE(list.IsEOF());
    EXPECT_THROW(list.AddNew(), std::logic_error);
}

TEST_F(DatabaseTest, RecordsetsOnOneConnectionShareItsTransaction) {
    SQLite::Database connection = ConnectDatabase();
    {
        SQLite::Transaction transaction(connection);
        CDailySet days;
        days.Open(&connection);
        days.AddNew();
        days.m_RunId = 1;
        days.Update();
    }  // not committed
    CDailySet days;
    days.Open();
    EXPECT_TRUE(days.IsEOF());
}

TEST_F(DatabaseTest, OpeningAMissingDatabaseFailsWithoutCreatingIt) {
    g_strDatabasePath = (folder.path() / "missing.mdb").string();
    CRunsSet runs;
    EXPECT_THROW(runs.Open(), SQLite::Exception);
    EXPECT_FALSE(runs.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(g_strDatabasePath));
}

}  // namespace
