// The files of the data folder that the programs write and read by name: the batch run's input,
// project and results, which TidewarmPro writes for the front end, and the report of a run with
// its four charts, which the report's page finds by name beside it.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr std::string_view kBatchInputFileName = "Tidewarm.tmp";
inline constexpr std::string_view kBatchProjectFileName = "Tidewarm.tdw";

// The monthly and hourly results of a batch run and of its reference pool, and its text report.
inline constexpr std::string_view kMonthlyResultFileName = "Tidewarm.mly";
inline constexpr std::string_view kReferenceMonthlyResultFileName = "Tidewarm.mlx";
inline constexpr std::string_view kHourlyResultFileName = "Tidewarm.hly";
inline constexpr std::string_view kReferenceHourlyResultFileName = "Tidewarm.hlx";
inline constexpr std::string_view kTextReportFileName = "Tidewarm.lis";
// What a batch run writes besides the saved project. None of them is left by a run that failed.
inline constexpr std::array<std::string_view, 5> kBatchResultFiles = {
    kMonthlyResultFileName, kReferenceMonthlyResultFileName, kHourlyResultFileName,
    kReferenceHourlyResultFileName, kTextReportFileName};

// Removes the temporaries of the files a simulation writes in the data folder `folder` (its
// batch input, project and results) that a writer stopped half-way left.
void RemoveSimulationTemporaries(const std::string& folder);

// The report's page and its charts; those of an earlier run are deleted before a run.
inline constexpr std::string_view kReportFile = "Tidewarm.html";
inline constexpr std::string_view kDailyTemperatureChartFile = "Report.TDaily.gif";
inline constexpr std::string_view kMonthlyTemperatureChartFile = "Report.TMonthly.gif";
inline constexpr std::string_view kSwimmableDaysChartFile = "Report.Swimmable.gif";
inline constexpr std::string_view kEnergiesChartFile = "Report.Energies.gif";
inline constexpr std::array<std::string_view, 4> kReportChartFiles = {
    kDailyTemperatureChartFile, kMonthlyTemperatureChartFile, kSwimmableDaysChartFile,
    kEnergiesChartFile};
