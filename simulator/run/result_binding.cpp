// The variables behind the columns of the result files: the monthly and annual summaries sum the
// variables of the monthly columns, the hourly summary those of the hourly columns; each writer
// prints its summary's sums.
#include <array>
#include <cstddef>
#include <iterator>

#include "document.h"
#include "result_columns.h"

namespace {

// Where the run keeps the variable a result column reports, one entry per source in the order of
// ResultSource; the auxiliary heater's entries follow the heater type chosen.
using VariableAddress = VariableRef (*)(CTidewarmDoc&);
struct SourceAddress {
    ResultSource source;
    VariableAddress address;
};

constexpr SourceAddress kSourceAddresses[] = {
    {kSourceMonth, [](CTidewarmDoc& d) -> VariableRef { return &d.Month; }},
    {kSourceDayOfMonth, [](CTidewarmDoc& d) -> VariableRef { return &d.CurrentDayOfMonth; }},
    {kSourceHour, [](CTidewarmDoc& d) -> VariableRef { return &d.Hour; }},
    {kSourcePoolSolarGain, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.solarGain; }},
    {kSourcePoolLoopGain, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.loopGain; }},
    {kSourceAuxiliaryHeat,
     [](CTidewarmDoc& d) -> VariableRef {
         return d.HeaterType == HeaterKind::Fuel ? &d.gasHeater.heat : &d.heatPump.heat;
     }},
    {kSourcePoolTotalGains, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.totalGains; }},
    {kSourceEvaporationLoss,
     [](CTidewarmDoc& d) -> VariableRef { return &d.pool.evaporationLoss; }},
    {kSourceConvectionLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.convectionLoss; }},
    {kSourceConductionLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.conductionLoss; }},
    {kSourceRadiationLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.radiationLoss; }},
    {kSourceSideWallLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.sideWallLoss; }},
    {kSourceMakeUpLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.makeUpLoss; }},
    {kSourcePoolTotalLosses, [](CTidewarmDoc& d) -> VariableRef { return &d.pool.totalLosses; }},
    {kSourceResidualGain, [](CTidewarmDoc& d) -> VariableRef { return &d.QRes; }},
    {kSourceIncidentSolar,
     [](CTidewarmDoc& d) -> VariableRef { return &d.SelectedCollector()->incidentEnergy; }},
    {kSourceCollectedSolar,
     [](CTidewarmDoc& d) -> VariableRef { return &d.SelectedCollector()->usefulGain; }},
    {kSourcePipeLoss, [](CTidewarmDoc& d) -> VariableRef { return &d.QPipes; }},
    {kSourcePumpGain, [](CTidewarmDoc& d) -> VariableRef { return &d.QPumps; }},
    {kSourceHGlo, [](CTidewarmDoc& d) -> VariableRef { return d.links.HGlo; }},
    {kSourceTAmb, [](CTidewarmDoc& d) -> VariableRef { return d.links.TAmb; }},
    {kSourceRelHum, [](CTidewarmDoc& d) -> VariableRef { return d.links.RelHum; }},
    {kSourceVWind, [](CTidewarmDoc& d) -> VariableRef { return d.links.VWind; }},
    {kSourceHDirPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.HDirPool; }},
    {kSourceHDifPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.HDifPool; }},
    {kSourceTAmbPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.TAmbPool; }},
    {kSourceRelHumPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.RelHumPool; }},
    {kSourceVWindPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.VWindPool; }},
    {kSourceTSky, [](CTidewarmDoc& d) -> VariableRef { return &d.TSky; }},
    {kSourceActivity, [](CTidewarmDoc& d) -> VariableRef { return d.links.Activity; }},
    {kSourceBlanketOn, [](CTidewarmDoc& d) -> VariableRef { return d.links.BlanketOn; }},
    {kSourceCollectorOn, [](CTidewarmDoc& d) -> VariableRef { return d.links.CollOn; }},
    {kSourceHeaterOn, [](CTidewarmDoc& d) -> VariableRef { return d.links.AuxOn; }},
    {kSourceTci, [](CTidewarmDoc& d) -> VariableRef { return d.links.Tci; }},
    {kSourceTco, [](CTidewarmDoc& d) -> VariableRef { return d.links.Tco; }},
    {kSourceMdotColl, [](CTidewarmDoc& d) -> VariableRef { return d.links.MdotColl; }},
    {kSourcePipeInletTemperature,
     [](CTidewarmDoc& d) -> VariableRef { return &d.collectorPump.outletTemperature; }},
    {kSourcePipeOutletTemperature,
     [](CTidewarmDoc& d) -> VariableRef { return &d.outletPipeInside.outletTemperature; }},
    {kSourceTSoilPipe, [](CTidewarmDoc& d) -> VariableRef { return d.links.TSoilPipe; }},
    {kSourceExchangerColdOutlet,
     [](CTidewarmDoc& d) -> VariableRef { return &d.heatExchanger.coldOutletTemperature; }},
    {kSourceExchangerHotOutlet,
     [](CTidewarmDoc& d) -> VariableRef { return &d.heatExchanger.hotOutletTemperature; }},
    {kSourceExchangerFlow, [](CTidewarmDoc& d) -> VariableRef { return &d.exchangerPump.flow; }},
    {kSourceTPool, [](CTidewarmDoc& d) -> VariableRef { return d.links.TPool; }},
    {kSourceTMains, [](CTidewarmDoc& d) -> VariableRef { return d.links.TMains; }},
    {kSourceMdotMakeup, [](CTidewarmDoc& d) -> VariableRef { return d.links.MdotMakeup; }},
    {kSourceSoilTemperature,
     [](CTidewarmDoc& d) -> VariableRef { return &d.soilTempIntegrator.newState; }},
    {kSourceElectricity, [](CTidewarmDoc& d) -> VariableRef { return &d.QElec; }},
    {kSourcePrimaryEnergy, [](CTidewarmDoc& d) -> VariableRef { return &d.QPrimary; }},
    {kSourceAuxiliaryPartLoad,
     [](CTidewarmDoc& d) -> VariableRef {
         return d.HeaterType == HeaterKind::Fuel ? &d.gasHeater.partLoadRatio
                                                 : &d.heatPump.partLoadRatio;
     }},
    {kSourceSwimmable, [](CTidewarmDoc& d) -> VariableRef { return &d.Swimmable; }},
    {kSourceUsableHours, [](CTidewarmDoc& d) -> VariableRef { return &d.UsableHours; }},
};

constexpr bool InSourceOrder() {
    for (std::size_t i = 0; i < std::size(kSourceAddresses); ++i)
        if (kSourceAddresses[i].source != static_cast<ResultSource>(i)) return false;
    return true;
}
static_assert(InSourceOrder() &&
                  std::size(kSourceAddresses) == static_cast<std::size_t>(kSourceUsableHours) + 1,
              "every result source has its address, in the order of ResultSource");

VariableRef SourceVariable(CTidewarmDoc& doc, ResultSource source) {
    return kSourceAddresses[source].address(doc);
}

}  // namespace

void CTidewarmDoc::BindResultColumns() {
    std::array<VariableRef, kMonthlyColumnCount> monthly;
    for (const MonthlyColumnInfo& column : kMonthlyColumns)
        monthly[column.id] = SourceVariable(*this, column.source);
    monthlySummary.SetInputs(monthly.data(), &TimeStep);
    annualSummary.SetInputs(monthly.data(), &TimeStep);
    monthlyWriter.BindColumns(monthlySummary.sums.data());

    std::array<VariableRef, kHourlyColumnCount> hourly;
    for (const HourlyColumnInfo& column : kHourlyColumns)
        hourly[column.id] = SourceVariable(*this, column.source);
    hourlySummary.SetInputs(hourly.data(), &TimeStep);
    hourlyWriter.BindColumns(hourlySummary.sums.data());
}
