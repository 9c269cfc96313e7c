// The chart layer: scales, label formats, where the plot area, lines, bars and legend land in
// the written GIF, and the failures it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart_axis.h"
#include "gif_picture.h"
#include "test_support.h"
#include "xy_chart.h"

namespace {

constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGrey = 0xcccccc;
constexpr std::uint32_t kGreen = 0x00ff00;
constexpr std::uint32_t kBlue = 0x0000ff;
constexpr std::uint32_t kRed = 0xff0000;
constexpr std::uint32_t kYellow = 0xffff00;

// A 450 x 250 chart with its plot area at (40, 10), 400 x 200, grid lines grey, x 0 to 4 and
// y 0 to 10: value x lands on column 40 + 399 x / 4, value y on row 209 - 199 y / 10.
XYChart FramedChart() {
    XYChart chart(450, 250);
    chart.SetPlotArea(40, 10, 400, 200, kWhite, kDefaultColour, kGrey, kGrey);
    chart.SetClipping(true);
    chart.XAxis().SetLinearScale(0, 4, 1);
    chart.YAxis().SetLinearScale(0, 10, 5);
    return chart;
}

TEST(ChartScale, LinearScalesTickFromTheirLowerEndAndWidenAnEmptyRange) {
    const AxisScale daily = LinearScale(6, 10, 1);
    EXPECT_EQ(daily.ticks, (std::vector<double>{6, 7, 8, 9, 10}));
    EXPECT_EQ(daily.labels, (std::vector<std::string>{"6", "7", "8", "9", "10"}));
    EXPECT_EQ(LinearScale(21, 29, 5).ticks, (std::vector<double>{21, 26}));

    // Every temperature alike: floor and ceil meet, and the axis must not divide by zero.
    const AxisScale flat = LinearScale(25, 25, 5);
    EXPECT_EQ(flat.lower, 20);
    EXPECT_EQ(flat.upper, 30);
    EXPECT_DOUBLE_EQ(flat.Fraction(25), 0.5);

    // A wild range does not make an endless row of ticks.
    EXPECT_LE(LinearScale(-1e200, 1e200, 5).ticks.size(), 101u);
}

TEST(ChartScale, NiceScalesTakeRoundStepsWithRoomForLabels) {
    const AxisScale energies = NiceScale(0, 46.4, 10);
    EXPECT_EQ(energies.lower, 0);  // bars stand on zero: no room below
    EXPECT_GE(energies.upper, 46.4 * 1.1);
    const double step = energies.ticks[1] - energies.ticks[0];
    EXPECT_DOUBLE_EQ(step, 10);
    EXPECT_LE(energies.ticks.size() - 1, 10u);

    const AxisScale temperatures = NiceScale(24, 26.1, 8);
    EXPECT_LT(temperatures.lower, 24);
    EXPECT_GT(temperatures.upper, 26.1);

    for (const double value : {0.0, 25.0, -3.0}) {
        const AxisScale flat = NiceScale(value, value, 8);
        EXPECT_GT(flat.upper, flat.lower) << value;
        EXPECT_GT(flat.Fraction(value), 0.0 - (value == 0)) << value;
        EXPECT_LT(flat.Fraction(value), 1.0) << value;
    }
}

TEST(ChartScale, CategoriesTakeOneSlotEachWithGridLinesBetween) {
    const AxisScale months = CategoryScale({"6", "7", "8"});
    EXPECT_EQ(months.lower, -0.5);
    EXPECT_EQ(months.upper, 2.5);
    EXPECT_EQ(months.ticks, (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(months.gridLines, (std::vector<double>{0.5, 1.5}));
}

TEST(ChartLabel, FormatsFillEachValueField) {
    EXPECT_EQ(FormatLabel("{value|1}", 12.345), "12.3");
    EXPECT_EQ(FormatLabel("{value|1}", 4), "4.0");
    EXPECT_EQ(FormatLabel("{value}", 23), "23");
    EXPECT_EQ(FormatLabel("{value}", 0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatLabel("x {value|2} y {value}", 1.5), "x 1.50 y 1.5");
    EXPECT_EQ(FormatLabel("no field {value", 1), "no field {value");
    EXPECT_TRUE(IsNoValue(kNoValue));
    EXPECT_TRUE(IsNoValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsNoValue(-1e300));
}

TEST(ChartPicture, PlotAreaAxesAndGridLandWhereTheyAreSet) {
    test::ScopedTempDir folder;
    ASSERT_EQ(FramedChart().MakeChart("frame.gif"), "");
    const test::GifPicture picture("frame.gif");
    ASSERT_TRUE(picture.valid());
    EXPECT_EQ(picture.width(), 450);
    EXPECT_EQ(picture.height(), 250);
    EXPECT_FALSE(picture.transparent(0, 0));
    EXPECT_EQ(picture.at(0, 0), kWhite);      // background colour
    EXPECT_EQ(picture.at(40, 100), kBlack);   // y axis on the left edge
    EXPECT_EQ(picture.at(100, 209), kBlack);  // x axis on the bottom edge
    EXPECT_EQ(picture.at(439, 100), kGrey);   // grid at x = 4, the right edge
    EXPECT_EQ(picture.at(240, 100), kGrey);   // grid at x = 2
    EXPECT_EQ(picture.at(100, 10), kGrey);    // grid at y = 10, the top edge
    EXPECT_EQ(picture.at(100, 109), kGrey);   // grid at y = 5
    EXPECT_EQ(picture.at(100, 50), kWhite);
    EXPECT_EQ(picture.at(440, 100), kWhite);  // no edge around the plot area
    EXPECT_EQ(picture.at(100, 9), kWhite);
    EXPECT_EQ(picture.at(38, 109), kBlack);  // tick of y = 5 outside the axis
    EXPECT_TRUE(std::filesystem::directory_iterator(".")->path().filename() == "frame.gif");
}

TEST(ChartPicture, TransparentBackgroundStaysTransparent) {
    test::ScopedTempDir folder;
    XYChart chart(100, 80, kTransparent);
    chart.SetPlotArea(30, 10, 60, 40);
    ASSERT_EQ(chart.MakeChart("clear.gif"), "");
    const test::GifPicture picture("clear.gif");
    ASSERT_TRUE(picture.valid());
    EXPECT_TRUE(picture.transparent(0, 0));
    EXPECT_TRUE(picture.transparent(60, 30));  // plot area without a fill of its own
}

TEST(ChartPicture, LineBreaksAtAMissingPointAndStaysInsideThePlotArea) {
    for (const double missing : {kNoValue, std::numeric_limits<double>::quiet_NaN()}) {
        test::ScopedTempDir folder;
        XYChart chart = FramedChart();
        const double values[] = {2, 8, missing, 8, 2, 30};
        const double xs[] = {0, 1, 1, 3, 4, 4};
        LineLayer& line = chart.AddLineLayer(values, kGreen, "line");
        line.SetXData(xs);
        line.SetLineWidth(3);
        ASSERT_EQ(chart.MakeChart("line.gif"), "");
        const test::GifPicture picture("line.gif");
        EXPECT_FALSE(picture.ColumnsWith(kGreen, 10, 209).empty());
        EXPECT_EQ(picture.at(41, 169), kGreen);     // (0, 2), beside the y axis
        EXPECT_EQ(picture.at(140, 50), kGreen);     // (1, 8)
        EXPECT_EQ(picture.TopOf(kGreen, 240), -1);  // nothing between x = 1 and x = 3
        EXPECT_EQ(picture.at(339, 50), kGreen);     // (3, 8)
        // The climb to 30 at x = 4 is cut at the top of the plot area and at its right edge.
        EXPECT_EQ(picture.TopOf(kGreen, 439), 10);
        EXPECT_TRUE(picture.ColumnsWith(kGreen, 0, 9).empty());
        EXPECT_TRUE(picture.ColumnsWith(kGreen, 0, 249).back() <= 439);
    }
}

TEST(ChartPicture, EqualValuesScaleThemselvesIntoTheMiddle) {
    test::ScopedTempDir folder;
    XYChart chart(450, 250);
    chart.SetPlotArea(40, 10, 400, 200);
    const double values[] = {25, 25, 25};
    chart.AddLineLayer(values, kGreen, "flat");
    ASSERT_EQ(chart.MakeChart("flat.gif"), "");
    const test::GifPicture picture("flat.gif");
    EXPECT_EQ(picture.at(240, 109), kGreen);
}

TEST(ChartPicture, BarsStandSideBySideAtTheirHeightsWithTheirLabels) {
    test::ScopedTempDir folder;
    XYChart chart(450, 250);
    chart.SetPlotArea(40, 10, 400, 200, kWhite, kDefaultColour, kGrey, kGrey);
    BarLayer& bars = chart.AddBarLayer();
    const double first[] = {1, 4};
    const double second[] = {2, kNoValue};
    bars.AddDataSet(first, kBlue, "");
    bars.AddDataSet(second, kRed, "");
    bars.SetAggregateLabelStyle(kDefaultFontSize, kTextColour);
    chart.XAxis().SetLabels({"6", "7"});
    ASSERT_EQ(chart.MakeChart("bars.gif"), "");
    const test::GifPicture picture("bars.gif");

    // Two slots of 200 pixels: blue then red in the first, blue alone in the second.
    const std::vector<int> blue = picture.ColumnsWith(kBlue, 10, 209);
    const std::vector<int> red = picture.ColumnsWith(kRed, 10, 209);
    ASSERT_FALSE(blue.empty());
    ASSERT_FALSE(red.empty());
    EXPECT_LT(blue.front(), red.front());
    EXPECT_LT(red.back(), 240);
    EXPECT_GT(blue.back(), 240);
    const int bottom = 209;
    const double shortBar = bottom - picture.TopOf(kBlue, blue.front());
    const double tallBar = bottom - picture.TopOf(kBlue, blue.back());
    const double redBar = bottom - picture.TopOf(kRed, red.front());
    EXPECT_NEAR(tallBar / shortBar, 4, 0.1);
    EXPECT_NEAR(redBar / shortBar, 2, 0.1);
    // A label above the tall bar, in the text colour.
    const int labelColumn = (blue.back() + *std::lower_bound(blue.begin(), blue.end(), 240)) / 2;
    const int top = picture.TopOf(kBlue, labelColumn);
    bool labelled = false;
    for (int x = labelColumn - 6; x <= labelColumn + 6; ++x) {
        for (int y = top - 15; y < top; ++y) labelled = labelled || picture.at(x, y) == kBlack;
    }
    EXPECT_TRUE(labelled);
}

TEST(ChartPicture, LegendSitsAtItsPointAsAligned) {
    for (const Alignment alignment : {Alignment::TopCentre, Alignment::TopLeft}) {
        test::ScopedTempDir folder;
        XYChart chart(600, 375);
        chart.SetPlotArea(40, 50, 525, 250);
        chart.AddLegend(300, 10, 10).SetAlignment(alignment);
        BarLayer& bars = chart.AddBarLayer();
        const double values[] = {1};
        bars.AddDataSet(values, kBlue, "QAct");
        bars.AddDataSet(values, kRed, "QPass");
        bars.AddDataSet(values, kYellow, "QAux");
        ASSERT_EQ(chart.MakeChart("legend.gif"), "");
        const test::GifPicture picture("legend.gif");
        const std::vector<int> blue = picture.ColumnsWith(kBlue, 0, 30);
        const std::vector<int> yellow = picture.ColumnsWith(kYellow, 0, 30);
        ASSERT_FALSE(blue.empty());
        ASSERT_FALSE(yellow.empty());
        if (alignment == Alignment::TopCentre) {
            EXPECT_LT(blue.back(), 300);
            EXPECT_GT(yellow.front(), 300);
        } else {
            EXPECT_EQ(blue.front(), 301);  // inside the square's edge drawn at 300
        }
        EXPECT_GE(picture.TopOf(kBlue, blue.front()), 10);
    }
}

TEST(ChartFailure, MissingFontIsReportedAndWritesNothing) {
    test::ScopedTempDir folder;
    XYChart chart = FramedChart();
    chart.SetFont("/no/such/folder/DejaVuSans.ttf");
    chart.XAxis().SetTitle("Month number");
    EXPECT_NE(chart.MakeChart("nofont.gif"), "");
    EXPECT_FALSE(std::filesystem::exists("nofont.gif"));
}

TEST(ChartFailure, UnwritablePlaceIsReportedAndLeavesNoTemporaryFile) {
    test::ScopedTempDir folder;
    EXPECT_NE(FramedChart().MakeChart("no-such-folder/chart.gif"), "");

    // A folder in the way of the picture: it stays as it was.
    std::filesystem::create_directory("chart.gif");
    test::WriteFile("chart.gif/keep", "kept");
    EXPECT_NE(FramedChart().MakeChart("chart.gif"), "");
    EXPECT_EQ(test::ReadFile("chart.gif/keep"), "kept");
    EXPECT_FALSE(std::filesystem::exists("chart.gif.part"));
}

TEST(ChartFailure, DefaultFontIsFound) {
    const std::filesystem::path font = FindDefaultFont();
    ASSERT_FALSE(font.empty());
    EXPECT_NE(font.filename().string().find("DejaVuSans"), std::string::npos);
}

}  // namespace
