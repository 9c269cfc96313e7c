#include "collector_flow.h"

#include <cstdio>

#include "display_units.h"
#include "frontend_strings.h"
#include "object_type.h"
#include "record_sets.h"
#include "recordset.h"
#include "string_table.h"

namespace {

// Two significant digits, as a person says how many times larger; whole numbers from 10 up.
std::string RatioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, ratio >= 10 ? "%.0f" : "%.2g", ratio);
    return text;
}

// A flow and its unit kept on one line where a message box wraps its text: a no-break space
// before the unit and a word joiner after each slash in it ("kg/s").
std::string UnbrokenFlow(double flow, const std::string& unit) {
    char number[32];
    std::snprintf(number, sizeof number, "%.2f", flow);
    std::string text = std::string(number) + "\u00a0";
    for (char c : unit) {
        text += c;
        if (c == '/') text += "\u2060";
    }
    return text;
}

}  // namespace

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
    const double shownFlow = ip ? testFlow * kKilogramsPerSecondToUsGpm : testFlow;
    const std::string unit = LoadResString(ip ? kStrUnitUsGpm : kStrUnitKilogramsPerSecond);
    return FormatResString(kStrFlowFarFromTestFlow, RatioText(ratio), UnbrokenFlow(shownFlow, unit),
                           collectors);
}

std::optional<std::string> FlowQuestionOfRun(const InputFormData& data) {
    if (data.collectorId == kNoObjectId) return std::nullopt;
    CCollectorsSet collector;
    if (!SelectById(collector, ObjectIdColumn(ObjectType::Collector), data.collectorId))
        return std::nullopt;
    return FlowQuestion(data, {collector.m_Area, collector.m_TestFlowRate});
}
