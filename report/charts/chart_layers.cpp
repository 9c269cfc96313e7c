// Line and bar layers.
#include "chart_layers.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels between a point (or its symbol) and its label.
constexpr int kLabelGap = 3;
// Pixels between a label and the edges of the plot area (the axes among them).
constexpr int kLabelInset = 3;
// The part of a slot the bars of one point fill together.
constexpr double kBarGroupShare = 0.8;

void DrawSymbol(const ChartCanvas& canvas, const DataSymbol& symbol, Colour setColour, int x,
                int y) {
    const int fill = canvas.Ink(symbol.fill == kDefaultColour ? setColour : symbol.fill);
    const int edge = canvas.Ink(symbol.edge == kDefaultColour ? setColour : symbol.edge);
    if (fill >= 0) gdImageFilledEllipse(canvas.image, x, y, symbol.size, symbol.size, fill);
    if (edge >= 0) {
        gdImageSetThickness(canvas.image, symbol.lineWidth);
        gdImageEllipse(canvas.image, x, y, symbol.size, symbol.size, edge);
        gdImageSetThickness(canvas.image, 1);
    }
}

// A label's place, pixels; right and bottom exclusive.
struct LabelBox {
    int left, top, right, bottom;

    bool Overlaps(const LabelBox& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// The places the labels of a layer took so far. A label that would cover one of them is left
// out, so that crowded points never leave a smudge of unreadable text.
class LabelSpace {
  public:
    bool Take(const LabelBox& box) {
        for (const LabelBox& taken : taken_) {
            if (taken.Overlaps(box)) return false;
        }
        taken_.push_back(box);
        return true;
    }

  private:
    std::vector<LabelBox> taken_;
};

// `box` moved into the plot area, kLabelInset pixels clear of its edges, where it fits.
LabelBox InsidePlot(LabelBox box, const ChartCanvas& canvas) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int left = canvas.plot.x + kLabelInset, top = canvas.plot.y + kLabelInset;
    const int right = canvas.plot.x + canvas.plot.width - kLabelInset;
    const int bottom = canvas.plot.y + canvas.plot.height - kLabelInset;
    box.left = std::clamp(box.left, left, std::max(left, right - width));
    box.top = std::clamp(box.top, top, std::max(top, bottom - height));
    return {box.left, box.top, box.left + width, box.top + height};
}

}  // namespace

void LayerRange::Add(double value) {
    if (IsNoValue(value)) return;
    low = std::min(low, value);
    high = std::max(high, value);
}

DataSet& Layer::AddDataSet(std::span<const double> values, Colour colour, std::string name) {
    return dataSets_.emplace_back(values, colour, std::move(name));
}

DataSet* Layer::GetDataSet(std::size_t index) {
    return index < dataSets_.size() ? &dataSets_[index] : nullptr;
}

void Layer::SetXData(std::span<const double> values) {
    xData_.assign(values.begin(), values.end());
}

TextBox& Layer::SetAggregateLabelStyle(double fontSize, Colour colour) {
    return aggregateLabelStyle_.emplace(fontSize, colour);
}

double Layer::XOf(std::size_t point) const {
    if (xData_.empty()) return static_cast<double>(point);
    return point < xData_.size() ? xData_[point] : kNoValue;
}

LayerRange Layer::XRange() const {
    LayerRange range;
    for (const DataSet& set : dataSets_) {
        for (std::size_t point = 0; point < set.Values().size(); ++point) range.Add(XOf(point));
    }
    return range;
}

LayerRange Layer::YRange() const {
    LayerRange range;
    for (const DataSet& set : dataSets_) {
        for (const double value : set.Values()) range.Add(value);
    }
    return range;
}

void LineLayer::DrawShapes(const ChartCanvas& canvas) const {
    for (const DataSet& set : dataSets_) {
        const int ink = canvas.Ink(set.DataColour());
        if (ink < 0) continue;
        gdImageSetThickness(canvas.image, lineWidth_);
        std::optional<gdPoint> previous;  // none after a missing point: the line breaks there
        for (std::size_t point = 0; point < set.Values().size(); ++point) {
            const double x = XOf(point);
            const double y = set.Values()[point];
            if (IsNoValue(x) || IsNoValue(y)) {
                previous.reset();
                continue;
            }
            const gdPoint here{canvas.PixelX(x), canvas.PixelY(y)};
            if (previous) gdImageLine(canvas.image, previous->x, previous->y, here.x, here.y, ink);
            previous = here;
        }
        gdImageSetThickness(canvas.image, 1);
        if (!set.PointSymbol()) continue;
        for (std::size_t point = 0; point < set.Values().size(); ++point) {
            if (IsNoValue(XOf(point)) || IsNoValue(set.Values()[point])) continue;
            DrawSymbol(canvas, *set.PointSymbol(), set.DataColour(), canvas.PixelX(XOf(point)),
                       canvas.PixelY(set.Values()[point]));
        }
    }
}

void LineLayer::DrawLabels(const ChartCanvas& canvas) const {
    if (!dataLabelFormat_) return;
    LabelSpace space;
    for (const DataSet& set : dataSets_) {
        const int above =
            kLabelGap + (set.PointSymbol() ? set.PointSymbol()->size / 2 : lineWidth_);
        for (std::size_t point = 0; point < set.Values().size(); ++point) {
            const double value = set.Values()[point];
            if (IsNoValue(XOf(point)) || IsNoValue(value)) continue;
            const std::string label = FormatLabel(*dataLabelFormat_, value);
            const TextExtent extent = canvas.text.Measure(label, kDefaultFontSize);
            // Centred over its point, below it where the top of the plot area leaves no room,
            // and kept inside the plot area, clear of the axes.
            const int x = canvas.PixelX(XOf(point)) - extent.width / 2, y = canvas.PixelY(value);
            int top = y - above - extent.height;
            if (top < canvas.plot.y + kLabelInset) top = y + above;
            const LabelBox box =
                InsidePlot({x, top, x + extent.width, top + extent.height}, canvas);
            if (space.Take(box))
                canvas.DrawText(label, kDefaultFontSize, kTextColour, box.left, box.top,
                                TextAnchor::Start, TextAnchor::Start);
        }
    }
}

LayerRange BarLayer::YRange() const {
    LayerRange range = Layer::YRange();
    range.Add(0);
    return range;
}

std::vector<BarLayer::Bar> BarLayer::Bars(const ChartCanvas& canvas) const {
    std::vector<Bar> bars;
    if (dataSets_.empty()) return bars;
    const double slot = (canvas.plot.width - 1) / (canvas.x.upper - canvas.x.lower);
    const double group = slot * kBarGroupShare;
    const double width = group / static_cast<double>(dataSets_.size());
    for (std::size_t set = 0; set < dataSets_.size(); ++set) {
        const std::vector<double>& values = dataSets_[set].Values();
        for (std::size_t point = 0; point < values.size(); ++point) {
            if (IsNoValue(values[point]) || IsNoValue(XOf(point))) continue;
            const double left =
                canvas.PixelX(XOf(point)) - group / 2 + width * static_cast<double>(set);
            const int first = static_cast<int>(std::lround(left));
            const int last = std::max(first, static_cast<int>(std::lround(left + width)) - 1);
            bars.push_back({first, last, values[point], dataSets_[set].DataColour()});
        }
    }
    return bars;
}

void BarLayer::DrawShapes(const ChartCanvas& canvas) const {
    for (const Bar& bar : Bars(canvas)) {
        const int ink = canvas.Ink(bar.colour);
        if (ink < 0) continue;
        const int zero = canvas.PixelY(0);
        const int end = canvas.PixelY(bar.value);
        gdImageFilledRectangle(canvas.image, bar.left, std::min(zero, end), bar.right,
                               std::max(zero, end), ink);
    }
}

void BarLayer::DrawLabels(const ChartCanvas& canvas) const {
    if (!aggregateLabelFormat_ && !aggregateLabelStyle_) return;
    const std::string format = aggregateLabelFormat_.value_or("{value}");
    const TextBox style = aggregateLabelStyle_.value_or(TextBox(kDefaultFontSize, kTextColour));
    const std::vector<Bar> bars = Bars(canvas);
    // Labels wider than their bars turn upright, all of them alike, to stand over their own bars.
    bool upright = false;
    for (const Bar& bar : bars) {
        const int width =
            canvas.text.Measure(FormatLabel(format, bar.value), style.FontSize()).width;
        upright = upright || width > bar.right - bar.left + 1;
    }
    const double angle = upright ? kUpright : 0;
    LabelSpace space;
    for (const Bar& bar : bars) {
        const std::string label = FormatLabel(format, bar.value);
        const TextExtent extent = canvas.text.Measure(label, style.FontSize(), angle);
        const int left = (bar.left + bar.right + 1 - extent.width) / 2;
        const int end = canvas.PixelY(bar.value);
        const int top = bar.value >= 0 ? end - kLabelGap - extent.height : end + kLabelGap;
        const LabelBox box =
            InsidePlot({left, top, left + extent.width, top + extent.height}, canvas);
        if (space.Take(box))
            canvas.DrawText(label, style.FontSize(), style.TextColour(), box.left, box.top,
                            TextAnchor::Start, TextAnchor::Start, angle);
    }
}
