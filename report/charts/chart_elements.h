// The small parts of a chart that only hold settings: text boxes (axis titles, label styles,
// the legend), the plot area and the data sets of a layer. The chart reads them when it draws.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart_values.h"

// Where a box sits against its given point, numbered as the chart layer's callers know them.
enum class Alignment { TopLeft = 7, TopCentre = 8 };

class TextBox {
  public:
    TextBox(double fontSize, Colour colour) : fontSize_(fontSize), colour_(colour) {}
    virtual ~TextBox() = default;

    void SetAlignment(Alignment alignment) { alignment_ = alignment; }

    double FontSize() const { return fontSize_; }
    Colour TextColour() const { return colour_; }
    Alignment BoxAlignment() const { return alignment_; }

  private:
    double fontSize_;
    Colour colour_;
    Alignment alignment_ = Alignment::TopLeft;
};

// The legend: one row of a coloured square and the name of each named data set, placed at a
// point of the chart.
class LegendBox : public TextBox {
  public:
    LegendBox(int x, int y, double fontSize) : TextBox(fontSize, kTextColour), x_(x), y_(y) {}

    int X() const { return x_; }
    int Y() const { return y_; }

  private:
    int x_;
    int y_;
};

struct PlotArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Colour background = kDefaultColour;
    Colour edge = kDefaultColour;
    Colour horizontalGrid = kDefaultColour;
    Colour verticalGrid = kDefaultColour;
};

enum class Symbol { Circle = 7 };

struct DataSymbol {
    Symbol shape = Symbol::Circle;
    int size = 0;  // diameter, pixels
    Colour fill = kDefaultColour;
    Colour edge = kDefaultColour;
    int lineWidth = 1;
};

class DataSet {
  public:
    DataSet(std::span<const double> values, Colour colour, std::string name)
        : values_(values.begin(), values.end()), colour_(colour), name_(std::move(name)) {}

    // `fill` and `edge` kDefaultColour take the data set's colour.
    void SetDataSymbol(Symbol shape, int size, Colour fill = kDefaultColour,
                       Colour edge = kDefaultColour, int lineWidth = 1) {
        symbol_ = DataSymbol{shape, size, fill, edge, lineWidth};
    }

    const std::vector<double>& Values() const { return values_; }
    Colour DataColour() const { return colour_; }
    const std::string& Name() const { return name_; }
    const std::optional<DataSymbol>& PointSymbol() const { return symbol_; }

  private:
    std::vector<double> values_;
    Colour colour_;
    std::string name_;
    std::optional<DataSymbol> symbol_;
};
