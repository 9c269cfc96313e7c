// The sample run of `make run`, through the front end's chain as the installers' program runs
// it, in the user's data folder:
//
//   sample_run <program folder> [--climate]
//
// With "--climate" it only sets up the data folder and writes the sample weather file into its
// "Climate" folder when that holds none, so that the installers' program, started next, lists a
// city on a new user's first start. Otherwise it
// writes the synthetic ZEFIR weather file into "Climate", creates the database "Tidewarm.mdb"
// from the reference database when missing, adds a sample client, installer and run (a 40 m2
// residential pool heated from mid-May to mid-September), simulates it with TidewarmPro in batch
// mode, loads its results, computes and stores its economics, prints the run's monthly results
// and economics from the database, and last builds the run's HTML report "Tidewarm.html" with
// its four charts and prints its path.
#include <SQLiteCpp/Transaction.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "city_list.h"
#include "database_maintenance.h"
#include "folders.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "record_sets.h"
#include "recordset.h"
#include "run_economics.h"
#include "run_report.h"
#include "simulation_bridge.h"
#include "weather_files.h"

namespace {

constexpr char kStation[] = "SAMPLE CITY (SYNTHETIC)";

// The Id of the contact named `name`, added when there is none.
template <typename ContactSet>
int ContactId(SQLite::Database& connection, const std::string& name, const std::string& info) {
    ContactSet contact;
    contact.m_strFilter = "[Name] = ?";
    contact.m_filterValues = {name};
    contact.Open(&connection);
    if (!contact.IsEOF()) return contact.m_Id;
    contact.AddNew();
    contact.m_Name = name;
    contact.m_Info = info;
    contact.m_Editable = 1;
    contact.m_Active = 1;
    contact.Update();
    return static_cast<int>(contact.GetLastAddedId());
}

// The sample run, with its client and installer, added on `connection`: unglazed collectors
// facing south, a 29 kW gas heater for every month and a clear bubble blanket from May to
// September.
int AddSampleRun(SQLite::Database& connection) {
    CRunsSet run;
    run.m_strFilter = "0";
    run.Open(&connection);
    run.AddNew();
    run.m_TStamp = std::time(nullptr);
    run.m_Comments = "Sample run on synthetic weather";
    run.m_ClientId = ContactId<CClientsSet>(connection, "Sample client", "1 Pool Street");
    run.m_InstallerId = ContactId<CInstallersSet>(connection, "Sample installer", "2 Solar Road");
    run.m_DoubleRun = true;
    run.SetUnits(UnitSystem::SI);
    run.m_City = kStation;
    run.m_OpensMonth = 5;
    run.m_OpensDay = 15;
    run.m_ClosesMonth = 9;
    run.m_ClosesDay = 15;
    run.m_PoolArea = 40;
    run.m_Shading = 10;
    run.m_PoolUseId = 1;
    run.m_CollectorId = 4;
    run.m_NumberOfColl = 4;
    run.m_AreaPerColl = 3.72;
    run.m_NumberOfBanks = 2;
    run.m_Orientation = 4;
    run.m_Slope = 20;
    run.m_TotalFlow = 1.2;
    run.m_HeaterId = 2;
    run.m_HeaterMonthlyUse = 4095;
    run.m_BlanketId = 2;
    run.m_BlanketMonthlyUse = 248;
    run.Update();
    return static_cast<int>(run.GetLastAddedId());
}

void PrintResults(int runId) {
    CResultsSet results;
    results.m_strSort = "[SortId]";
    OpenById(results, kRunIdColumn, runId);
    std::printf("\nMonthly results of run %d (energies in GJ):\n", runId);
    std::printf("%6s %9s %9s %9s %9s %9s %8s %6s %6s %7s\n", "Month", "Passive", "Active",
                "Auxiliary", "Losses", "Collected", "TPool", "Swim", "Usable", "NoHeat");
    for (; !results.IsEOF(); results.MoveNext()) {
        char label[16];
        std::snprintf(label, sizeof label, results.m_Month == 0 ? "Season" : "%d", results.m_Month);
        std::printf("%6s %9.2f %9.2f %9.2f %9.2f %9.2f %8.2f %6.1f %6.1f %7.1f\n", label,
                    results.m_QPass, results.m_QAct, results.m_QAux, results.m_QLoss,
                    results.m_QColl, results.m_TPool, results.m_SwimDays, results.m_UsableDays,
                    results.m_UsableDaysNoHeat);
    }
}

void PrintEconomics(int runId) {
    CEconomicsSet e;
    if (!SelectById(e, kRunIdColumn, runId)) return;
    std::printf("\nEconomics ($):\n");
    const std::pair<const char*, double> lines[] = {
        {"Collectors", e.m_CollTotalCost},
        {"Initial costs", e.m_InitialCosts},
        {"Energy per year", e.m_EnergyAnnualCost},
        {"Electricity per year", e.m_ElectricityAnnualCost},
        {"Yearly costs", e.m_YearlyCosts},
        {"Value of energy per year", e.m_ValueOfEnergy},
        {"Loan", e.m_LoanAmount},
        {"Loan payment per year", e.m_LoanPayment},
        {"Life-cycle cost", e.m_LifeCycleCost},
        {"Net present value", e.m_NetPresentValue},
        {"Simple payback (years)", e.m_SimplePayback}};
    for (const auto& [name, value] : lines) std::printf("  %-26s %10.2f\n", name, value);
}

// Sets up the data folder and its weather folder; false after the failure's message.
bool SetUpFolders(const std::string& programFolder) {
    g_strProgramFolder = programFolder;
    if (const std::optional<Problem> problem = SetUpDataFolder(DataFolder(), programFolder)) {
        std::fprintf(stderr, "sample_run: %s\n", problem->message.c_str());
        return false;
    }
    g_strClimateFolder = DataFolder() + "/" + std::string(kClimateFolderName);
    return true;
}

// Writes the sample weather file of the synthetic city into the weather folder; false after
// the failure's message.
bool WriteSampleClimate() {
    synthetic::WeatherYear year;
    year.stationName = kStation;
    if (synthetic::WriteZefirFile(g_strClimateFolder + "/Sample.zfw", year)) return true;
    std::fprintf(stderr, "sample_run: cannot write the weather file\n");
    return false;
}

// The weather folder given the sample file when it holds no file: a user's own are kept.
int SampleClimate(const std::string& programFolder) {
    if (!SetUpFolders(programFolder)) return 1;
    if (!std::filesystem::is_empty(g_strClimateFolder)) return 0;
    if (!WriteSampleClimate()) return 1;
    std::printf("Sample weather file written into %s\n", g_strClimateFolder.c_str());
    return 0;
}

int SampleRun(const std::string& programFolder) {
    if (!SetUpFolders(programFolder) || !WriteSampleClimate()) return 1;
    const std::string data = DataFolder();
    LoadCityList();
    g_strDatabasePath = data + "/Tidewarm.mdb";
    if (!std::filesystem::exists(g_strDatabasePath) && !CopyReferenceDatabase(g_strDatabasePath))
        return 1;

    SQLite::Database connection = ConnectDatabase();
    SQLite::Transaction transaction(connection);
    const int runId = AddSampleRun(connection);
    g_nRunCreationMode = RunCreationMode::New;
    g_nCurrentRunId = runId;
    CreateEconomics(-1, connection);
    transaction.commit();
    CRunsSet run;
    (void)SelectById(run, kRunIdColumn, runId);  // added just above
    std::printf("Simulating run %d of %s with %s/TidewarmPro...\n", runId,
                g_strDatabasePath.c_str(), programFolder.c_str());
    if (SimulateRun(run) != SimulationOutcome::Loaded || !ComputeRunEconomics(runId)) return 1;
    PrintResults(runId);
    PrintEconomics(runId);

    std::string report;
    if (!BuildRunReport(connection, runId, data, programFolder, g_nLanguage, &report)) return 1;
    std::printf("\nThe run's report, to open in a browser: %s\n", report.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool climateOnly = argc == 3 && std::string(argv[2]) == "--climate";
    if (argc != 2 && !climateOnly) {
        std::fprintf(stderr, "usage: sample_run <program folder> [--climate]\n");
        return 2;
    }
    SetEnglishStrings(FrontEndEnglishStrings());
    try {
        const std::string programFolder = std::filesystem::absolute(argv[1]).string();
        return climateOnly ? SampleClimate(programFolder) : SampleRun(programFolder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sample_run: %s\n", error.what());
        return 1;
    }
}
