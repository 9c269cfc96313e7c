// The layers of a chart: a line layer joins the points of its data sets, a bar layer stands the
// values of its data sets side by side in one slot per point. Layers keep copies of their data.
#pragma once

#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart_canvas.h"
#include "chart_elements.h"

// The lowest and highest value a layer puts on an axis; empty (low above high) when none.
struct LayerRange {
    double low = kNoValue;
    double high = -kNoValue;

    void Add(double value);
    bool IsEmpty() const { return low > high; }
};

class Layer {
  public:
    virtual ~Layer() = default;

    DataSet& AddDataSet(std::span<const double> values, Colour colour, std::string name);
    // The data set added `index`-th (from 0); null when there is none.
    DataSet* GetDataSet(std::size_t index);
    // The x value of each point; without it the points stand at 0, 1, 2, ...
    void SetXData(std::span<const double> values);
    void SetLineWidth(int width) { lineWidth_ = width; }
    // A label above each point, from this format (see FormatLabel).
    void SetDataLabelFormat(std::string format) { dataLabelFormat_ = std::move(format); }
    // A label on the top of each bar, from this format; set either this or the style below to
    // show them.
    void SetAggregateLabelFormat(std::string format) { aggregateLabelFormat_ = std::move(format); }
    TextBox& SetAggregateLabelStyle(double fontSize, Colour colour);

    const std::deque<DataSet>& DataSets() const { return dataSets_; }
    LayerRange XRange() const;
    virtual LayerRange YRange() const;
    // Draws the lines, bars and symbols (the part a plot area clips) and then the labels.
    virtual void DrawShapes(const ChartCanvas& canvas) const = 0;
    virtual void DrawLabels(const ChartCanvas& canvas) const = 0;

  protected:
    // The x value of point `point`; kNoValue beyond the x data.
    double XOf(std::size_t point) const;

    std::deque<DataSet> dataSets_;
    std::vector<double> xData_;
    int lineWidth_ = 1;
    std::optional<std::string> dataLabelFormat_;
    std::optional<std::string> aggregateLabelFormat_;
    std::optional<TextBox> aggregateLabelStyle_;
};

class LineLayer final : public Layer {
  public:
    void DrawShapes(const ChartCanvas& canvas) const override;
    void DrawLabels(const ChartCanvas& canvas) const override;
};

class BarLayer final : public Layer {
  public:
    // Bars stand on zero, so zero is always in range.
    LayerRange YRange() const override;
    void DrawShapes(const ChartCanvas& canvas) const override;
    void DrawLabels(const ChartCanvas& canvas) const override;

  private:
    struct Bar {
        int left, right;  // pixel columns, inclusive
        double value;
        Colour colour;
    };
    std::vector<Bar> Bars(const ChartCanvas& canvas) const;
};
