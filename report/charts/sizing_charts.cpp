#include "sizing_charts.h"

#include "xy_chart.h"

namespace {

constexpr int kLineWidth = 2;
constexpr int kSymbolSize = 6;
// Room for the value axis's labels on the left and the area axis's title below.
constexpr int kPlotLeft = 60, kPlotTop = 10, kPlotRight = 15, kPlotBottom = 45;

}  // namespace

std::string MakeSizingChart(const SizingChartLine& line, const std::filesystem::path& path) {
    XYChart chart(kSizingChartWidth, kSizingChartHeight, kBackgroundColour, kTransparent);
    chart.SetPlotArea(kPlotLeft, kPlotTop, kSizingChartWidth - kPlotLeft - kPlotRight,
                      kSizingChartHeight - kPlotTop - kPlotBottom, kPlotBackground, kDefaultColour,
                      kGridColour, kGridColour);
    chart.SetClipping(true);
    LineLayer& layer = chart.AddLineLayer(line.values, line.colour, line.valueTitle);
    layer.SetXData(line.areas);
    layer.GetDataSet(0)->SetDataSymbol(Symbol::Circle, kSymbolSize);
    layer.SetLineWidth(kLineWidth);
    chart.XAxis().SetTitle(line.areaTitle);
    chart.YAxis().SetTitle(line.valueTitle);
    return chart.MakeChart(path);
}
