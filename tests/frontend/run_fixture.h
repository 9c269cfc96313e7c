// A database copied from the reference database, in a temporary HOME whose data folder and
// climate folder exist, with one weather city; and runs added to it.
#pragma once

#include <filesystem>
#include <functional>

#include "database_maintenance.h"
#include "folders.h"
#include "frontend_test_support.h"
#include "record_sets.h"
#include "scoped_environment.h"

namespace test {

inline constexpr char kCity[] = "SAMPLE CITY";
inline constexpr char kWeatherFile[] = "Sample.zfw";

class RunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment.Set("HOME", folder.path().string());
        environment.Unset("XDG_CONFIG_HOME");
        dataFolder = DataFolder();
        std::filesystem::create_directories(dataFolder + "/Climate");
        g_strClimateFolder = dataFolder + "/Climate";
        g_CityNames = {"OTHER CITY", kCity};
        g_WeatherFileNames = {"Other.zfw", kWeatherFile};
        g_strProgramFolder = TIDEWARM_BIN_DIR;
        g_strDatabasePath = (folder.path() / "Tidewarm.mdb").string();
        ASSERT_TRUE(CopyReferenceDatabase(g_strDatabasePath));
    }

    // A run of a 40 m2 residential in-ground pool from 15 May to 15 September in kCity with the
    // first pool use and no collector, heater or blanket, changed by `change`; its RunId.
    int AddRun(const std::function<void(CRunsSet&)>& change = {}) {
        CRunsSet run;
        run.m_strFilter = "0";
        run.Open();
        run.AddNew();
        run.m_TStamp = 1'800'000'000;
        run.m_Comments = "Sample";
        run.m_ClientId = run.m_InstallerId = 1;
        run.SetUnits(UnitSystem::SI);
        run.m_City = kCity;
        run.m_OpensMonth = 5;
        run.m_OpensDay = 15;
        run.m_ClosesMonth = 9;
        run.m_ClosesDay = 15;
        run.m_PoolArea = 40;
        run.m_Shading = 10;
        run.m_PoolUseId = 1;
        run.m_CollectorId = run.m_HeaterId = run.m_BlanketId = 1;
        run.m_HeaterMonthlyUse = run.m_BlanketMonthlyUse = 4095;
        if (change) change(run);
        run.Update();
        return static_cast<int>(run.GetLastAddedId());
    }

    // Gives the run `runId` an Economics row of zeros, as every stored run has one.
    void GiveEconomics(int runId) {
        ConnectDatabase().exec("INSERT INTO [Economics] ([RunId]) VALUES (" +
                               std::to_string(runId) + ")");
    }

    // Such a run with its reference pass, four unglazed collectors of 3.72 m2 in one bank facing
    // south at 20 degrees, 0.8 kg/s, and the 29 kW gas heater (the reference database's fourth
    // collector and second heater), changed by `change`; its RunId.
    int AddHeatedSolarRun(const std::function<void(CRunsSet&)>& change = {}) {
        return AddRun([&](CRunsSet& run) {
            run.m_DoubleRun = true;
            run.m_CollectorId = 4;
            run.m_NumberOfColl = 4;
            run.m_AreaPerColl = 3.72;
            run.m_NumberOfBanks = 1;
            run.m_Orientation = 4;
            run.m_Slope = 20;
            run.m_TotalFlow = 0.8;
            run.m_HeaterId = 2;
            if (change) change(run);
        });
    }

    // The run's row.
    void Select(CRunsSet& run, int runId) { ASSERT_TRUE(SelectById(run, kRunIdColumn, runId)); }

    FreshFrontEndState state;
    ScopedTempDir folder;
    ScopedEnvironment environment;
    FrontEndMessages messages;
    std::string dataFolder;
};

}  // namespace test
