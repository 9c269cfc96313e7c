#include "profile_editors.h"

#include "helpers.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"

void CProfileDoubleEdit::SetUp(const std::string& xLabelText, const std::string& yLabelText,
                               const double* xValues, const double* yValues, int checkXRange,
                               int checkYRange, double xMinimum, double xMaximum, double yMinimum,
                               double yMaximum) {
    xLabel = xLabelText;
    yLabel = yLabelText;
    for (int i = 0; i < kPoints; ++i) {
        x[i] = xValues[i];
        y[i] = yValues[i];
    }
    checkX = checkXRange;
    checkY = checkYRange;
    xMin = xMinimum;
    xMax = xMaximum;
    yMin = yMinimum;
    yMax = yMaximum;
}

std::vector<DialogField> CProfileDoubleEdit::Fields() {
    std::vector<DialogField> fields;
    for (int i = 0; i < kPoints; ++i) {
        fields.push_back(checkX ? DoubleField(kFirstX + i, &x[i], xMin, xMax)
                                : DoubleField(kFirstX + i, &x[i]));
        fields.push_back(checkY ? DoubleField(kFirstY + i, &y[i], yMin, yMax)
                                : DoubleField(kFirstY + i, &y[i]));
    }
    return fields;
}

std::vector<ControlText> CProfileDoubleEdit::ControlTexts() const {
    return {{kXLabel, xLabel}, {kYLabel, yLabel}};
}

ExchangeStatus CProfileDoubleEdit::OnOK() {
    if (requireIncreasingX)
        for (int i = 1; i < kPoints; ++i)
            if (!(x[i] > x[i - 1]))
                return ExchangeStatus::Refused(kFirstX + i, LoadResString(kStrAnglesNotIncreasing));
    return {};
}

namespace {

void PrintRows(std::ostream& out, const std::array<double, CProfileDoubleEdit::kPoints>& v) {
    for (int row = 0; row < 2; ++row) {
        Print(out, "  ");
        for (int i = 0; i < 5; ++i) Print(out, "  %-8.3g", v[row * 5 + i]);
        Print(out, "\n");
    }
}

}  // namespace

void CProfileDoubleEdit::PrintSummary(std::ostream& out, Language) const {
    Print(out, "  %s\n", xLabel.c_str());
    PrintRows(out, x);
    Print(out, "  %s\n", yLabel.c_str());
    PrintRows(out, y);
}

template <int N>
void ProfileEdit<N>::SetUp(const std::string& legendText, const double* source, int check,
                           double minValue, double maxValue, int integer) {
    legend = legendText;
    for (int i = 0; i < N; ++i) values[i] = source[i];
    checkRange = check;
    min = minValue;
    max = maxValue;
    integerMode = integer;
}

template <int N>
std::vector<DialogField> ProfileEdit<N>::Fields() {
    std::vector<DialogField> fields;
    for (int i = 0; i < N; ++i) {
        const int id = kFirstValue + i;
        if (integerMode)
            fields.push_back(checkRange ? IntAsDoubleField(id, &values[i], min, max)
                                        : IntAsDoubleField(id, &values[i]));
        else
            fields.push_back(checkRange ? DoubleField(id, &values[i], min, max)
                                        : DoubleField(id, &values[i]));
    }
    return fields;
}

template <int N>
std::vector<ControlText> ProfileEdit<N>::ControlTexts() const {
    return {{kLegend, legend}};
}

template class ProfileEdit<24>;
template class ProfileEdit<12>;

void CProfile24Edit::PrintSummary(std::ostream& out, Language) const {
    Print(out, "  %s\n", legend.c_str());
    for (int i = 0; i < 6; ++i) {
        Print(out, "  ");
        for (int hour = i + 1; hour <= 24; hour += 6)
            Print(out, "  %2d: %-8.3g", hour, values[hour - 1]);
        Print(out, "\n");
    }
}

void CProfile12Edit::PrintSummary(std::ostream& out, Language language) const {
    Print(out, "  %s\n", legend.c_str());
    for (int i = 0; i < 3; ++i) {
        Print(out, "  ");
        for (int month = i + 1; month <= 12; month += 3) {
            char name[10];
            MonthShortName(month, name, language);
            Print(out, "  %s: %-8.3g", name, values[month - 1]);
        }
        Print(out, "\n");
    }
}

CProfile24Edit MakeHourlyEditor(int legendId, const HourlyValues& values, double min, double max) {
    CProfile24Edit editor;
    editor.SetUp(LoadResString(legendId), values.data(), 1, min, max, 1);
    return editor;
}

CProfile12Edit MakeMonthlyEditor(int legendId, const MonthlyValues& values, double min,
                                 double max) {
    CProfile12Edit editor;
    editor.SetUp(LoadResString(legendId), values.data(), 1, min, max, 1);
    return editor;
}
