#include "simulator_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrCannotOpenBatchInput, "Cannot open file 'Tidewarm.tmp'."},
    {kStrInvalidPoolType, "Invalid pool type. Cannot continue."},
    {kStrCannotOpenTemplate, "Cannot open template file "},
    {kStrCannotReadTemplate, "I/O Error. Cannot read from file."},
    {kStrCannotReadBatchInput, "Cannot read parameters from file 'Tidewarm.tmp'."},
    {kStrRegistryKey, "TidewarmPro"},
    {kStrCannotOpenProject, "Cannot open file."},
    {kStrCannotReadProject, "I/O Error. Cannot read from file."},
    {kStrCannotCreateProject, "Cannot open file."},
    {kStrProjectNotSaved, "I/O Error. File not saved."},
    {kStrNewerFileVersion, "File is from newer version of Tidewarm. Cannot load file."},
    {kStrBatchInputLine, "Line %d is missing or does not hold a valid value."},
    {kStrInvalidSeasonDate, "Invalid opening or closing date in file 'Tidewarm.tmp'."},
    {kStrInvalidCollectorTest,
     "The collector test area and test flow rate in file 'Tidewarm.tmp' must be above zero."},
    {kStrCannotOpenBatchWeather, "Cannot open weather file %s."},
    {kStrBatchRunFailed, "The simulation failed (code %d); no results were kept."},
    {kStrCannotSetUpDataFolder, "Cannot prepare the data folder:\n%s"},
    {kStrNeedsDesktopBuild,
     "TidewarmPro has no window yet: start it with -batch to simulate the run described in "
     "%s."},
};

}  // namespace

std::span<const StringEntry> SimulatorEnglishStrings() {
    return kEnglish;
}
