// A chart of x-y layers on one plot area, drawn and written as a GIF picture. The chart owns
// every part made through it (plot area, axes, layers and their data sets, titles, legend);
// they live as long as the chart.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart_axis.h"
#include "chart_elements.h"
#include "chart_layers.h"

class XYChart {
  public:
    XYChart(int width, int height, Colour background = kBackgroundColour,
            Colour edge = kTransparent);

    PlotArea& SetPlotArea(int x, int y, int width, int height, Colour background = kDefaultColour,
                          Colour edge = kDefaultColour, Colour horizontalGrid = kDefaultColour,
                          Colour verticalGrid = kDefaultColour);
    // On: lines, bars and symbols are cut at the plot area's edges.
    void SetClipping(bool clip) { clipping_ = clip; }
    Axis& XAxis() { return xAxis_; }
    Axis& YAxis() { return yAxis_; }
    // A line layer whose first data set is `values`.
    LineLayer& AddLineLayer(std::span<const double> values, Colour colour, std::string name);
    // A layer whose data sets stand side by side as bars, one group per point.
    BarLayer& AddBarLayer();
    // A legend of the named data sets, one row, its box placed at (x, y) as its alignment says.
    LegendBox& AddLegend(int x, int y, double fontSize);
    // The font of every text; FindDefaultFont() unless set.
    void SetFont(std::filesystem::path font) { font_ = std::move(font); }

    // Draws the chart and writes it as a GIF file at `path`, first under a temporary name next
    // to it so that a failure never leaves a half-written picture. Returns why it failed; empty
    // when the picture was written.
    std::string MakeChart(const std::filesystem::path& path) const;

  private:
    void DrawGrid(const ChartCanvas& canvas) const;
    void DrawAxes(const ChartCanvas& canvas) const;
    void DrawLegend(const ChartCanvas& canvas) const;
    ChartCanvas Layout(gdImagePtr image, TextPainter& text) const;

    int width_;
    int height_;
    Colour background_;
    Colour edge_;
    PlotArea plotArea_;
    bool clipping_ = false;
    Axis xAxis_;
    Axis yAxis_;
    std::vector<std::unique_ptr<Layer>> layers_;
    std::optional<LegendBox> legend_;
    std::filesystem::path font_;
};
