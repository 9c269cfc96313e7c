#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "collector_kind.h"
#include "frontend_test_support.h"
#include "object_type.h"
#include "record_sets.h"
#include "schema.h"

namespace fs = std::filesystem;

namespace {

// A copy of the built reference database, opened through the record classes.
class ReferenceDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_strDatabasePath = (folder.path() / "Tidewarm.mdb").string();
        fs::copy_file(test::BuiltReferenceDatabase(), g_strDatabasePath);
    }
    test::ScopedTempDir folder;
};

TEST_F(ReferenceDatabaseTest, TablesHaveTheColumnsOfTheRecordClassesInOrder) {
    SQLite::Database database(g_strDatabasePath);
    for (const auto& set : TableRecordsets()) {
        std::string table = set->GetDefaultSQL();
        table = table.substr(1, table.size() - 2);
        SQLite::Statement columns(database, "SELECT name FROM pragma_table_info(?) ORDER BY cid");
        columns.bind(1, table);
        for (const BoundColumn& column : set->Columns()) {
            ASSERT_TRUE(columns.executeStep()) << table;
            EXPECT_EQ(columns.getColumn(0).getString(), column.name) << table;
        }
        EXPECT_FALSE(columns.executeStep()) << table;
    }
    SQLite::Statement empty(database,
                            "SELECT (SELECT count(*) FROM Runs) + (SELECT count(*) FROM Results) + "
                            "(SELECT count(*) FROM Daily) + (SELECT count(*) FROM Economics)");
    ASSERT_TRUE(empty.executeStep());
    EXPECT_EQ(empty.getColumn(0).getInt(), 0);
}

// Every row of an object table: built in and listed; Id 1 named "None" where it is the none row.
template <class Set>
int CheckBuiltInRows(bool idOneIsNone) {
    Set set;
    set.m_strSort = "[Name]";
    set.Open();
    int rows = 0;
    for (; !set.IsEOF(); set.MoveNext(), ++rows) {
        SCOPED_TRACE(set.m_Name);
        EXPECT_EQ(set.m_Editable, 0);
        EXPECT_EQ(set.m_Active, 1);
        EXPECT_FALSE(set.m_Name.empty());
        if (idOneIsNone) {
            EXPECT_EQ(set.m_Id == 1, set.m_Name == "None");
        }
    }
    return rows;
}

TEST_F(ReferenceDatabaseTest, BuiltInObjectsFollowTheConventionsAndLieInTheirRanges) {
    EXPECT_GE(CheckBuiltInRows<CPoolUseSet>(false), 3);
    EXPECT_GE(CheckBuiltInRows<CCollectorsSet>(true), 3);
    EXPECT_GE(CheckBuiltInRows<CHeatersSet>(true), 3);
    EXPECT_GE(CheckBuiltInRows<CBlanketsSet>(true), 4);
    EXPECT_EQ(CheckBuiltInRows<CClientsSet>(false), 0);
    EXPECT_EQ(CheckBuiltInRows<CInstallersSet>(false), 0);

    CPoolUseSet uses;
    for (uses.Open(); !uses.IsEOF(); uses.MoveNext()) {
        for (double t : {uses.m_MinTAmbSunny, uses.m_MinTAmbCloudy, uses.m_MinTPool})
            EXPECT_TRUE(t > 0 && t <= 50) << uses.m_Name;
        EXPECT_LE(uses.m_MinTAmbSunny, uses.m_MinTAmbCloudy) << uses.m_Name;
        EXPECT_LT(uses.m_MinTPool, uses.m_MaxTPool) << uses.m_Name;
        EXPECT_TRUE(uses.m_WeekdayOpen >= 0 && uses.m_WeekdayOpen < uses.m_WeekdayClose &&
                    uses.m_WeekdayClose <= 24);
        EXPECT_TRUE(uses.m_WeekendOpen >= 0 && uses.m_WeekendOpen < uses.m_WeekendClose &&
                    uses.m_WeekendClose <= 24);
        EXPECT_TRUE(uses.m_ActivityLevel >= 0 && uses.m_ActivityLevel <= 2);
    }
    CCollectorsSet collectors;
    collectors.m_strFilter = "[CollectorId] > 1";
    int glazed = 0, unglazed = 0;
    for (collectors.Open(); !collectors.IsEOF(); collectors.MoveNext()) {
        SCOPED_TRACE(collectors.m_Name);
        (StoredCollectorKind(collectors.m_Type) == CollectorKind::Glazed ? glazed : unglazed)++;
        EXPECT_TRUE(collectors.m_Area > 0 && collectors.m_Area <= 100);
        EXPECT_TRUE(collectors.m_TestFlowRate > 0 && collectors.m_TestFlowRate <= 100);
        EXPECT_TRUE(collectors.m_A > 0 && collectors.m_A < 1);
        EXPECT_GT(collectors.m_C, 0);
        // The collector model needs a positive 1 - C area / (test flow cp) at the test flow.
        EXPECT_GT(1 - collectors.m_C * collectors.m_Area / (collectors.m_TestFlowRate * 4186), 0);
    }
    EXPECT_GE(glazed, 1);
    EXPECT_GE(unglazed, 1);
    CHeatersSet heaters;
    heaters.m_strFilter = "[HeaterId] > 1";
    int fuel = 0, heatPumps = 0;
    for (heaters.Open(); !heaters.IsEOF(); heaters.MoveNext()) {
        const bool isFuel = heaters.Kind() == HeaterKind::Fuel;
        (isFuel ? fuel : heatPumps)++;
        EXPECT_TRUE(heaters.m_Capacity >= 50 && heaters.m_Capacity <= 1e9);
        const double lowest = isFuel ? 50 : 1, highest = isFuel ? 100 : 10;
        EXPECT_TRUE(heaters.m_EfficiencyCOP > lowest && heaters.m_EfficiencyCOP <= highest);
    }
    EXPECT_GE(fuel, 1);
    EXPECT_GE(heatPumps, 1);
    CBlanketsSet blankets;
    blankets.m_strFilter = "[BlanketId] > 1";
    for (blankets.Open(); !blankets.IsEOF(); blankets.MoveNext()) {
        SCOPED_TRACE(blankets.m_Name);
        for (double p : {blankets.m_SWAbsorptivity, blankets.m_SWTransmissivity,
                         blankets.m_LWEmissivity, blankets.m_LWTransmissivity})
            EXPECT_TRUE(p >= 0 && p <= 1);
        EXPECT_LE(blankets.m_SWAbsorptivity + blankets.m_SWTransmissivity, 1);
        EXPECT_TRUE(blankets.m_Insulation >= 0.001 && blankets.m_Insulation <= 1000);
    }
}

// The French reference database holds the same built-in rows with every value but the name.
TEST_F(ReferenceDatabaseTest, TheFrenchReferenceDiffersInItsNamesOnly) {
    SQLite::Database database(g_strDatabasePath);
    SQLite::Statement attach(database, "ATTACH DATABASE ? AS french");
    attach.bind(1, (fs::path(TIDEWARM_BIN_DIR) / "TidewarmFra.ref.mdb").string());
    attach.exec();
    for (const ObjectType type : kObjectTypes) {
        const std::string table = Bracketed(ObjectTable(type));
        SCOPED_TRACE(table);
        std::string values;  // every column but the name
        SQLite::Statement columns(database, "SELECT name FROM pragma_table_info(?)");
        columns.bind(1, std::string(ObjectTable(type)));
        while (columns.executeStep())
            if (columns.getColumn(0).getString() != "Name")
                values += (values.empty() ? "" : ", ") + columns.getColumn(0).getString();
        const auto count = [&](const std::string& sql) {
            SQLite::Statement statement(database, sql);
            statement.executeStep();
            return statement.getColumn(0).getInt();
        };
        for (const auto& [from, to] : {std::pair{"main", "french"}, std::pair{"french", "main"}})
            EXPECT_EQ(count("SELECT count(*) FROM (SELECT " + values + " FROM " + from + "." +
                            table + " EXCEPT SELECT " + values + " FROM " + to + "." + table + ")"),
                      0);
        const std::string id = Bracketed(ObjectIdColumn(type));
        EXPECT_EQ(count("SELECT count(*) FROM main." + table + " AS english JOIN french." + table +
                        " AS french USING (" + id + ") WHERE english.Name = french.Name"),
                  0);
    }
}

TEST_F(ReferenceDatabaseTest, UserRowsTakeIdsAfterTheBuiltInOnes) {
    CHeatersSet heaters;
    heaters.Open();
    heaters.AddNew();
    heaters.m_Name = "Mine";
    heaters.m_Editable = heaters.m_Active = 1;
    heaters.Update();
    SQLite::Database database(g_strDatabasePath);
    EXPECT_EQ(heaters.m_Id, database.execAndGet("SELECT max(HeaterId) FROM Heaters").getInt());
    EXPECT_EQ(heaters.m_Id, database.execAndGet("SELECT count(*) FROM Heaters").getInt());
}

}  // namespace
