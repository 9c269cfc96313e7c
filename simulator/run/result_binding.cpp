// The variables behind the columns of the result files: the monthly and annual summaries sum the
// same 24 variables, the hourly summary 46; each writer prints its summary's sums.
#include <array>

#include "document.h"
#include "result_columns.h"

void CTidewarmDoc::BindResultColumns() {
    FlatPlateCollector& collector = *SelectedCollector();
    const bool fuelHeater = HeaterType == kHeaterFuel;
    double* auxHeat = fuelHeater ? &gasHeater.heat : &heatPump.heat;
    double* auxPartLoad = fuelHeater ? &gasHeater.partLoadRatio : &heatPump.partLoadRatio;

    std::array<VariableRef, kMonthlyColumnCount> monthly;
    monthly[kMonthlyMonth] = &Month;
    monthly[kMonthlyQInc] = &collector.incidentEnergy;
    monthly[kMonthlyQColl] = &collector.usefulGain;
    monthly[kMonthlyQPipes] = &QPipes;
    monthly[kMonthlyQPumps] = &QPumps;
    monthly[kMonthlyQAux] = auxHeat;
    monthly[kMonthlyQPass] = &pool.solarGain;
    monthly[kMonthlyQAct] = &pool.loopGain;
    monthly[kMonthlyQGain] = &pool.totalGains;
    monthly[kMonthlyQEvap] = &pool.evaporationLoss;
    monthly[kMonthlyQConv] = &pool.convectionLoss;
    monthly[kMonthlyQCond] = &pool.conductionLoss;
    monthly[kMonthlyQRad] = &pool.radiationLoss;
    monthly[kMonthlyQSide] = &pool.sideWallLoss;
    monthly[kMonthlyQMakeup] = &pool.makeUpLoss;
    monthly[kMonthlyQLoss] = &pool.totalLosses;
    monthly[kMonthlyQRes] = &QRes;
    monthly[kMonthlyTPool] = links.TPool;
    monthly[kMonthlyQElec] = &QElec;
    monthly[kMonthlyQPrimary] = &QPrimary;
    monthly[kMonthlyCollOnTime] = links.CollOn;
    monthly[kMonthlyAuxHeatOnTime] = auxPartLoad;
    monthly[kMonthlySwimDays] = &Swimmable;
    monthly[kMonthlyUsableDays] = &UsableHours;
    monthlySummary.SetInputs(monthly.data(), &TimeStep);
    annualSummary.SetInputs(monthly.data(), &TimeStep);
    monthlyWriter.BindColumns(monthlySummary.sums.data());

    std::array<VariableRef, kHourlyColumnCount> hourly;
    hourly[kHourlyMonth] = &Month;
    hourly[kHourlyDay] = &CurrentDayOfMonth;
    hourly[kHourlyHour] = &Hour;
    hourly[kHourlyQPass] = &pool.solarGain;
    hourly[kHourlyQAct] = &pool.loopGain;
    hourly[kHourlyQAux] = auxHeat;
    hourly[kHourlyQGain] = &pool.totalGains;
    hourly[kHourlyQEvap] = &pool.evaporationLoss;
    hourly[kHourlyQConv] = &pool.convectionLoss;
    hourly[kHourlyQCond] = &pool.conductionLoss;
    hourly[kHourlyQRad] = &pool.radiationLoss;
    hourly[kHourlyQSide] = &pool.sideWallLoss;
    hourly[kHourlyQMakeup] = &pool.makeUpLoss;
    hourly[kHourlyQLoss] = &pool.totalLosses;
    hourly[kHourlyQRes] = &QRes;
    hourly[kHourlyQInc] = &collector.incidentEnergy;
    hourly[kHourlyQColl] = &collector.usefulGain;
    hourly[kHourlyQPipes] = &QPipes;
    hourly[kHourlyQPumps] = &QPumps;
    hourly[kHourlyHGlo] = links.HGlo;
    hourly[kHourlyTAmb] = links.TAmb;
    hourly[kHourlyRelHum] = links.RelHum;
    hourly[kHourlyVWind] = links.VWind;
    hourly[kHourlyHDirPool] = links.HDirPool;
    hourly[kHourlyHDifPool] = links.HDifPool;
    hourly[kHourlyTAmbPool] = links.TAmbPool;
    hourly[kHourlyRelHumPool] = links.RelHumPool;
    hourly[kHourlyVWindPool] = links.VWindPool;
    hourly[kHourlyTSky] = &TSky;
    hourly[kHourlyActivity] = links.Activity;
    hourly[kHourlyBlanketOn] = links.BlanketOn;
    hourly[kHourlyCollOn] = links.CollOn;
    hourly[kHourlyAuxOn] = links.AuxOn;
    hourly[kHourlyTci] = links.Tci;
    hourly[kHourlyTco] = links.Tco;
    hourly[kHourlyMdotColl] = links.MdotColl;
    hourly[kHourlyTPipeIn] = &collectorPump.outletTemperature;
    hourly[kHourlyTPipeOut] = &outletPipeInside.outletTemperature;
    hourly[kHourlyTSoilPipe] = links.TSoilPipe;
    hourly[kHourlyTXColdOut] = &heatExchanger.coldOutletTemperature;
    hourly[kHourlyTXHotOut] = &heatExchanger.hotOutletTemperature;
    hourly[kHourlyMdotExch] = &exchangerPump.flow;
    hourly[kHourlyTPool] = links.TPool;
    hourly[kHourlyTMains] = links.TMains;
    hourly[kHourlyMdotMakeup] = links.MdotMakeup;
    hourly[kHourlyTSoilPool] = &soilTempIntegrator.newState;
    hourlySummary.SetInputs(hourly.data(), &TimeStep);
    hourlyWriter.BindColumns(hourlySummary.sums.data());
}
