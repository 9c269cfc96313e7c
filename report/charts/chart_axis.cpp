// Axis scales.
#include "chart_axis.h"

#include <cmath>

namespace {

// A range longer than this many steps gets a rounder step, so a wild value cannot make the axis
// draw without end.
constexpr double kMostTicks = 100;
// Room beyond the points of an automatic scale, as a part of the data's range.
constexpr double kExtension = 0.1;

// The smallest of 1, 2, 5 and 10 times a power of ten that is not below `raw`.
double RoundStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= raw) return multiple * power;
    }
    return 10 * power;
}

}  // namespace

AxisScale LinearScale(double lower, double upper, double step) {
    if (!(step > 0)) step = 1;
    if (!(upper > lower)) {
        lower -= step;
        upper += step;
    }
    if ((upper - lower) / step > kMostTicks) step = RoundStep((upper - lower) / kMostTicks);
    AxisScale scale{lower, upper, {}, {}, {}};
    const double tolerance = step * 1e-9;
    for (int tick = 0; lower + tick * step <= upper + tolerance; ++tick) {
        const double value = lower + tick * step;
        scale.ticks.push_back(value);
        scale.labels.push_back(FormatLabel("{value}", value));
    }
    scale.gridLines = scale.ticks;
    return scale;
}

AxisScale NiceScale(double low, double high, int maxTicks) {
    if (!(high > low)) {
        if (low != 0) low -= 1;
        high += 1;
    }
    // Room for labels above the highest point and, unless the scale starts at zero (where bars
    // stand), below the lowest.
    const double room = (high - low) * kExtension;
    high += room;
    if (low != 0) low -= room;
    const double step = RoundStep((high - low) / std::max(maxTicks, 1));
    return LinearScale(std::floor(low / step) * step, std::ceil(high / step) * step, step);
}

AxisScale CategoryScale(const std::vector<std::string>& labels) {
    AxisScale scale{-0.5, static_cast<double>(labels.size()) - 0.5, {}, labels, {}};
    for (std::size_t slot = 0; slot < labels.size(); ++slot) {
        scale.ticks.push_back(static_cast<double>(slot));
        if (slot > 0) scale.gridLines.push_back(static_cast<double>(slot) - 0.5);
    }
    return scale;
}

TextBox& Axis::SetTitle(std::string text, double fontSize, Colour colour) {
    titleText_ = std::move(text);
    return title_.emplace(fontSize, colour);
}

void Axis::SetLabels(std::vector<std::string> labels) {
    labels_ = std::move(labels);
}

void Axis::SetLinearScale(double lower, double upper, double majorStep) {
    linear_ = Linear{lower, upper, majorStep};
}

AxisScale Axis::Scale(double low, double high, int maxTicks) const {
    if (!labels_.empty()) return CategoryScale(labels_);
    if (linear_) return LinearScale(linear_->lower, linear_->upper, linear_->step);
    return NiceScale(low, high, maxTicks);
}
