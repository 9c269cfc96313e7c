#include "batch_writer.h"

#include <cstdio>

#include "calendar.h"
#include "file_replace.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "object_type.h"
#include "user_interface.h"

namespace {

std::optional<std::string> WeatherPathOfCity(const std::string& city) {
    for (std::size_t i = 0; i < g_CityNames.size() && i < g_WeatherFileNames.size(); ++i)
        if (g_CityNames[i] == city) return g_strClimateFolder + "/" + g_WeatherFileNames[i];
    return std::nullopt;
}

void CopyRunValues(const CRunsSet& run, BatchInput& input) {
    input.runId = run.m_RunId;
    input.created = FormatRunTime(run.m_TStamp, g_nLanguage);
    input.comments = run.m_Comments;
    // A number outside the four types is written as it stands, for the written file's check to
    // refuse it as the simulation program would.
    input.poolType = static_cast<PoolType>(run.m_PoolType);
    input.referenceRun = run.m_DoubleRun ? 1 : 0;
    input.opensMonth = run.m_OpensMonth;
    input.opensDay = run.m_OpensDay;
    input.closesMonth = run.m_ClosesMonth;
    input.closesDay = run.m_ClosesDay;
    input.poolArea = run.m_PoolArea;
    input.shading = run.m_Shading;
}

bool CopyPoolUse(int id, BatchInput& input) {
    CPoolUseSet use;
    if (!SelectById(use, ObjectIdColumn(use.Type()), id)) {
        ShowMessage(FormatResString(kStrPoolUseNotFound, id));
        return false;
    }
    input.sunnyDayMinAirTemp = use.m_MinTAmbSunny;
    input.cloudyDayMinAirTemp = use.m_MinTAmbCloudy;
    input.minPoolTemp = use.m_MinTPool;
    input.maxPoolTemp = use.m_MaxTPool;
    input.weekdayOpen = use.m_WeekdayOpen;
    input.weekdayClose = use.m_WeekdayClose;
    input.weekendOpen = use.m_WeekendOpen;
    input.weekendClose = use.m_WeekendClose;
    input.activityLevel = use.m_ActivityLevel;
    return true;
}

bool CopyCollector(const CRunsSet& run, BatchInput& input) {
    input.collectorSelector = run.m_CollectorId - 1;
    if (run.m_CollectorId == kNoObjectId) return true;
    CCollectorsSet row;
    if (!SelectById(row, ObjectIdColumn(row.Type()), run.m_CollectorId)) {
        ShowMessage(FormatResString(kStrCollectorNotFound, run.m_CollectorId));
        return false;
    }
    BatchCollector& c = input.collector;
    c.type = row.m_Type;
    c.testArea = row.m_Area;
    c.testFlowRate = row.m_TestFlowRate;
    c.a = row.m_A;
    c.b = row.m_B;
    c.c = row.m_C;
    c.d = row.m_D;
    c.e = row.m_E;
    c.collectorsPerBank = run.m_NumberOfColl;
    c.areaPerCollector = run.m_AreaPerColl;
    c.banks = run.m_NumberOfBanks;
    c.orientation = run.m_Orientation;
    c.slope = run.m_Slope;
    c.totalFlow = run.m_TotalFlow;
    return true;
}

bool CopyHeater(const CRunsSet& run, BatchInput& input) {
    input.heaterSelector = run.m_HeaterId - 1;
    if (run.m_HeaterId == kNoObjectId) return true;
    CHeatersSet row;
    if (!SelectById(row, ObjectIdColumn(row.Type()), run.m_HeaterId)) {
        ShowMessage(FormatResString(kStrHeaterNotFound, run.m_HeaterId));
        return false;
    }
    BatchHeater& h = input.heater;
    h.type = row.m_Type;
    h.capacity = row.m_Capacity;
    // A fuel-fired heater's efficiency is kept in percent, a heat pump's COP as it stands.
    h.efficiency = row.Kind() == HeaterKind::Fuel ? row.m_EfficiencyCOP / 100 : row.m_EfficiencyCOP;
    h.monthMask = run.m_HeaterMonthlyUse;
    return true;
}

bool CopyBlanket(const CRunsSet& run, BatchInput& input) {
    input.blanketSelector = run.m_BlanketId - 1;
    if (run.m_BlanketId == kNoObjectId) return true;
    CBlanketsSet row;
    if (!SelectById(row, ObjectIdColumn(row.Type()), run.m_BlanketId)) {
        ShowMessage(FormatResString(kStrBlanketNotFound, run.m_BlanketId));
        return false;
    }
    BatchBlanket& b = input.blanket;
    b.absorptivity = row.m_SWAbsorptivity;
    b.transmissivity = row.m_SWTransmissivity;
    b.emissivity = row.m_LWEmissivity;
    b.longWaveTransmissivity = row.m_LWTransmissivity;
    b.insulation = row.m_Insulation;
    b.monthMask = run.m_BlanketMonthlyUse;
    return true;
}

void ShowRefusal(const BatchInputResult& refused) {
    const std::string problem = BatchInputProblem(refused, g_nLanguage);
    ShowMessage(problem.empty() ? FormatResString(kStrBatchLineRefused, refused.line) : problem);
}

}  // namespace

std::optional<BatchInput> BatchInputOfRun(const CRunsSet& run) {
    BatchInput input;
    CopyRunValues(run, input);
    const std::optional<std::string> weather = WeatherPathOfCity(run.m_City);
    if (!weather) {
        ShowMessage(FormatResString(kStrNoWeatherForCity, run.m_City.c_str()));
        return std::nullopt;
    }
    input.weatherFile = *weather;
    if (!CopyPoolUse(run.m_PoolUseId, input) || !CopyCollector(run, input) ||
        !CopyHeater(run, input) || !CopyBlanket(run, input))
        return std::nullopt;
    return input;
}

bool WriteRunBatchInput(const CRunsSet& run, const std::string& path) {
    const std::optional<BatchInput> input = BatchInputOfRun(run);
    if (!input) return false;
    std::string text;
    const BatchInputResult refused = WriteBatchInput(*input, text);
    if (refused.error != BatchInputError::kNone) {
        ShowRefusal(refused);
        return false;
    }
    if (ReplaceFileContents(path, text)) {
        ShowMessage(LoadResString(kStrCannotOpenBatchInput));
        return false;
    }
    return true;
}
