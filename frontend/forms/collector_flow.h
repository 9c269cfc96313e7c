// The collector loop's flow against the flow the chosen collectors were tested at. Far from it the
// collectors' test equation no longer says what they deliver, so Run asks before simulating.
#pragma once

#include <optional>
#include <string>

#include "input_form_data.h"

// A collector as its test gives it: the area tested (m2) and the flow it was tested at (kg/s).
struct CollectorTest {
    double area = 0;
    double flowRate = 0;
};

// The usual span of the total flow per collector, in multiples of its test flow.
inline constexpr double kLowestUsualFlowRatio = 0.5;
inline constexpr double kHighestUsualFlowRatio = 4;

// The question Run asks when the run's total flow lies outside the usual span of the test flow of
// its collectors (each collector's test flow scaled to its area), in the form's language and
// units; nothing when the flow is within it or the test gives no flow.
std::optional<std::string> FlowQuestion(const InputFormData& data, const CollectorTest& test);

// FlowQuestion for the run's chosen collector, read from the database; nothing for a run without
// collectors or whose collector is gone.
std::optional<std::string> FlowQuestionOfRun(const InputFormData& data);
