// The three profile editors opened from inside the input dialogs: a pair of 10-point curves,
// a 24-hour profile and a 12-month profile. Each keeps its values, labels and range, exchanges
// them through the field table and prints them inside its owner's summary.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "dialog_fields.h"

// Two rows of 10 points (X and Y), each optionally checked against a range.
class CProfileDoubleEdit : public InputDialog {
  public:
    static constexpr int kTemplate = 111;
    static constexpr int kPoints = 10;
    enum Control : int { kXLabel = 1030, kYLabel = 1031, kFirstX = 1044, kFirstY = 1062 };

    void SetUp(const std::string& xLabel, const std::string& yLabel, const double* x,
               const double* y, int checkX, int checkY, double xMin, double xMax, double yMin,
               double yMax);

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlText> ControlTexts() const override;
    // With `requireIncreasingX` set, the X values must increase strictly from each point to
    // the next (they are the abscissae of an interpolation table).
    ExchangeStatus OnOK() override;
    void PrintSummary(std::ostream& out, Language language) const override;

    std::array<double, kPoints> x{};
    std::array<double, kPoints> y{};
    std::string xLabel;
    std::string yLabel;
    int checkX = 0;
    int checkY = 0;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int requireIncreasingX = 0;
};

// Profiles of N values (24 hours or 12 months), optionally range-checked and whole numbers.
template <int N>
class ProfileEdit : public InputDialog {
  public:
    static constexpr int kValues = N;
    enum Control : int { kLegend = 1106, kFirstValue = 1201 };

    void SetUp(const std::string& legendText, const double* values, int checkRange, double minValue,
               double maxValue, int integerMode);
    std::vector<DialogField> Fields() override;
    std::vector<ControlText> ControlTexts() const override;

    std::array<double, N> values{};
    std::string legend;
    int checkRange = 0;
    double min = 0, max = 0;
    int integerMode = 0;
};

class CProfile24Edit : public ProfileEdit<24> {
  public:
    static constexpr int kTemplate = 118;
    int TemplateId() const override { return kTemplate; }
    // The legend, then six rows of four hours: hour i+1, i+7, i+13, i+19 in row i.
    void PrintSummary(std::ostream& out, Language language) const override;
};

class CProfile12Edit : public ProfileEdit<12> {
  public:
    static constexpr int kTemplate = 124;
    int TemplateId() const override { return kTemplate; }
    // The legend, then three rows of four months: month i+1, i+4, i+7, i+10 in row i.
    void PrintSummary(std::ostream& out, Language language) const override;
};

// The owners' profiles, as plain arrays.
using HourlyValues = std::array<double, 24>;
using MonthlyValues = std::array<double, 12>;

// An editor set up from an owner's array with the legend of string `legendId`.
CProfile24Edit MakeHourlyEditor(int legendId, const HourlyValues& values, double min, double max);
CProfile12Edit MakeMonthlyEditor(int legendId, const MonthlyValues& values, double min, double max);
