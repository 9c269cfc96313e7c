// The four charts of a run's report, drawn from the run's daily and monthly results and written
// as GIF files into the data folder, where the report's page finds them by name.
#pragma once

#include <filesystem>
#include <vector>

#include "language.h"
#include "report_units.h"

// One day of the season.
struct DailyChartRow {
    double fracMonth;  // month + (day - 1) / days in the month
    double tPool;      // mean pool temperature, °C
};

// One month of the season; month 0 (the annual row) is left out of every chart.
struct MonthlyChartRow {
    int month;
    double tPool;  // mean pool temperature, °C
    double swimDays;
    double usableDays;
    double usableDaysNoHeat;  // of the unheated pool; read only for a run that simulated it
    double qAct;              // solar energy, GJ
    double qPass;             // passive energy, GJ
    double qAux;              // auxiliary energy, GJ
};

// What the charts show of a run, with its rows in the order they were loaded.
struct RunChartData {
    int runId = 0;
    UnitSystem units = UnitSystem::SI;
    Language language = Language::English;  // of the texts
    bool doubleRun = false;                 // the unheated pool was simulated too
    std::vector<DailyChartRow> daily;
    std::vector<MonthlyChartRow> months;
};

// Each writes its chart into `dataFolder` and returns true; on failure it shows why (no rows, too
// many points, a picture that cannot be written) and returns false, and a picture of an earlier
// run stays as it was.
[[nodiscard]] bool MakeDailyTemperatureChart(const RunChartData& run,
                                             const std::filesystem::path& dataFolder);
[[nodiscard]] bool MakeMonthlyTemperatureChart(const RunChartData& run,
                                               const std::filesystem::path& dataFolder);
[[nodiscard]] bool MakeSwimmableDaysChart(const RunChartData& run,
                                          const std::filesystem::path& dataFolder);
[[nodiscard]] bool MakeEnergiesChart(const RunChartData& run,
                                     const std::filesystem::path& dataFolder);

// The four charts in the order above, stopping at the first that fails.
[[nodiscard]] bool MakeRunCharts(const RunChartData& run, const std::filesystem::path& dataFolder);
