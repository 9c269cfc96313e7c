// The variables behind the columns of the result files: the monthly and annual summaries sum the
// variables of the monthly columns, the hourly summary those of the hourly columns; each writer
// prints its summary's sums.
#include <array>

#include "document.h"
#include "result_columns.h"

namespace {

// Where the run keeps the variable a result column reports.
VariableRef SourceVariable(CTidewarmDoc& doc, ResultSource source) {
    const bool fuelHeater = doc.HeaterType == kHeaterFuel;
    const InputLinks& links = doc.links;
    switch (source) {
        case kSourceMonth:
            return &doc.Month;
        case kSourceDayOfMonth:
            return &doc.CurrentDayOfMonth;
        case kSourceHour:
            return &doc.Hour;
        case kSourcePoolSolarGain:
            return &doc.pool.solarGain;
        case kSourcePoolLoopGain:
            return &doc.pool.loopGain;
        case kSourceAuxiliaryHeat:
            return fuelHeater ? &doc.gasHeater.heat : &doc.heatPump.heat;
        case kSourcePoolTotalGains:
            return &doc.pool.totalGains;
        case kSourceEvaporationLoss:
            return &doc.pool.evaporationLoss;
        case kSourceConvectionLoss:
            return &doc.pool.convectionLoss;
        case kSourceConductionLoss:
            return &doc.pool.conductionLoss;
        case kSourceRadiationLoss:
            return &doc.pool.radiationLoss;
        case kSourceSideWallLoss:
            return &doc.pool.sideWallLoss;
        case kSourceMakeUpLoss:
            return &doc.pool.makeUpLoss;
        case kSourcePoolTotalLosses:
            return &doc.pool.totalLosses;
        case kSourceResidualGain:
            return &doc.QRes;
        case kSourceIncidentSolar:
            return &doc.SelectedCollector()->incidentEnergy;
        case kSourceCollectedSolar:
            return &doc.SelectedCollector()->usefulGain;
        case kSourcePipeLoss:
            return &doc.QPipes;
        case kSourcePumpGain:
            return &doc.QPumps;
        case kSourceHGlo:
            return links.HGlo;
        case kSourceTAmb:
            return links.TAmb;
        case kSourceRelHum:
            return links.RelHum;
        case kSourceVWind:
            return links.VWind;
        case kSourceHDirPool:
            return links.HDirPool;
        case kSourceHDifPool:
            return links.HDifPool;
        case kSourceTAmbPool:
            return links.TAmbPool;
        case kSourceRelHumPool:
            return links.RelHumPool;
        case kSourceVWindPool:
            return links.VWindPool;
        case kSourceTSky:
            return &doc.TSky;
        case kSourceActivity:
            return links.Activity;
        case kSourceBlanketOn:
            return links.BlanketOn;
        case kSourceCollectorOn:
            return links.CollOn;
        case kSourceHeaterOn:
            return links.AuxOn;
        case kSourceTci:
            return links.Tci;
        case kSourceTco:
            return links.Tco;
        case kSourceMdotColl:
            return links.MdotColl;
        case kSourcePipeInletTemperature:
            return &doc.collectorPump.outletTemperature;
        case kSourcePipeOutletTemperature:
            return &doc.outletPipeInside.outletTemperature;
        case kSourceTSoilPipe:
            return links.TSoilPipe;
        case kSourceExchangerColdOutlet:
            return &doc.heatExchanger.coldOutletTemperature;
        case kSourceExchangerHotOutlet:
            return &doc.heatExchanger.hotOutletTemperature;
        case kSourceExchangerFlow:
            return &doc.exchangerPump.flow;
        case kSourceTPool:
            return links.TPool;
        case kSourceTMains:
            return links.TMains;
        case kSourceMdotMakeup:
            return links.MdotMakeup;
        case kSourceSoilTemperature:
            return &doc.soilTempIntegrator.newState;
        case kSourceElectricity:
            return &doc.QElec;
        case kSourcePrimaryEnergy:
            return &doc.QPrimary;
        case kSourceAuxiliaryPartLoad:
            return fuelHeater ? &doc.gasHeater.partLoadRatio : &doc.heatPump.partLoadRatio;
        case kSourceSwimmable:
            return &doc.Swimmable;
        case kSourceUsableHours:
            return &doc.UsableHours;
    }
    return {};
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
