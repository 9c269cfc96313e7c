// The axes of a chart: title, labels and scale, and the scales that map values onto them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart_elements.h"

// The range an axis shows, its labelled ticks and its grid lines, as values.
struct AxisScale {
    double lower = 0;
    double upper = 1;  // always above `lower`
    std::vector<double> ticks;
    std::vector<std::string> labels;  // one per tick
    std::vector<double> gridLines;

    // Where `value` lies from the lower end (0) to the upper end (1).
    double Fraction(double value) const { return (value - lower) / (upper - lower); }
};

// Ticks from `lower` every `step` up to `upper`. A range with no width is widened by one step
// on each side, so that the axis never divides by zero.
AxisScale LinearScale(double lower, double upper, double step);
// A scale on round steps (1, 2 or 5 times a power of ten), at most `maxTicks` steps long, that
// holds `low` to `high` with a little room beyond them for the labels of the outermost points
// (none below a `low` of zero, where bars stand).
AxisScale NiceScale(double low, double high, int maxTicks);
// One slot per label, its label at the values 0, 1, ..., grid lines between the slots.
AxisScale CategoryScale(const std::vector<std::string>& labels);

class Axis {
  public:
    TextBox& SetTitle(std::string text, double fontSize = kDefaultFontSize,
                      Colour colour = kTextColour);
    // Makes the axis a row of slots, one per label.
    void SetLabels(std::vector<std::string> labels);
    void SetLinearScale(double lower, double upper, double majorStep);

    // The scale the axis shows: its labels' slots, else its linear scale, else a nice scale of
    // `low` to `high`.
    AxisScale Scale(double low, double high, int maxTicks) const;
    bool HasLabels() const { return !labels_.empty(); }

    const std::string& TitleText() const { return titleText_; }
    const std::optional<TextBox>& Title() const { return title_; }

  private:
    struct Linear {
        double lower, upper, step;
    };
    std::string titleText_;
    std::optional<TextBox> title_;
    std::vector<std::string> labels_;
    std::optional<Linear> linear_;
};
