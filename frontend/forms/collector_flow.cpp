#include "collector_flow.h"

#include "display_units.h"
#include "frontend_strings.h"
#include "object_type.h"
#include "record_sets.h"
#include "recordset.h"
#include "string_table.h"

std::optional<std::string> FlowQuestion(const InputFormData& data, const CollectorTest& test) {
    if (test.area <= 0 || test.flowRate <= 0) return std::nullopt;
    const double collectors = data.numberOfColl * data.numberOfBanks;
    const double testFlow = collectors * test.flowRate * data.areaPerColl / test.area;  // kg/s
    const double ratio = data.totalFlow / testFlow;
    // The margin keeps a flow typed at a bound (0.30 kg/s for 0.60) within the span.
    constexpr double kRoundOff = 1e-9;
    if (ratio >= kLowestUsualFlowRatio - kRoundOff && ratio <= kHighestUsualFlowRatio + kRoundOff)
        return std::nullopt;
    const bool ip = data.units == UnitSystem::IP;
    return FormatResString(
        kStrFlowFarFromTestFlow, ratio, ip ? testFlow * kKilogramsPerSecondToUsGpm : testFlow,
        LoadResString(ip ? kStrUnitUsGpm : kStrUnitKilogramsPerSecond), collectors);
}

std::optional<std::string> FlowQuestionOfRun(const InputFormData& data) {
    if (data.collectorId == kNoObjectId) return std::nullopt;
    CCollectorsSet collector;
    if (!SelectById(collector, ObjectIdColumn(ObjectType::Collector), data.collectorId))
        return std::nullopt;
    return FlowQuestion(data, {collector.m_Area, collector.m_TestFlowRate});
}
