// Batch mode: the front end's run read from "Tidewarm.tmp", applied over the template of its
// pool type and saved as "Tidewarm.tdw".
#include "batch_mode.h"

#include <fstream>
#include <numbers>

#include "batch_input.h"
#include "data_folder_files.h"
#include "document.h"
#include "file_kind.h"
#include "helpers.h"
#include "program_folders.h"
#include "project_checks.h"
#include "simulator_strings.h"
#include "sun.h"
#include "user_interface.h"

namespace {

// Minimum wind speed on a batch run's unglazed collectors, m/s.
constexpr double kBatchMinimumWindSpeed = 1.2;
// Part of the pool surface a blanket covers.
constexpr double kBlanketCoveredFraction = 0.95;

void ShowBatchInputError(const BatchInputResult& result) {
    switch (result.error) {
        case BatchInputError::kNone:
            return;
        case BatchInputError::kUnreadableLine:
            ShowMessage(LoadResString(kStrCannotReadBatchInput) + "\n" +
                        FormatResString(kStrBatchInputLine, result.line));
            return;
        case BatchInputError::kPoolType:
            ShowMessage(LoadResString(kStrInvalidPoolType));
            return;
        case BatchInputError::kSeasonDate:
            ShowMessage(LoadResString(kStrInvalidSeasonDate));
            return;
        case BatchInputError::kValueOutOfRange:
        case BatchInputError::kNoWeatherFile:
        case BatchInputError::kWeatherPathLength:
            // Batch mode speaks English.
            ShowMessage(BatchInputProblem(result, Language::English));
            return;
    }
}

// Hourly activity of one day type: the level from the opening hour up to the closing hour.
void ActivitySchedule(double values[HourlyProfile::kHours], int opens, int closes, int level) {
    for (int h = 0; h < HourlyProfile::kHours; ++h)
        values[h] = opens <= h && h < closes ? level : 0;
}

}  // namespace

int CTidewarmDoc::LoadBatchInput() {
    std::ifstream file = OpenRegularFile(g_strDataFolder + "/" + std::string(kBatchInputFileName));
    if (!file.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenBatchInput));
        return 0;
    }
    BatchInput input;
    const BatchInputResult result = ReadBatchInput(file, input);
    // The pool type chooses the template, and the template is read before anything that follows
    // the pool type is taken; so a fault up to the pool type is shown first, a fault after it
    // only once the template has been read.
    constexpr int kPoolTypeLine = 4;
    if (result.error == BatchInputError::kPoolType ||
        (result.error == BatchInputError::kUnreadableLine && result.line <= kPoolTypeLine)) {
        ShowBatchInputError(result);
        return 0;
    }

    const std::string templateName(PoolTemplate(input.poolType));
    std::ifstream project = OpenRegularFile(g_strProgramFolder + "/" + templateName);
    if (!project.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenTemplate) + templateName);
        return 0;
    }
    if (ReadProject(project, {templateName, RefusedProjectValue}) != 0) {
        ShowMessage(ProjectReadFailure(kStrCannotReadTemplate, templateName, *this));
        return 0;
    }
    if (result.error != BatchInputError::kNone) {
        ShowBatchInputError(result);
        return 0;
    }
    if (!ApplyBatchInput(input)) return 0;

    // The run is the saved project: a project that cannot be saved (its message shown) is a
    // failed run, not the run of an older file.
    const std::string projectFile = g_strDataFolder + "/" + std::string(kBatchProjectFileName);
    if (SaveProjectFile(*this, projectFile) != 0) return 0;
    SetPathName(projectFile);
    return 1;
}

bool CTidewarmDoc::ApplyBatchInput(const BatchInput& input) {
    ApplyBatchSwitches(input);
    if (!ApplyBatchWeather(input.weatherFile)) return false;
    ApplyBatchSeason(input);
    ApplyBatchPool(input);
    ApplyBatchPoolUse(input);
    if (UseAuxHeater == 1) ApplyBatchHeater(input.heater);
    // Without collectors the template's collectors, pumps and plane stay as they are.
    if (UseSolar == 1) ApplyBatchCollectors(input.collector);
    controller.SetHighLimit(input.maxPoolTemp);
    return true;
}

// The reference run, the swimming criteria and which parts of the plant run.
void CTidewarmDoc::ApplyBatchSwitches(const BatchInput& input) {
    ReferenceRun = input.referenceRun;
    SunnyDayMinAirTemp = input.sunnyDayMinAirTemp;
    CloudyDayMinAirTemp = input.cloudyDayMinAirTemp;
    MinPoolTemp = input.minPoolTemp;
    UseSolar = input.collectorSelector != 0 ? 1 : 0;
    UseExchanger = UseSolar == 1 && UseExchanger == 1 ? 1 : 0;
    UseAuxHeater = input.heaterSelector != 0 ? 1 : 0;
}

// The binary weather file, whose header gives the location and its name. Its hours are the
// station's standard time, so the sun turns them into solar time with the station's longitude and
// the meridian of its time zone.
bool CTidewarmDoc::ApplyBatchWeather(const std::string& weatherFile) {
    binaryWeatherReader.SetFileName(weatherFile.c_str());
    WeatherSource = kWeatherBinary;
    int day = 1, hour = 1;
    ZEFIRFileReader header(&day, &hour, weatherFile.c_str());
    if (weatherFile.empty() || header.Open() != kOk) {
        ShowMessage(FormatResString(kStrCannotOpenBatchWeather, weatherFile));
        return false;
    }
    const double longitude = header.GetLongitude();
    sun.SetParameters(header.GetLatitude() * kRadiansPerDegree, 1, longitude * kRadiansPerDegree,
                      StandardMeridianOf(longitude) * kRadiansPerDegree);
    SetWeatherName(header.GetStationName());
    return true;
}

// The season's days; the pool starts it at the lowest temperature wanted.
void CTidewarmDoc::ApplyBatchSeason(const BatchInput& input) {
    StartDay = DayOfYear(input.opensMonth, input.opensDay, 0);
    EndDay = DayOfYear(input.closesMonth, input.closesDay, 0);
    NumDays = SeasonDays(StartDay, EndDay);
    InitialPoolTemp = MinPoolTemp;
}

// The pool's size, its blanket and its shading.
void CTidewarmDoc::ApplyBatchPool(const BatchInput& input) {
    pool.SetSurfaceArea(input.poolArea);
    pool.SetVolume(PoolVolume(input.poolType, input.poolArea));
    const BatchBlanket& blanket = input.blanket;
    pool.SetBlanketParameters(blanket.absorptivity, blanket.transmissivity, blanket.emissivity,
                              blanket.longWaveTransmissivity, blanket.insulation,
                              kBlanketCoveredFraction);
    double months[MonthlyProfile::kMonths];
    MonthMaskToFlags(months, blanket.monthMask);
    blanketSeasonalProfile.SetValues(months);
    ShadedFraction = input.shading / 100;
}

// Pool use: the activity schedules, every day of the year in season.
void CTidewarmDoc::ApplyBatchPoolUse(const BatchInput& input) {
    double weekday[HourlyProfile::kHours], weekend[HourlyProfile::kHours];
    ActivitySchedule(weekday, input.weekdayOpen, input.weekdayClose, input.activityLevel);
    ActivitySchedule(weekend, input.weekendOpen, input.weekendClose, input.activityLevel);
    activityProfile.SetValues(weekday, weekend);
    SeasonStart = 1;
    SeasonEnd = 365;
}

// The heater chosen, set to the lowest pool temperature wanted, and its months.
void CTidewarmDoc::ApplyBatchHeater(const BatchHeater& heater) {
    HeaterType = heater.Kind();
    if (HeaterType == HeaterKind::HeatPump)
        heatPump.SetParameters(MinPoolTemp, heater.capacity, heater.efficiency);
    else
        gasHeater.SetParameters(MinPoolTemp, heater.capacity, heater.efficiency);
    double months[MonthlyProfile::kMonths];
    MonthMaskToFlags(months, heater.monthMask);
    heaterProfile.SetValues(months);
}

// The collector array, its loop's flow and its plane.
void CTidewarmDoc::ApplyBatchCollectors(const BatchCollector& c) {
    // The test flow is given for the test area; the array needs it per collector.
    const double testFlow = c.areaPerCollector * c.testFlowRate / c.testArea;
    if (c.Kind() == CollectorKind::Unglazed) {
        Collector = CollectorKind::Unglazed;
        unglazedCollector.SetParameters(
            1, c.collectorsPerBank, c.banks, c.areaPerCollector, c.a, c.b, c.c, c.d, c.e,
            unglazedCollector.GetWindCorrectionFactor(), kBatchMinimumWindSpeed, testFlow, 0, 0,
            nullptr, 0, nullptr);
    } else {
        Collector = CollectorKind::Glazed;
        glazedCollector.SetParameters(1, c.collectorsPerBank, c.banks, c.areaPerCollector, c.a, c.b,
                                      c.c, c.d, c.e, testFlow, 0, 0, nullptr, 0, nullptr);
    }
    collectorPump.SetFlowRate(c.totalFlow);
    exchangerPump.SetFlowRate(c.totalFlow);
    tracker.SetParameters(kTrackFixed, c.slope * kRadiansPerDegree,
                          OrientationToAzimuth(c.orientation));
}
