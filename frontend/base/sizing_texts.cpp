#include "sizing_texts.h"

#include <iterator>

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrButtonSizing, "Sizing..."},
    {kStrSizingTitle, "Tidewarm Sizing Study"},
    {kStrColumnCollectors, "Collectors"},
    {kStrColumnCollectorArea, "Collector area (%s)"},
    {kStrColumnSwimDays, "Swimmable days"},
    {kStrColumnUsableDays, "Usable days"},
    {kStrColumnUsableDaysNoHeat, "Usable days without heating"},
    {kStrColumnCollected, "Energy collected (%s)"},
    {kStrColumnAuxiliary, "Auxiliary heating (%s)"},
    {kStrColumnElectricity, "Electricity (kWh)"},
    {kStrColumnPoolTemperature, "Mean pool temperature (%s)"},
    {kStrColumnInitialCosts, "Initial costs ($)"},
    {kStrColumnYearlyCosts, "Yearly costs ($)"},
    {kStrColumnLifeCycleCost, "Life-cycle cost ($)"},
    {kStrColumnNetPresentValue, "Net present value ($)"},
    {kStrColumnPayback, "Simple payback (years)"},
    {kStrColumnThisRun, "This run"},
    {kStrBestValueLabel, "Highest net present value:"},
    {kStrEnoughDaysLabel, "Smallest array with 95 % of the largest array's swimmable days:"},
    {kStrSizeSentence, "%s collectors (%s %s): %s swimmable days, net present value %s, %s."},
    {kStrNoSolarSentence, "no collectors, %s swimmable days."},
    {kStrPaybackYears, "payback %s years"},
    {kStrNoPayback, "no payback"},
    {kStrNoCollectorToSize,
     "The run has no collector. Choose a collector to study the size of the array."},
    {kStrSimulatingSize, "Simulating %s collectors (%d of %d)..."},
    {kStrButtonUseSize, "Use this size"},
    {kStrButtonSaveCsv, "Save as CSV..."},
    {kStrCsvFilter, "CSV files (*.csv)|*.csv|All files (*)|*"},
    {kStrSizingCancelled, "The study was cancelled."},
    {kStrChartCollectorArea, "Collector area (%s)"},
    {kStrChartNetPresentValue, "Net present value ($)"},
    {kStrChartSwimDays, "Swimmable days"},
    {kStrSizingUsage,
     "Usage: tidewarm-sizing RUN_ID\n"
     "Simulates the run RUN_ID of the data folder's database without solar and with 1, 2, ...\n"
     "collectors per bank, up to an array of 1.5 times the pool area, and prints one CSV line\n"
     "per size on standard output (the run's own size marked), the two answers on standard\n"
     "error. Nothing is stored."},
    {kStrNotARunNumber, "'%s' is not a run number."},
    {kStrNoDatabase, "The database %s cannot be found."},
    {kStrNoSolarSize, "none"},
};

}  // namespace

std::span<const StringEntry> SizingEnglishStrings() {
    return kEnglish;
}
