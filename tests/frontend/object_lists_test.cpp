// The object lists without windows: the views and state rules of the list managers, the values
// of the edit dialogs with their IP display and checks, and runs that use an edited or removed
// object.
#include <gtest/gtest.h>

#include "batch_input.h"
#include "object_data.h"
#include "object_rows.h"
#include "object_units.h"
#include "run_economics.h"
#include "run_fixture.h"
#include "run_report.h"
#include "simulation_bridge.h"
#include "weather_files.h"

namespace {

// Ids of the rows a list shows.
std::vector<int> Ids(const std::vector<ListedObject>& rows) {
    std::vector<int> ids;
    for (const auto& row : rows) ids.push_back(row.id);
    return ids;
}

class ObjectListTest : public test::RunTest {};

// Every type: built-in rows are never listed; a new row starts in the active view, moves to the
// inactive one and back, and once removed is in neither, named "Unknown", still in its table and
// beyond activation or change. Built-in rows take no state change.
TEST_F(ObjectListTest, ViewsAndStateChangesOfEveryType) {
    for (ObjectType type : kObjectTypes) {
        SCOPED_TRACE(ObjectTable(type));
        auto set = OpenObjectSet(type);
        EXPECT_TRUE(ListObjects(*set, ObjectView::Active).empty());  // only built-in rows
        const int id = AddObject(*set, NewObjectData(type));
        EXPECT_EQ(Ids(ListObjects(*set, ObjectView::Active)), std::vector<int>{id});
        EXPECT_FALSE(ActivateObject(*set, id));

        EXPECT_TRUE(DeactivateObject(*set, id));
        EXPECT_TRUE(ListObjects(*set, ObjectView::Active).empty());
        EXPECT_EQ(Ids(ListObjects(*set, ObjectView::Inactive)), std::vector<int>{id});
        EXPECT_TRUE(ActivateObject(*set, id));
        EXPECT_EQ(Ids(ListObjects(*set, ObjectView::Active)), std::vector<int>{id});

        EXPECT_TRUE(RemoveObject(*set, id));
        EXPECT_TRUE(ListObjects(*set, ObjectView::Active).empty());
        EXPECT_TRUE(ListObjects(*set, ObjectView::Inactive).empty());
        EXPECT_FALSE(ActivateObject(*set, id));
        EXPECT_FALSE(SaveObject(*set, id, NewObjectData(type)));
        ASSERT_TRUE(SelectObject(*set, id));
        EXPECT_EQ(set->m_Name, "Unknown");
        EXPECT_EQ(set->m_Active, 2);

        if (type >= ObjectType::PoolUse) {  // the reference database has no built-in contacts
            EXPECT_FALSE(SelectObject(*set, 1));
            EXPECT_FALSE(DeactivateObject(*set, 1));
            EXPECT_FALSE(RemoveObject(*set, 1));
        }
    }
}

// A new collector is stored with the initial values; its edited values read back as written.
TEST_F(ObjectListTest, NewAndEditedRowsKeepTheirValues) {
    auto set = OpenObjectSet(ObjectType::Collector);
    const int id = AddObject(*set, NewObjectData(ObjectType::Collector));
    ASSERT_TRUE(SelectObject(*set, id));
    EXPECT_EQ(set->m_Editable, 1);
    EXPECT_EQ(set->m_Active, 1);
    auto collector = std::get<CollectorData>(ReadObject(*set));
    EXPECT_EQ(collector.name, "<Enter name here>");
    EXPECT_DOUBLE_EQ(collector.area, 2.96);
    EXPECT_DOUBLE_EQ(collector.testFlowRate, 0.02);
    EXPECT_DOUBLE_EQ(collector.c, 4.5);

    collector = {"Roof panel", 1, 3.5, 0.2, 0.85, 0.03, 12, 2.5, 7};
    ASSERT_TRUE(SaveObject(*set, id, collector));
    ASSERT_TRUE(SelectObject(*set, id));
    const auto read = std::get<CollectorData>(ReadObject(*set));
    EXPECT_EQ(read.name, "Roof panel");
    EXPECT_EQ(read.type, 1);
    EXPECT_DOUBLE_EQ(read.d, 2.5);
    EXPECT_DOUBLE_EQ(read.e, 7);

    auto pool = OpenObjectSet(ObjectType::PoolUse);
    const int poolId = AddObject(*pool, PoolUseData{"Club", 18, 22, 26, 29, 6, 21, 8, 20, 2});
    ASSERT_TRUE(SelectObject(*pool, poolId));
    const auto use = std::get<PoolUseData>(ReadObject(*pool));
    EXPECT_EQ(use.weekdayClose, 21);
    EXPECT_EQ(use.activityLevel, 2);
    EXPECT_DOUBLE_EQ(use.maxTPool, 29);
}

// Each field's IP display: a value typed in IP and stored in SI shows again as typed (the way
// back divides by the factor); a few reference conversions.
TEST(ObjectUnits, IPRoundTripsAndReferenceValues) {
    const UnitConversion* conversions[] = {
        &TestAreaUnits(),      &TestFlowUnits(),       &CoefficientBUnits(0),
        &CoefficientCUnits(0), &CoefficientCUnits(1),  &CoefficientDUnits(0),
        &CoefficientDUnits(1), &CoefficientEUnits(),   &HeaterCapacityUnits(),
        &InsulationUnits(),    &PoolTemperatureUnits()};
    for (const UnitConversion* conversion : conversions) {
        for (double typed : {0.001, 0.37, 77.0, 12345.678}) {
            const double stored = conversion->Stored(typed, UnitSystem::IP);
            EXPECT_NEAR(conversion->Shown(stored, UnitSystem::IP), typed, 1e-9 * typed);
            EXPECT_EQ(conversion->Stored(typed, UnitSystem::SI), typed);
        }
    }
    EXPECT_NEAR(PoolTemperatureUnits().Stored(77, UnitSystem::IP), 25, 1e-12);
    EXPECT_EQ(PoolTemperatureUnits().Text(25, UnitSystem::IP), "77.0");
    EXPECT_EQ(TestAreaUnits().Text(2.96, UnitSystem::SI), "2.96");
    EXPECT_EQ(TestAreaUnits().Text(2.96, UnitSystem::IP), "31.8612");
    EXPECT_EQ(HeaterCapacityUnits().Text(40000, UnitSystem::IP), "136577");
    EXPECT_EQ(InsulationUnits().Text(0.3, UnitSystem::IP), "1.7");
    EXPECT_EQ(CoefficientDUnits(1).UnitString(UnitSystem::IP), kStrUnitUnglazedDIP);
}

class ObjectChecks : public ::testing::Test {
  protected:
    test::FrontEndMessages messages;  // English texts
};

TEST_F(ObjectChecks, RangesOfEachDialog) {
    // Temperatures: 0..50 °C, or 32..122 °F as shown; the first failure is named.
    PoolUseData use = std::get<PoolUseData>(NewObjectData(ObjectType::PoolUse));
    EXPECT_FALSE(CheckPoolUse(use, UnitSystem::IP, {"77", "80.6", "69.8", "86"}));
    use.minTPool = 51;
    auto problem = CheckPoolUse(use, UnitSystem::SI, {"25", "27", "51", "30"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, 2);
    EXPECT_EQ(problem->message, "Value should be between 0 and 50.");
    problem = CheckPoolUse(use, UnitSystem::IP, {"77", "x", "123.8", "86"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, 1);
    EXPECT_EQ(problem->message, "Enter a number.");

    // A heater of 49 W is refused, 50 W taken; an efficiency of 0 is refused.
    EXPECT_EQ(CheckHeater({"h", 0, 49, 80}, UnitSystem::SI, {"49", "80"})->field, 0);
    EXPECT_FALSE(CheckHeater({"h", 0, 50, 80}, UnitSystem::SI, {"50", "80"}));
    EXPECT_EQ(CheckHeater({"h", 1, 50, 0}, UnitSystem::SI, {"50", "0"})->field, 1);

    // Blanket: fractions 0..1; insulation 0.001..1000 m2·°C/W, 0.005678..5678 in IP.
    BlanketData blanket{"b", 0.2, 0.7, 0.2, 0, 0.0009};
    problem = CheckBlanket(blanket, UnitSystem::IP, {"0.2", "0.7", "0.2", "0", "0.0051102"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message, "Value should be between 0.005678 and 5678.");
    blanket.insulation = 0.001;
    EXPECT_FALSE(CheckBlanket(blanket, UnitSystem::IP, {"0.2", "0.7", "0.2", "0", "0.005678"}));
    blanket.lwTransmissivity = 1.2;
    EXPECT_EQ(CheckBlanket(blanket, UnitSystem::SI, {"0.2", "0.7", "0.2", "1.2", "0.001"})->field,
              3);
    // What a band absorbs and lets through adds up to 1 at most; exactly 1 is taken.
    blanket.lwTransmissivity = 0.8;
    EXPECT_FALSE(CheckBlanket(blanket, UnitSystem::SI, {"0.2", "0.7", "0.2", "0.8", "0.001"}));
    blanket.lwEmissivity = 0.9;
    blanket.lwTransmissivity = 0.2;
    problem = CheckBlanket(blanket, UnitSystem::SI, {"0.2", "0.7", "0.9", "0.2", "0.001"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, 3);
    EXPECT_EQ(problem->message,
              "An absorptivity (or emissivity) and a transmissivity cannot add up to more than 1.");
    blanket.swAbsorptivity = 0.35;
    EXPECT_EQ(CheckBlanket(blanket, UnitSystem::SI, {"0.35", "0.7", "0.9", "0.2", "0.001"})->field,
              1);
}

// The pool-use dialog takes a schedule exactly when the batch input would: the water's maximum
// not below its minimum, each closing hour not before its opening hour; the bounds in the units
// shown.
TEST_F(ObjectChecks, PoolUseRefusedAsTheBatchInputRefusesIt) {
    struct Case {
        double minPool, maxPool;
        int weekdayOpen, weekdayClose, weekendOpen, weekendClose;
        int field;  // -1: taken
        const char* si;
        const char* ip;
    };
    const Case cases[] = {
        {21, 30, 9, 19, 9, 22, -1, "", ""},
        {25, 25, 12, 12, 0, 24, -1, "", ""},
        {30, 21, 9, 19, 9, 22, 3, "Value should be between 30 and 50.",
         "Value should be between 86 and 122."},
        {21, 30, 9, 8, 9, 22, 4, "Value should be between 9 and 24.",
         "Value should be between 9 and 24."},
        {21, 30, 9, 19, 22, 21, 5, "Value should be between 22 and 24.",
         "Value should be between 22 and 24."},
    };
    BatchInput batch;
    batch.weatherFile = "Climate/Sample.zfw";
    batch.opensMonth = 6;
    batch.opensDay = 1;
    batch.closesMonth = 9;
    batch.closesDay = 30;
    batch.poolArea = 20;
    for (const Case& c : cases) {
        PoolUseData use = std::get<PoolUseData>(NewObjectData(ObjectType::PoolUse));
        use.minTPool = c.minPool;
        use.maxTPool = c.maxPool;
        use.weekdayOpen = c.weekdayOpen;
        use.weekdayClose = c.weekdayClose;
        use.weekendOpen = c.weekendOpen;
        use.weekendClose = c.weekendClose;
        for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
            const UnitConversion& shown = PoolTemperatureUnits();
            const std::array<std::string, 4> texts = {
                shown.Text(use.minTAmbSunny, units), shown.Text(use.minTAmbCloudy, units),
                shown.Text(use.minTPool, units), shown.Text(use.maxTPool, units)};
            const std::optional<EditProblem> problem = CheckPoolUse(use, units, texts);
            EXPECT_EQ(problem ? problem->field : -1, c.field)
                << c.minPool << " " << (units == UnitSystem::IP ? "IP" : "SI");
            if (problem) {
                EXPECT_EQ(problem->message, units == UnitSystem::SI ? c.si : c.ip);
            }
        }
        batch.sunnyDayMinAirTemp = use.minTAmbSunny;
        batch.cloudyDayMinAirTemp = use.minTAmbCloudy;
        batch.minPoolTemp = use.minTPool;
        batch.maxPoolTemp = use.maxTPool;
        batch.weekdayOpen = use.weekdayOpen;
        batch.weekdayClose = use.weekdayClose;
        batch.weekendOpen = use.weekendOpen;
        batch.weekendClose = use.weekendClose;
        batch.activityLevel = use.activityLevel;
        std::string text;
        EXPECT_EQ(WriteBatchInput(batch, text).error == BatchInputError::kNone, c.field == -1)
            << c.minPool << " " << c.weekdayClose;
    }
}

// A collector's test values must be above 0; a glazed one refuses an unglazed collector's wind
// terms, naming the coefficient and its range in the units shown; an unglazed one takes them.
TEST_F(ObjectChecks, CollectorCoefficients) {
    const std::array<std::string, 7> texts = {"2", "0.04", "0.8", "0", "4", "0", "0"};
    CollectorData glazed{"g", 0, 2, 0.04, 0.78, 0, 3.5, 0.015, 0};
    EXPECT_FALSE(CheckCollector(glazed, UnitSystem::SI, texts));
    CollectorData noArea = glazed;
    noArea.area = 0;
    EXPECT_EQ(CheckCollector(noArea, UnitSystem::SI, texts)->field, 0);

    CollectorData windy{"w", 0, 3.72, 0.22, 0.85, 0.026, 11, 2.0, 0};
    auto problem = CheckCollector(windy, UnitSystem::SI, texts);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, 3);
    EXPECT_EQ(problem->message,
              "For a glazed collector, coefficient B should be between 0 and 0.0005 1/°C.");
    windy.b = 0;
    problem = CheckCollector(windy, UnitSystem::IP, texts);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, 5);
    EXPECT_EQ(problem->message,
              "For a glazed collector, coefficient D should be between 0 and "
              "0.00195689 Btu/h/ft2/°F2.");
    windy.type = 1;
    windy.b = 0.026;
    EXPECT_FALSE(CheckCollector(windy, UnitSystem::SI, texts));
    EXPECT_EQ(
        CheckCollector(windy, UnitSystem::SI, {"2", "0.04", "0.8", "0", "4", "0", "e"})->field, 6);
}

// Runs that name user objects: an edited collector is simulated with its new values; after its
// collector and client are removed the run still simulates and reports, naming them "Unknown".
class ObjectRunTest : public test::RunTest {
  protected:
    double AnnualCollectorGain(int runId) {
        CRunsSet run;
        Select(run, runId);
        EXPECT_EQ(SimulateRun(run), SimulationOutcome::Loaded)
            << testing::PrintToString(messages.shown);
        SQLite::Database database(g_strDatabasePath);
        return database.execAndGet("SELECT QColl FROM Results WHERE Month = 0").getDouble();
    }
};

TEST_F(ObjectRunTest, EditedAndRemovedObjectsOfARun) {
    synthetic::WeatherYear year;
    year.stationName = test::kCity;
    ASSERT_TRUE(synthetic::WriteZefirFile(g_strClimateFolder + "/" + test::kWeatherFile, year));
    auto collectors = OpenObjectSet(ObjectType::Collector);
    CollectorData collector{"Test plate", 0, 2, 0.04, 0.78, 0, 3.5, 0.015, 0};
    const int collectorId = AddObject(*collectors, collector);
    auto clients = OpenObjectSet(ObjectType::Client);
    const int clientId = AddObject(*clients, ContactData{"Ms Shore", "1 Beach Road"});
    auto installers = OpenObjectSet(ObjectType::Installer);
    const int installerId = AddObject(*installers, ContactData{"Sun Works", ""});
    const int runId = AddRun([&](CRunsSet& run) {
        run.m_ClientId = clientId;
        run.m_InstallerId = installerId;
        run.m_CollectorId = collectorId;
        run.m_NumberOfColl = 4;
        run.m_AreaPerColl = 2;
        run.m_NumberOfBanks = 1;
        run.m_Orientation = 4;
        run.m_Slope = 30;
        run.m_TotalFlow = 0.16;
    });
    g_nRunCreationMode = RunCreationMode::New;
    g_nCurrentRunId = runId;
    SQLite::Database connection = ConnectDatabase();
    CreateEconomics(-1, connection);

    const double gain = AnnualCollectorGain(runId);
    EXPECT_GT(gain, 0);
    collector.a = 0.39;
    ASSERT_TRUE(SaveObject(*collectors, collectorId, collector));
    const double halfGain = AnnualCollectorGain(runId);
    EXPECT_GT(halfGain, 0);
    EXPECT_LT(halfGain, 0.7 * gain);

    ASSERT_TRUE(RemoveObject(*collectors, collectorId));
    ASSERT_TRUE(RemoveObject(*clients, clientId));
    EXPECT_DOUBLE_EQ(AnnualCollectorGain(runId), halfGain);
    SQLite::Database database(g_strDatabasePath);
    ASSERT_TRUE(ComputeRunEconomics(runId));
    std::string html;
    ASSERT_TRUE(
        BuildRunReport(database, runId, dataFolder, g_strProgramFolder, Language::English, &html))
        << testing::PrintToString(messages.shown);
    const std::string page = test::ReadFile(html);
    EXPECT_NE(page.find("Unknown"), std::string::npos);
    EXPECT_EQ(page.find("Ms Shore"), std::string::npos);
}

}  // namespace
