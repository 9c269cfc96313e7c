// The run charts: the points of each chart collected from the rows, then drawn and written.
#include "run_charts.h"

#include <cmath>
#include <string>

#include "chart_texts.h"
#include "data_folder_files.h"
#include "user_interface.h"
#include "xy_chart.h"

namespace {

namespace fs = std::filesystem;

// Size and plot area of a chart, pixels.
struct ChartFrame {
    std::string_view file;
    int width, height;
    int plotX, plotY, plotWidth, plotHeight;
    std::size_t capacity;  // most points, gap points included
};

constexpr ChartFrame kDailyFrame{kDailyTemperatureChartFile, 450, 250, 40, 10, 400, 200, 732};
constexpr ChartFrame kMonthlyFrame{kMonthlyTemperatureChartFile, 280, 250, 40, 10, 230, 200, 25};
constexpr ChartFrame kSwimmableFrame{kSwimmableDaysChartFile, 280, 250, 40, 10, 230, 200, 25};
constexpr ChartFrame kEnergiesFrame{kEnergiesChartFile, 600, 375, 40, 50, 525, 250, 25};

constexpr Colour kTemperatureColour = 0x00ff00;
constexpr Colour kBlue = 0x0000ff;
constexpr Colour kRed = 0xff0000;
constexpr Colour kYellow = 0xffff00;
constexpr int kTemperatureLineWidth = 3;
constexpr int kMonthSymbolSize = 6;
constexpr std::string_view kOneDecimal = "{value|1}";
constexpr int kLegendX = 300;
constexpr int kLegendY = 10;
constexpr double kLegendFontSize = 10;

std::string TemperatureUnit(UnitSystem units) {
    return units == UnitSystem::IP ? "°F" : "°C";
}

std::string EnergyUnit(UnitSystem units) {
    // Spelt as the report's tables and the economics dialog spell it.
    return units == UnitSystem::IP ? "MBTU" : "GJ";
}

void Report(const RunChartData& run, ChartText text,
            std::initializer_list<std::string_view> values = {}) {
    ShowMessage(FillText(ChartTextIn(text, run.language), values));
}

// A chart of `frame` with the plot area and clipping every run chart has.
XYChart FramedChart(const ChartFrame& frame) {
    XYChart chart(frame.width, frame.height, kBackgroundColour, kTransparent);
    chart.SetPlotArea(frame.plotX, frame.plotY, frame.plotWidth, frame.plotHeight, kPlotBackground,
                      kDefaultColour, kGridColour, kGridColour);
    chart.SetClipping(true);
    return chart;
}

void SetAxisTitles(XYChart& chart, const RunChartData& run, ChartText yTitle,
                   std::string_view unit = {}) {
    chart.XAxis().SetTitle(std::string(ChartTextIn(ChartText::MonthNumber, run.language)));
    chart.YAxis().SetTitle(FillText(ChartTextIn(yTitle, run.language), {unit}));
}

bool Write(const XYChart& chart, const ChartFrame& frame, const RunChartData& run,
           const fs::path& dataFolder) {
    const fs::path path = dataFolder / frame.file;
    const std::string failure = chart.MakeChart(path);
    if (failure.empty()) return true;
    Report(run, ChartText::CannotWriteChart, {path.string(), failure});
    return false;
}

// Points (x, y) of a line over the season. A point whose x falls back (the season went over the
// end of the year) is preceded by a gap point at that x, so the line breaks there.
class SeasonLine {
  public:
    explicit SeasonLine(std::size_t capacity) : capacity_(capacity) {}

    // False, with nothing added, when the points would pass the capacity.
    bool Add(double x, double y) {
        const bool gap = !xs_.empty() && x < xs_.back();
        if (xs_.size() + (gap ? 2 : 1) > capacity_) return false;
        if (gap) Push(x, kNoValue);
        Push(x, y);
        return true;
    }

    const std::vector<double>& Xs() const { return xs_; }
    const std::vector<double>& Ys() const { return ys_; }
    const LayerRange& XRange() const { return xRange_; }
    const LayerRange& YRange() const { return yRange_; }

  private:
    void Push(double x, double y) {
        xs_.push_back(x);
        ys_.push_back(y);
        xRange_.Add(x);
        yRange_.Add(y);
    }

    std::size_t capacity_;
    std::vector<double> xs_;
    std::vector<double> ys_;
    LayerRange xRange_;
    LayerRange yRange_;
};

std::vector<const MonthlyChartRow*> SeasonMonths(const RunChartData& run) {
    std::vector<const MonthlyChartRow*> months;
    for (const MonthlyChartRow& row : run.months) {
        if (row.month != 0) months.push_back(&row);
    }
    return months;
}

// The x labels of the bar charts: each month's number.
std::vector<std::string> MonthLabels(const std::vector<const MonthlyChartRow*>& months) {
    std::vector<std::string> labels;
    for (const MonthlyChartRow* row : months) labels.push_back(std::to_string(row->month));
    return labels;
}

// Collects the month rows of a bar chart; false after its message when there are none or too
// many.
bool BarChartMonths(const RunChartData& run, const ChartFrame& frame,
                    std::vector<const MonthlyChartRow*>& months) {
    months = SeasonMonths(run);
    if (months.empty()) {
        Report(run, ChartText::ResultsNotFound);
        return false;
    }
    if (months.size() > frame.capacity) {
        Report(run, ChartText::TooManyPoints);
        return false;
    }
    return true;
}

// Ends of a range to the whole numbers around it; 0 to 0 for an empty range.
std::pair<double, double> WholeBounds(const LayerRange& range) {
    if (range.IsEmpty()) return {0, 0};
    return {std::floor(range.low), std::ceil(range.high)};
}

}  // namespace

bool MakeDailyTemperatureChart(const RunChartData& run, const fs::path& dataFolder) {
    if (run.daily.empty()) {
        Report(run, ChartText::DailyTemperaturesNotFound, {std::to_string(run.runId)});
        return false;
    }
    SeasonLine line(kDailyFrame.capacity);
    for (const DailyChartRow& row : run.daily) {
        if (!line.Add(row.fracMonth, ReportTemperature(row.tPool, run.units))) {
            Report(run, ChartText::TooManyPoints);
            return false;
        }
    }
    XYChart chart = FramedChart(kDailyFrame);
    LineLayer& layer = chart.AddLineLayer(line.Ys(), kTemperatureColour, "TPool");
    layer.SetXData(line.Xs());
    layer.SetLineWidth(kTemperatureLineWidth);
    const auto [xLow, xHigh] = WholeBounds(line.XRange());
    chart.XAxis().SetLinearScale(xLow, xHigh, 1);
    const auto [yLow, yHigh] = WholeBounds(line.YRange());
    chart.YAxis().SetLinearScale(yLow, yHigh, 5);
    SetAxisTitles(chart, run, ChartText::DailyTemperatureTitle, TemperatureUnit(run.units));
    return Write(chart, kDailyFrame, run, dataFolder);
}

bool MakeMonthlyTemperatureChart(const RunChartData& run, const fs::path& dataFolder) {
    const std::vector<const MonthlyChartRow*> months = SeasonMonths(run);
    if (months.empty()) {
        Report(run, ChartText::ResultsNotFound);
        return false;
    }
    SeasonLine line(kMonthlyFrame.capacity);
    for (const MonthlyChartRow* row : months) {
        if (!line.Add(row->month, ReportTemperature(row->tPool, run.units))) {
            Report(run, ChartText::TooManyPoints);
            return false;
        }
    }
    XYChart chart = FramedChart(kMonthlyFrame);
    LineLayer& layer = chart.AddLineLayer(line.Ys(), kTemperatureColour, "TPool");
    layer.SetXData(line.Xs());
    layer.GetDataSet(0)->SetDataSymbol(Symbol::Circle, kMonthSymbolSize);
    layer.SetLineWidth(kTemperatureLineWidth);
    layer.SetDataLabelFormat(std::string(kOneDecimal));
    chart.XAxis().SetLinearScale(line.XRange().low, line.XRange().high, 1);
    SetAxisTitles(chart, run, ChartText::MonthlyTemperatureTitle, TemperatureUnit(run.units));
    return Write(chart, kMonthlyFrame, run, dataFolder);
}

bool MakeSwimmableDaysChart(const RunChartData& run, const fs::path& dataFolder) {
    std::vector<const MonthlyChartRow*> months;
    if (!BarChartMonths(run, kSwimmableFrame, months)) return false;
    std::vector<double> swimDays, usableDays, usableDaysNoHeat;
    for (const MonthlyChartRow* row : months) {
        swimDays.push_back(row->swimDays);
        usableDays.push_back(row->usableDays);
        usableDaysNoHeat.push_back(run.doubleRun ? row->usableDaysNoHeat : kNoValue);
    }
    XYChart chart = FramedChart(kSwimmableFrame);
    BarLayer& layer = chart.AddBarLayer();
    layer.AddDataSet(swimDays, kBlue, "");
    layer.AddDataSet(usableDays, kRed, "");
    layer.AddDataSet(usableDaysNoHeat, kYellow, "");
    layer.SetAggregateLabelStyle(kDefaultFontSize, kTextColour);
    chart.XAxis().SetLabels(MonthLabels(months));
    SetAxisTitles(chart, run, ChartText::NumberOfDays);
    return Write(chart, kSwimmableFrame, run, dataFolder);
}

bool MakeEnergiesChart(const RunChartData& run, const fs::path& dataFolder) {
    std::vector<const MonthlyChartRow*> months;
    if (!BarChartMonths(run, kEnergiesFrame, months)) return false;
    std::vector<double> solar, passive, auxiliary;
    for (const MonthlyChartRow* row : months) {
        solar.push_back(ReportEnergy(row->qAct, run.units));
        passive.push_back(ReportEnergy(row->qPass, run.units));
        auxiliary.push_back(ReportEnergy(row->qAux, run.units));
    }
    XYChart chart = FramedChart(kEnergiesFrame);
    chart.AddLegend(kLegendX, kLegendY, kLegendFontSize).SetAlignment(Alignment::TopCentre);
    BarLayer& layer = chart.AddBarLayer();
    layer.AddDataSet(solar, kBlue, "QAct");
    layer.AddDataSet(passive, kRed, "QPass");
    layer.AddDataSet(auxiliary, kYellow, "QAux");
    layer.SetAggregateLabelStyle(kDefaultFontSize, kTextColour);
    layer.SetAggregateLabelFormat(std::string(kOneDecimal));
    chart.XAxis().SetLabels(MonthLabels(months));
    SetAxisTitles(chart, run, ChartText::EnergyTitle, EnergyUnit(run.units));
    return Write(chart, kEnergiesFrame, run, dataFolder);
}

bool MakeRunCharts(const RunChartData& run, const fs::path& dataFolder) {
    return MakeDailyTemperatureChart(run, dataFolder) &&
           MakeMonthlyTemperatureChart(run, dataFolder) &&
           MakeSwimmableDaysChart(run, dataFolder) && MakeEnergiesChart(run, dataFolder);
}
