// The same pool simulated through the front end's chain in three of the delivered real cities:
// its season follows each climate as it should.
#include <gtest/gtest.h>

#include <iostream>

#include "run_fixture.h"
#include "simulation_bridge.h"

namespace {

struct Season {
    double poolTemperature;  // °C
    double auxiliary;        // GJ
    double collected;        // GJ
    double usableDaysNoHeat;
};

class DeliveredCitiesTest : public test::RunTest {
  protected:
    // The season row of a 40 m2 pool with four unglazed collectors, a gas heater and the
    // reference pass, from 15 May to 15 September in the delivered city `station`.
    Season SeasonIn(const std::string& station) {
        const std::string file = station + ".zfw";
        std::filesystem::copy_file(std::string(TIDEWARM_BIN_DIR) + "/Climate/" + file,
                                   g_strClimateFolder + "/" + file);
        g_CityNames = {station};
        g_WeatherFileNames = {file};
        const int runId = AddHeatedSolarRun([&](CRunsSet& run) { run.m_City = station; });
        CRunsSet run;
        Select(run, runId);
        EXPECT_EQ(SimulateRun(run), SimulationOutcome::Loaded)
            << testing::PrintToString(messages.shown);
        SQLite::Database database(g_strDatabasePath);
        SQLite::Statement row(database,
                              "SELECT TPool, QAux, QColl, UsableDaysNoHeat FROM Results "
                              "WHERE RunId = ? AND Month = 0");
        row.bind(1, runId);
        EXPECT_TRUE(row.executeStep()) << station;
        const Season season{row.getColumn(0).getDouble(), row.getColumn(1).getDouble(),
                            row.getColumn(2).getDouble(), row.getColumn(3).getDouble()};
        std::cout << station << ": pool " << season.poolTemperature << " C, auxiliary "
                  << season.auxiliary << " GJ, collected " << season.collected
                  << " GJ, usable days without heating " << season.usableDaysNoHeat << "\n";
        return season;
    }
};

TEST_F(DeliveredCitiesTest, ThePoolSeasonFollowsEachClimate) {
    const Season miami = SeasonIn("Miami Intl Ap FL USA");
    const Season phoenix = SeasonIn("Phoenix Sky Harbor Intl Ap AZ USA");
    const Season chicago = SeasonIn("Chicago Ohare Intl Ap IL USA");
    // Chicago's summer is the coolest: its pool needs the most heat and is usable unheated on
    // the fewest days; a heated pool stays below a hot tub's temperature everywhere.
    EXPECT_GT(chicago.auxiliary, miami.auxiliary);
    EXPECT_GT(chicago.auxiliary, phoenix.auxiliary);
    EXPECT_LT(chicago.usableDaysNoHeat, miami.usableDaysNoHeat);
    EXPECT_LT(chicago.usableDaysNoHeat, phoenix.usableDaysNoHeat);
    EXPECT_GT(chicago.collected, 0);
    EXPECT_LT(miami.poolTemperature, 40);
}

}  // namespace
