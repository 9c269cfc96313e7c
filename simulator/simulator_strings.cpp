#include "simulator_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrRegistryKey, "TidewarmPro"},
    {kStrCannotOpenProject, "Cannot open file."},
    {kStrCannotReadProject, "I/O Error. Cannot read from file."},
    {kStrCannotCreateProject, "Cannot open file."},
    {kStrProjectNotSaved, "I/O Error. File not saved."},
    {kStrNewerFileVersion, "File is from newer version of Tidewarm. Cannot load file."},
    // The simulation run.
    {kStrSimulatingDay, "Simulating day %d/%d..."},
    {kStrDomainErrorIn, "Domain error in component: "},
    {kStrFatalErrorIn, "Fatal error in component: "},
    {kStrCheckComponent, ".\nCheck component."},
    {kStrInvalidRoofType, "Internal error - Invalid roof type."},
    {kStrInvalidHeaterType, "Internal error - Invalid auxiliary heater type."},
    {kStrCannotOpenAlternateInput, "Cannot open alternate input file."},
    {kStrSpecifyOnlyOne, "Please specify only one. Simulation aborted. "},
    {kStrInvalidComponent, "Internal error: invalid component ("},
    {kStrInvalidComponentEnd, "). \n"},
    {kStrCannotOpenWeather, "Cannot open weather file."},
    {kStrCannotOpenAlternateFile, "Cannot open alternate input file."},
    {kStrCannotOpenMonthlyOutput, "Cannot open monthly output file "},
    {kStrCannotOpenHourlyOutput, "Cannot open hourly output file "},
    {kStrRoofInitFailed, "Error in initializing roof component."},
    {kStrCannotWriteMonthly, "Cannot write to monthly output file."},
    {kStrAlternateReadError, "Error reading alternate input file."},
    {kStrTitleWeather, "Weather Processor"},
    {kStrTitleActivity, "Activity Level"},
    {kStrTitleBlanketMonthly, "Blanket Monthly Use"},
    {kStrTitleBlanketHourly, "Blanket Hourly Use"},
    {kStrActivityWithBlanket, "Input data error: activity in pool while blanket on."},
    {kStrTitleHeaterMonthly, "Auxiliary Heater Monthly Use"},
    {kStrTitleExchangerPump, "Heat Exchanger Loop Pump"},
    {kStrTitleCollectorPump, "Collector Pump"},
    {kStrTitleInletPipeInside, "Inlet Pipe (Inside)"},
    {kStrTitleInletPipeOutside, "Inlet Pipe (Outside)"},
    {kStrTitleCollector, "Collector"},
    {kStrTitleRoof, "Roof"},
    {kStrTitleCollectorOnRoof, "Collector"},
    {kStrNoRoofConvergence, "No convergence in roof temperature calculation."},
    {kStrCollectedWithoutFlow,
     "Domain error: non-zero energy collected (QColl) specified in alternate input file with "
     "zero collector flow rate.\n"},
    {kStrTitleOutletPipeOutside, "Outlet Pipe (Outside)"},
    {kStrTitleOutletPipeInside, "Outlet Pipe (Inside)"},
    {kStrTitleExchanger, "Heat Exchanger"},
    {kStrNoCollectorConvergence, "No convergence in collector loop calculations."},
    {kStrTitlePool, "Swimming Pool"},
    {kStrTitlePoolIntegrator, "Pool Temperature Integrator"},
    {kStrTitleSoilIntegrator, "Soil Temperature Integrator"},
    {kStrTitleHeater, "Auxiliary Heater"},
    {kStrTitleHeatPump, "Heat Pump"},
    {kStrNoPoolConvergence, "No convergence in pool loop."},
    {kStrTitleController, "Delta T Controller"},
    {kStrTitleHourlySummary, "Hourly Summary"},
    {kStrCannotWriteHourly, "Cannot write to hourly output file."},
    {kStrWeatherColumnMissing, "Weather file has no column named "},
    {kStrInvalidWeekLength, "Week length must be at least 1 day. Simulation aborted."},
    {kStrInvalidDayCount, "Number of days to simulate must be at least 1. Simulation aborted."},
    {kStrInvalidCollectorType, "Internal error - Invalid collector type."},
};

}  // namespace

std::span<const StringEntry> SimulatorEnglishStrings() {
    return kEnglish;
}
