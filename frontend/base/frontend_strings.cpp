#include "frontend_strings.h"

#include <iterator>
#include <vector>

#include "window_texts.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrRunNotFound, "Run %d not found."},
    {kStrClientNotFound, "Client %d not found."},
    {kStrInstallerNotFound, "Installer %d not found."},
    {kStrPoolUseNotFound, "Pool use %d not found."},
    {kStrCollectorNotFound, "Collector %d not found."},
    {kStrHeaterNotFound, "Heater %d not found."},
    {kStrBlanketNotFound, "Blanket %d not found."},
    {kStrCannotOpenFile, "Cannot open file %s "},
    {kStrEconomicsNotFound, "Economic data for run %d not found."},
    {kStrNoWeatherForCity, "Weather file for city %s not found."},
    {kStrCannotOpenBatchInput, "Could not open file 'Tidewarm.tmp'."},
    {kStrCannotOpenMonthlyResults, "Could not open file 'Tidewarm.mly'"},
    {kStrCannotOpenReferenceResults, "Could not open file 'Tidewarm.mlx'"},
    {kStrResultsDatasetError, "Error opening or accessing results dataset."},
    {kStrCannotOpenHourlyResults, "Could not open file 'Tidewarm.hly'"},
    {kStrNoHourlyTemperatures, "Warning: No hourly temperature data found for this run."},
    {kStrUnknownMonthlyHeading, "Unknown heading in monthly results file: %s"},
    {kStrNoEconomicData, "Internal error - no economic data for run %d"},
    {kStrNotAvailable, "N/A"},
    {kStrEnterNumber, "Enter a number."},
    {kStrValueBetween, "Value should be between %lg and %lg."},
    {kStrCompactingDatabase, "Compacting database..."},
    {kStrErrorCompacting, "Error compacting database "},
    {kStrCouldNotOpenDatabase, "Could not open database "},
    {kStrCreateMissingDatabase, "File %s not found. Create?"},
    {kStrErrorDeletingRun, "Error deleting run %d"},
    {kStrCannotOpenDatabaseAbort, "Cannot open database %s. Program aborted."},
    {kStrCannotSetUpDataFolder, "Cannot prepare the data folder:\n%s"},
    {kStrCannotCopyReference, "Could not create database %s from %s:\n%s"},
    {kStrCannotWriteFile, "Cannot write file %s:\n%s"},
    {kStrResultFileLine, "File %s, line %d: %s"},
    {kStrFieldCount, "%d fields where the headings name %d."},
    {kStrNotANumber, "\"%s\" is not a number."},
    {kStrReferenceFileEnds, "the reference file 'Tidewarm.mlx' has no line for it."},
    {kStrBatchLineRefused, "Line %d of 'Tidewarm.tmp' would not be accepted by TidewarmPro."},
    {kStrLoanDurationRange, "The loan duration should be between %d and %d years."},
    {kStrTooManyLines, "more than %d record lines."},
};

}  // namespace

std::span<const StringEntry> FrontEndEnglishStrings() {
    static const std::vector<StringEntry> all = [] {
        std::vector<StringEntry> entries(std::begin(kEnglish), std::end(kEnglish));
        const std::span<const StringEntry> windows = WindowEnglishStrings();
        entries.insert(entries.end(), windows.begin(), windows.end());
        return entries;
    }();
    return all;
}
