// The project document: construction, defaults, selections and the modified and out-of-date
// states.
#include "document.h"

#include <utility>

#include "display_units.h"
#include "helpers.h"
#include "physical_constants.h"
#include "psychrometrics.h"
#include "result_columns.h"

CTidewarmDoc::CTidewarmDoc() {
    NameComponents();
    SetDefaults();
}

// The titles a failed check shows, so the user can tell which part of the model is wrong.
void CTidewarmDoc::NameComponents() {
    const std::pair<SolarBase*, const char*> titles[] = {
        {&alternateReader, "alternate input file"},
        {&tmyReader, "TMY weather file"},
        {&textWeatherReader, "delimited weather file"},
        {&binaryWeatherReader, "ZEFIR weather file"},
        {&sun, "sun"},
        {&tracker, "collector plane"},
        {&tilter, "tilted irradiance"},
        {&splitter, "radiation splitter"},
        {&collectorPump, "collector pump"},
        {&inletPipeInside, "inlet pipe, inside"},
        {&inletPipeOutside, "inlet pipe, outside"},
        {&outletPipeInside, "outlet pipe, inside"},
        {&outletPipeOutside, "outlet pipe, outside"},
        {&glazedCollector, "glazed collectors"},
        {&unglazedCollector, "unglazed collectors"},
        {&roof, "roof"},
        {&exchangerPump, "heat exchanger pump"},
        {&heatExchanger, "heat exchanger"},
        {&gasHeater, "fuel-fired heater"},
        {&heatPump, "heat pump"},
        {&heaterProfile, "heater seasonal profile"},
        {&pool, "pool"},
        {&activityProfile, "pool activity profile"},
        {&blanketSeasonalProfile, "blanket seasonal profile"},
        {&blanketDailyProfile, "blanket daily profile"},
        {&controller, "collector controller"},
        {&collectorPromoter, "collector loop convergence"},
        {&poolPromoter, "pool convergence"},
        {&roofPromoter, "roof convergence"},
        {&poolTempIntegrator, "pool temperature integrator"},
        {&soilTempIntegrator, "soil temperature integrator"},
        {&monthlySummary, "monthly summary"},
        {&annualSummary, "annual summary"},
        {&hourlySummary, "hourly summary"},
        {&hourlyWriter, "hourly output file"},
        {&monthlyWriter, "monthly output file"},
    };
    for (const auto& [component, title] : titles) component->SetName(title);
}

namespace {

// Pool activity: none at night, high from 6:00 to 18:00.
constexpr double kActivityDay[HourlyProfile::kHours] = {0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2,
                                                        2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0};
// Blanket on at night, off from 6:00 to 18:00.
constexpr double kBlanketDay[HourlyProfile::kHours] = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0,
                                                       0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1};
constexpr double kEveryMonth[MonthlyProfile::kMonths] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

void SetDefaultCurves(AirToWaterHeatPump& heatPump) {
    const double ratedAir = FahrenheitToCelsius(80);
    const double coolAir = FahrenheitToCelsius(50);
    heatPump.SetCurves(WetBulbFromRelHum(ratedAir, 0.8, kStandardPressure), ratedAir,
                       WetBulbFromRelHum(coolAir, 0.5, kStandardPressure), 100, 0,
                       FahrenheitToCelsius(105), HeatPumpCapacityCurve, HeatPumpCOPCurve);
}

}  // namespace

void CTidewarmDoc::SetDefaults() {
    SetRunDefaults();
    SetWeatherDefaults();
    SetCollectorLoopDefaults();
    SetHeaterDefaults();
    SetPoolDefaults();
    SetSolverDefaults();
    economicData.SetDefaults();
}

// A full year with the collectors and the heater, hour by hour without the hourly file.
void CTidewarmDoc::SetRunDefaults() {
    UseSolar = 1;
    UseExchanger = 0;
    UseAuxHeater = 1;
    UseAlternateInput = 0;
    HourlyOutput = 0;
    DoEconomics = 0;
    StartDay = 1;
    EndDay = 365;
    NumDays = 365;
    UseWeekends = 0;
    WeekLength = 7;
    WeekendLength = 2;
    Tolerance = 0.0001;
    MaxIterations = 100;
    PrintParameters = 0;
    SwimmableCriterion = 0;
    ReferenceRun = 0;
}

// A TMY file not yet named, the sky model of Perez, the plane at 45 degrees.
void CTidewarmDoc::SetWeatherDefaults() {
    WeatherSource = kWeatherTMY;
    weatherName_.clear();
    alternateReader.SetFile(nullptr);
    tmyReader.SetFileName(nullptr);
    textWeatherReader.SetFile(nullptr);
    binaryWeatherReader.SetFileName(nullptr);
    sun.SetParameters(0, 0, 0, 0);
    tracker.SetParameters(kTrackFixed, 45 * kRadiansPerDegree, 0);
    tilter.SetModel(kSkyPerez);
    splitter.Reset();
    GroundAlbedo = 0.2;
}

// Glazed collectors on their pump, pipes and controller, off until the controller starts them.
void CTidewarmDoc::SetCollectorLoopDefaults() {
    Collector = CollectorKind::Glazed;
    collectorPump.SetParameters(0.02, 10, 0.5);
    inletPipeInside.SetParameters(0.08, 5);
    inletPipeOutside.SetParameters(0.08, 10);
    outletPipeInside.SetParameters(0.08, 5);
    outletPipeOutside.SetParameters(0.08, 10);
    PipeSurroundTemp = 10;
    glazedCollector.SetParameters(2, 1, 1, 5, 0.75, 0, 5, 0, 0, 0.02, 0, 0, nullptr, 0, nullptr);
    unglazedCollector.SetParameters(2, 1, 1, 5, 0.75, 0, 5, 0, 0, 1, 0, 0.02, 0, 0, nullptr, 0,
                                    nullptr);
    CollectorFluidCp = 4200;
    ShadedFraction = 0.5;
    RoofType = 0;
    controller.SetParameters(5, 2, 30, DeltaTController::kLimitColdSide);
    CollectorOn = 0;
}

// The heat exchanger and a fuel-fired heater (the heat pump ready with its curves), heating in
// every month, off until the pool asks for heat.
void CTidewarmDoc::SetHeaterDefaults() {
    exchangerPump.SetParameters(0.02, 10, 0.5);
    heatExchanger.SetEffectiveness(0.8);
    HeaterType = HeaterKind::Fuel;
    gasHeater.SetParameters(20, 10000, 0.8);
    heatPump.SetParameters(20, 10000, 6);
    SetDefaultCurves(heatPump);
    heaterProfile.SetValues(kEveryMonth);
    HeaterOffOutOfSeason = 0;
    HeaterOn = 0;
}

// An outdoor pool swum in by day and covered at night, its season and the swimming criteria.
void CTidewarmDoc::SetPoolDefaults() {
    pool.Reset();
    IndoorPool = 0;
    InitialPoolTemp = 10;
    PoolWaterCp = 4200;
    MainsTemp = 10;
    DeepSoilTemp = kDefaultDeepSoilTemp;
    IndoorBeamIrradiance = 0;
    IndoorDiffuseIrradiance = 0;
    IndoorAirTemp = 20;
    IndoorRelHum = 0.8;
    IndoorAirSpeed = 0.1;
    activityProfile.SetValues(kActivityDay, kActivityDay);
    blanketSeasonalProfile.SetValues(kEveryMonth);
    blanketDailyProfile.SetValues(kBlanketDay, kBlanketDay);
    BlanketAlways = 1;
    SeasonStart = 135;
    SeasonEnd = 273;
    CloudyDayMinAirTemp = 26;
    SunnyDayMinAirTemp = 23;
    MinPoolTemp = 20;
}

// The convergence promoters and integrators at rest, the summaries and the result files'
// columns.
void CTidewarmDoc::SetSolverDefaults() {
    collectorPromoter.Reset();
    poolPromoter.Reset();
    roofPromoter.Reset();
    poolTempIntegrator.Reset();
    soilTempIntegrator.Reset();
    monthlySummary.SetCount(kMonthlyColumnCount);
    annualSummary.SetCount(kMonthlyColumnCount);
    hourlySummary.SetCount(kHourlyColumnCount);
    hourlyWriter.DefineColumns("", kHourlyColumnCount, kHourlyColumnNames.data(),
                               kHourlyDefaultFlags.data(), ',');
    monthlyWriter.DefineColumns("", kMonthlyColumnCount, kMonthlyColumnNames.data(), nullptr, ',');
}

void CTidewarmDoc::SetModifiedFlag(int modified) {
    modified_ = modified != 0 ? 1 : 0;
    if (modified != 0) SetResultsOutOfDate(1);
}

void CTidewarmDoc::SetResultsOutOfDate(int outOfDate) {
    resultsOutOfDate_ = outOfDate != 0 ? 1 : 0;
    if (onResultsOutOfDate) onResultsOutOfDate(resultsOutOfDate_);
}

void CTidewarmDoc::SetWeatherName(std::string_view name) {
    std::string text(name.substr(0, name.find_first_of("\r\n")));
    if (text.size() > kMaxWeatherNameLength) {
        std::size_t cut = kMaxWeatherNameLength;
        // Never cut inside a UTF-8 sequence: back up over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text.resize(cut);
    }
    weatherName_ = std::move(text);
}

FileReader* CTidewarmDoc::SelectedWeatherReader() {
    return const_cast<FileReader*>(std::as_const(*this).SelectedWeatherReader());
}

const FileReader* CTidewarmDoc::SelectedWeatherReader() const {
    switch (WeatherSource) {
        case kWeatherTMY:
            return &tmyReader;
        case kWeatherText:
            return &textWeatherReader;
        case kWeatherBinary:
            return &binaryWeatherReader;
        default:
            return nullptr;
    }
}

FlatPlateCollector* CTidewarmDoc::SelectedCollector() {
    switch (Collector) {
        case CollectorKind::Glazed:
            return &glazedCollector;
        case CollectorKind::Unglazed:
            return &unglazedCollector;
        default:
            return nullptr;
    }
}
