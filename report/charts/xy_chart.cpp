// Drawing and writing an x-y chart.
#include "xy_chart.h"

#include <algorithm>
#include <string_view>

#include "file_replace.h"

namespace {

namespace fs = std::filesystem;

// Least room between the labels of an automatic scale, pixels.
constexpr int kPixelsPerXTick = 50;
constexpr int kPixelsPerYTick = 25;
constexpr int kTickLength = 3;
// Room between an axis's ticks, its labels and its title, pixels.
constexpr int kAxisGap = 2;
// A legend entry: its colour square, the room before its name and after it, pixels.
constexpr int kLegendSquare = 10;
constexpr int kLegendNameGap = 4;
constexpr int kLegendEntryGap = 12;
constexpr Colour kLegendSquareEdge = kTextColour;

struct ImageDeleter {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using ImagePtr = std::unique_ptr<gdImage, ImageDeleter>;

std::pair<double, double> Bounds(const LayerRange& range) {
    return range.IsEmpty() ? std::pair(0.0, 0.0) : std::pair(range.low, range.high);
}

std::string WriteGif(gdImagePtr image, const fs::path& path) {
    int size = 0;
    void* bytes = gdImageGifPtr(image, &size);
    if (!bytes) return "the GIF encoder failed";
    const std::optional<Problem> problem = ReplaceFileContents(
        path.string(),
        std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size)));
    gdFree(bytes);
    if (!problem) return {};
    return "cannot write the file " + path.string() + ": " + problem->message;
}

}  // namespace

XYChart::XYChart(int width, int height, Colour background, Colour edge)
    : width_(width), height_(height), background_(background), edge_(edge) {}

PlotArea& XYChart::SetPlotArea(int x, int y, int width, int height, Colour background, Colour edge,
                               Colour horizontalGrid, Colour verticalGrid) {
    plotArea_ = PlotArea{x, y, width, height, background, edge, horizontalGrid, verticalGrid};
    return plotArea_;
}

LineLayer& XYChart::AddLineLayer(std::span<const double> values, Colour colour, std::string name) {
    auto layer = std::make_unique<LineLayer>();
    layer->AddDataSet(values, colour, std::move(name));
    LineLayer& added = *layer;
    layers_.push_back(std::move(layer));
    return added;
}

BarLayer& XYChart::AddBarLayer() {
    auto layer = std::make_unique<BarLayer>();
    BarLayer& added = *layer;
    layers_.push_back(std::move(layer));
    return added;
}

LegendBox& XYChart::AddLegend(int x, int y, double fontSize) {
    return legend_.emplace(x, y, fontSize);
}

ChartCanvas XYChart::Layout(gdImagePtr image, TextPainter& text) const {
    LayerRange xRange;
    LayerRange yRange;
    for (const auto& layer : layers_) {
        // An empty range's ends are no-values, which Add leaves out.
        const LayerRange x = layer->XRange();
        xRange.Add(x.low);
        xRange.Add(x.high);
        const LayerRange y = layer->YRange();
        yRange.Add(y.low);
        yRange.Add(y.high);
    }
    const auto [xLow, xHigh] = Bounds(xRange);
    const auto [yLow, yHigh] = Bounds(yRange);
    return ChartCanvas{image, text, plotArea_,
                       xAxis_.Scale(xLow, xHigh, plotArea_.width / kPixelsPerXTick),
                       yAxis_.Scale(yLow, yHigh, plotArea_.height / kPixelsPerYTick)};
}

void XYChart::DrawGrid(const ChartCanvas& canvas) const {
    const PlotArea& plot = canvas.plot;
    const int right = plot.x + plot.width - 1;
    const int bottom = plot.y + plot.height - 1;
    if (const int ink = canvas.Ink(plot.verticalGrid); ink >= 0) {
        for (const double value : canvas.x.gridLines) {
            const int x = canvas.PixelX(value);
            gdImageLine(canvas.image, x, plot.y, x, bottom, ink);
        }
    }
    if (const int ink = canvas.Ink(plot.horizontalGrid); ink >= 0) {
        for (const double value : canvas.y.gridLines) {
            const int y = canvas.PixelY(value);
            gdImageLine(canvas.image, plot.x, y, right, y, ink);
        }
    }
}

void XYChart::DrawAxes(const ChartCanvas& canvas) const {
    const PlotArea& plot = canvas.plot;
    const int left = plot.x;
    const int right = plot.x + plot.width - 1;
    const int bottom = plot.y + plot.height - 1;
    const int ink = canvas.Ink(kTextColour);
    gdImageLine(canvas.image, left, plot.y, left, bottom, ink);
    gdImageLine(canvas.image, left, bottom, right, bottom, ink);

    // The y axis: ticks at the grid lines, labels right-aligned beside them, the title upright
    // beyond the widest label.
    int labelWidth = 0;
    for (const double value : canvas.y.gridLines) {
        const int y = canvas.PixelY(value);
        gdImageLine(canvas.image, left - kTickLength, y, left - 1, y, ink);
    }
    for (std::size_t tick = 0; tick < canvas.y.ticks.size(); ++tick) {
        const std::string& label = canvas.y.labels[tick];
        canvas.DrawText(label, kDefaultFontSize, kTextColour, left - kTickLength - kAxisGap,
                        canvas.PixelY(canvas.y.ticks[tick]), TextAnchor::End, TextAnchor::Centre);
        labelWidth = std::max(labelWidth, canvas.text.Measure(label, kDefaultFontSize).width);
    }
    if (const auto& title = yAxis_.Title()) {
        // A title longer than the chart is high shrinks to fit; it keeps clear of the labels but
        // not at the cost of leaving the picture.
        const double size = canvas.text.FittingSize(yAxis_.TitleText(), title->FontSize(), kUpright,
                                                    height_ - 2 * kAxisGap);
        const TextExtent extent = canvas.text.Measure(yAxis_.TitleText(), size, kUpright);
        const int titleRight =
            std::max(left - kTickLength - 2 * kAxisGap - labelWidth, extent.width);
        const int middle =
            std::clamp(plot.y + plot.height / 2, extent.height / 2, height_ - extent.height / 2);
        canvas.DrawText(yAxis_.TitleText(), size, title->TextColour(), titleRight, middle,
                        TextAnchor::End, TextAnchor::Centre, kUpright);
    }

    // The x axis: ticks at the grid lines, labels centred below their values, the title below.
    int labelHeight = 0;
    for (const double value : canvas.x.gridLines) {
        const int x = canvas.PixelX(value);
        gdImageLine(canvas.image, x, bottom + 1, x, bottom + kTickLength, ink);
    }
    for (std::size_t tick = 0; tick < canvas.x.ticks.size(); ++tick) {
        const std::string& label = canvas.x.labels[tick];
        canvas.DrawText(label, kDefaultFontSize, kTextColour, canvas.PixelX(canvas.x.ticks[tick]),
                        bottom + kTickLength + kAxisGap, TextAnchor::Centre, TextAnchor::Start);
        labelHeight = std::max(labelHeight, canvas.text.Measure(label, kDefaultFontSize).height);
    }
    if (const auto& title = xAxis_.Title()) {
        const double size = canvas.text.FittingSize(xAxis_.TitleText(), title->FontSize(), 0,
                                                    width_ - 2 * kAxisGap);
        canvas.DrawText(xAxis_.TitleText(), size, title->TextColour(), plot.x + plot.width / 2,
                        bottom + kTickLength + 2 * kAxisGap + labelHeight, TextAnchor::Centre,
                        TextAnchor::Start);
    }
}

void XYChart::DrawLegend(const ChartCanvas& canvas) const {
    if (!legend_) return;
    std::vector<const DataSet*> entries;
    for (const auto& layer : layers_) {
        for (const DataSet& set : layer->DataSets()) {
            if (!set.Name().empty()) entries.push_back(&set);
        }
    }
    if (entries.empty()) return;
    const double size = legend_->FontSize();
    int width = 0;
    int height = kLegendSquare;
    for (const DataSet* set : entries) {
        const TextExtent name = canvas.text.Measure(set->Name(), size);
        width += kLegendSquare + kLegendNameGap + name.width + kLegendEntryGap;
        height = std::max(height, name.height);
    }
    width -= kLegendEntryGap;
    int x =
        legend_->BoxAlignment() == Alignment::TopCentre ? legend_->X() - width / 2 : legend_->X();
    const int middle = legend_->Y() + height / 2;
    const int edge = canvas.Ink(kLegendSquareEdge);
    for (const DataSet* set : entries) {
        const int top = middle - kLegendSquare / 2;
        if (const int ink = canvas.Ink(set->DataColour()); ink >= 0)
            gdImageFilledRectangle(canvas.image, x, top, x + kLegendSquare - 1,
                                   top + kLegendSquare - 1, ink);
        gdImageRectangle(canvas.image, x, top, x + kLegendSquare - 1, top + kLegendSquare - 1,
                         edge);
        x += kLegendSquare + kLegendNameGap;
        canvas.DrawText(set->Name(), size, legend_->TextColour(), x, middle, TextAnchor::Start,
                        TextAnchor::Centre);
        x += canvas.text.Measure(set->Name(), size).width + kLegendEntryGap;
    }
}

std::string XYChart::MakeChart(const fs::path& path) const {
    if (width_ <= 0 || height_ <= 0) return "the chart has no size";
    if (plotArea_.width < 2 || plotArea_.height < 2) return "the chart has no plot area";
    const ImagePtr image(gdImageCreate(width_, height_));
    if (!image) return "no memory for the chart";
    // The first colour of a palette picture fills it.
    const std::optional<Colour> background = SolidColour(background_);
    const Colour paper = background.value_or(SolidColour(kBackgroundColour).value());
    const int paperInk =
        gdImageColorAllocate(image.get(), static_cast<int>(paper >> 16),
                             static_cast<int>((paper >> 8) & 0xff), static_cast<int>(paper & 0xff));
    if (!background) gdImageColorTransparent(image.get(), paperInk);

    TextPainter text(font_.empty() ? FindDefaultFont() : font_);
    const ChartCanvas canvas = Layout(image.get(), text);
    const PlotArea& plot = plotArea_;
    const int right = plot.x + plot.width - 1;
    const int bottom = plot.y + plot.height - 1;
    if (const int ink = canvas.Ink(plot.background); ink >= 0)
        gdImageFilledRectangle(image.get(), plot.x, plot.y, right, bottom, ink);
    DrawGrid(canvas);
    if (clipping_) gdImageSetClip(image.get(), plot.x, plot.y, right, bottom);
    for (const auto& layer : layers_) layer->DrawShapes(canvas);
    gdImageSetClip(image.get(), 0, 0, width_ - 1, height_ - 1);
    for (const auto& layer : layers_) layer->DrawLabels(canvas);
    if (const int ink = canvas.Ink(plot.edge); ink >= 0)
        gdImageRectangle(image.get(), plot.x, plot.y, right, bottom, ink);
    DrawAxes(canvas);
    DrawLegend(canvas);
    if (const int ink = canvas.Ink(edge_); ink >= 0)
        gdImageRectangle(image.get(), 0, 0, width_ - 1, height_ - 1, ink);
    if (!text.Error().empty()) return text.Error();
    return WriteGif(image.get(), path);
}
