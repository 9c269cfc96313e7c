// The four charts of a run: sizes, where the season's values land, the units, and the failures
// each reports.
#include "run_charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart_texts.h"
#include "data_folder_files.h"
#include "gif_picture.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGreen = 0x00ff00;
constexpr std::uint32_t kBlue = 0x0000ff;
constexpr std::uint32_t kRed = 0xff0000;
constexpr std::uint32_t kYellow = 0xffff00;

int DaysIn(int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

// A season of `monthCount` months from `firstMonth`, its daily pool temperature running from
// 20 °C on the first day up to 28 °C and back; month k (from 0) has its usable days and solar
// energy from the tables, and an annual row at the end.
RunChartData Season(int firstMonth, int monthCount) {
    RunChartData run;
    run.runId = 7;
    std::vector<int> months;
    for (int k = 0; k < monthCount; ++k) months.push_back((firstMonth - 1 + k) % 12 + 1);
    int dayCount = 0;
    for (const int month : months) dayCount += DaysIn(month);
    int day = 0;
    for (const int month : months) {
        for (int d = 1; d <= DaysIn(month); ++d, ++day) {
            const double rise = 1 - std::abs(2.0 * day / (dayCount - 1) - 1);
            run.daily.push_back({month + (d - 1.0) / DaysIn(month), 20 + 8 * rise});
        }
    }
    constexpr double kUsable[] = {25, 28, 30, 20, 10};
    constexpr double kSolar[] = {12, 30, 18, 6, 9};
    for (int k = 0; k < monthCount; ++k) {
        run.months.push_back({months[k], 24.0 + k, 20.0, kUsable[k], 15.0, kSolar[k], 5, 2});
    }
    run.months.push_back({0, 25, 80, 100, 60, 66, 20, 8});
    return run;
}

// Columns 40 to 439 and rows 10 to 209 are the plot area of the daily chart.
constexpr int kDailyBottom = 209;

// The rows (or columns) that hold a tick mark of the y axis (x axis) of a chart whose plot area
// starts at column 40.
int YTickCount(const test::GifPicture& picture, int top, int bottom) {
    int ticks = 0;
    for (int y = top; y <= bottom; ++y) ticks += picture.at(38, y) == kBlack;
    return ticks;
}
int XTickCount(const test::GifPicture& picture, int bottom, int right) {
    int ticks = 0;
    for (int x = 40; x <= right; ++x) ticks += picture.at(x, bottom + 2) == kBlack;
    return ticks;
}

// The runs of neighbouring columns holding `colour` in rows `top` to `bottom`: the bars.
std::vector<std::pair<int, int>> Bars(const test::GifPicture& picture, std::uint32_t colour,
                                      int top, int bottom) {
    std::vector<std::pair<int, int>> bars;
    for (const int x : picture.ColumnsWith(colour, top, bottom)) {
        if (bars.empty() || x != bars.back().second + 1)
            bars.emplace_back(x, x);
        else
            bars.back().second = x;
    }
    return bars;
}

TEST(RunCharts, EachChartIsAGifOfItsSize) {
    test::ScopedTempDir folder;
    ASSERT_TRUE(MakeRunCharts(Season(6, 4), folder.path()));
    const std::pair<std::string_view, std::pair<int, int>> charts[] = {
        {kDailyTemperatureChartFile, {450, 250}},
        {kMonthlyTemperatureChartFile, {280, 250}},
        {kSwimmableDaysChartFile, {280, 250}},
        {kEnergiesChartFile, {600, 375}},
    };
    for (const auto& [file, size] : charts) {
        const test::GifPicture picture(folder.path() / file);
        ASSERT_TRUE(picture.valid()) << file;
        EXPECT_EQ(picture.width(), size.first) << file;
        EXPECT_EQ(picture.height(), size.second) << file;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 4);
}

TEST(RunCharts, SummerDailyLineRunsFromJuneToOctoberOverTheTemperatures) {
    test::ScopedTempDir folder;
    ASSERT_TRUE(MakeDailyTemperatureChart(Season(6, 4), folder.path()));
    const test::GifPicture picture(folder.path() / kDailyTemperatureChartFile);
    EXPECT_EQ(XTickCount(picture, kDailyBottom, 439), 5);  // 6, 7, 8, 9, 10
    const std::vector<int> line = picture.ColumnsWith(kGreen, 0, 249);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front(), 41);  // 1 June on x = 6, beside the axis
    EXPECT_NEAR(line.back(), 40 + 399 * (3 + 29.0 / 30) / 4, 2);  // 30 September
    // 20 to 28 °C: from the bottom of the plot area to its top, nothing beyond.
    EXPECT_EQ(picture.TopOf(kGreen, 240), 10);
    EXPECT_EQ(picture.at(41, kDailyBottom - 1), kGreen);
    EXPECT_EQ(YTickCount(picture, 10, kDailyBottom), 2);  // 20 and 25
}

TEST(RunCharts, WinterDailyLineBreaksOverTheNewYear) {
    test::ScopedTempDir folder;
    ASSERT_TRUE(MakeDailyTemperatureChart(Season(11, 5), folder.path()));
    const test::GifPicture picture(folder.path() / kDailyTemperatureChartFile);
    EXPECT_EQ(XTickCount(picture, kDailyBottom, 439), 13);  // 1 to 13
    auto column = [](double month) { return 40 + static_cast<int>(399 * (month - 1) / 12); };
    // January to March on the left, November and December on the right, nothing between.
    EXPECT_NE(picture.TopOf(kGreen, column(2)), -1);
    EXPECT_NE(picture.TopOf(kGreen, column(12)), -1);
    for (int x = column(4) + 3; x < column(11) - 2; ++x) ASSERT_EQ(picture.TopOf(kGreen, x), -1);
    // The gap point takes no part in the temperature scale: the line still spans the plot.
    const std::vector<int> top = picture.ColumnsWith(kGreen, 10, 11);
    const std::vector<int> low = picture.ColumnsWith(kGreen, kDailyBottom - 2, kDailyBottom - 1);
    EXPECT_FALSE(top.empty());
    EXPECT_FALSE(low.empty());
}

TEST(RunCharts, ImperialRunConvertsTheTemperatures) {
    test::ScopedTempDir folder;
    RunChartData run = Season(6, 4);
    run.units = UnitSystem::IP;
    ASSERT_TRUE(MakeDailyTemperatureChart(run, folder.path()));
    const test::GifPicture picture(folder.path() / kDailyTemperatureChartFile);
    // 68 to 82.4 °F: a scale from 68 to 83 in steps of 5.
    EXPECT_EQ(YTickCount(picture, 10, kDailyBottom), 4);
    EXPECT_EQ(picture.TopOf(kGreen, 240), 10 + static_cast<int>(std::lround(199 * 0.6 / 15)));
}

TEST(RunCharts, MonthlyTemperatureHasAPointOnEveryMonth) {
    test::ScopedTempDir folder;
    ASSERT_TRUE(MakeMonthlyTemperatureChart(Season(6, 4), folder.path()));
    const test::GifPicture summer(folder.path() / kMonthlyTemperatureChartFile);
    // x from June to September over the 230 columns from 40; a symbol of 6 pixels on each.
    for (int k = 0; k < 4; ++k) {
        const int x = 40 + static_cast<int>(std::lround(229 * k / 3.0));
        EXPECT_NE(summer.TopOf(kGreen, std::clamp(x, 41, 269)), -1) << k;
    }
    const std::vector<int> line = summer.ColumnsWith(kGreen, 0, 249);
    EXPECT_EQ(line.front(), 41);
    EXPECT_EQ(line.back(), 269);

    ASSERT_TRUE(MakeMonthlyTemperatureChart(Season(11, 5), folder.path()));
    const test::GifPicture winter(folder.path() / kMonthlyTemperatureChartFile);
    auto column = [](double month) { return 40 + static_cast<int>(229 * (month - 1) / 11); };
    EXPECT_NE(winter.TopOf(kGreen, column(2)), -1);
    EXPECT_NE(winter.TopOf(kGreen, column(11.5)), -1);
    for (int x = column(3) + 5; x < column(11) - 5; ++x)
        ASSERT_EQ(winter.TopOf(kGreen, x), -1) << x;
}

TEST(RunCharts, SwimmableDaysShowTheUnheatedPoolOnlyWhenSimulated) {
    test::ScopedTempDir folder;
    RunChartData run = Season(6, 4);
    ASSERT_TRUE(MakeSwimmableDaysChart(run, folder.path()));
    const test::GifPicture single(folder.path() / kSwimmableDaysChartFile);
    EXPECT_EQ(Bars(single, kBlue, 10, 209).size(), 4u);
    EXPECT_EQ(Bars(single, kRed, 10, 209).size(), 4u);
    EXPECT_FALSE(single.Holds(kYellow));
    // The most usable days (30, the third month) make the tallest red bar.
    const auto red = Bars(single, kRed, 10, 209);
    std::vector<int> tops;
    for (const auto& [left, right] : red) tops.push_back(single.TopOf(kRed, (left + right) / 2));
    EXPECT_EQ(std::min_element(tops.begin(), tops.end()) - tops.begin(), 2);

    run.doubleRun = true;
    ASSERT_TRUE(MakeSwimmableDaysChart(run, folder.path()));
    const test::GifPicture both(folder.path() / kSwimmableDaysChartFile);
    EXPECT_EQ(Bars(both, kYellow, 10, 209).size(), 4u);
}

TEST(RunCharts, EnergyBarsStandInProportionWithALegend) {
    for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
        test::ScopedTempDir folder;
        RunChartData run = Season(6, 5);
        run.units = units;
        ASSERT_TRUE(MakeEnergiesChart(run, folder.path()));
        const test::GifPicture picture(folder.path() / kEnergiesChartFile);
        // The plot area runs from row 50 to row 299; the bars stand on its bottom.
        const auto solar = Bars(picture, kBlue, 50, 298);
        ASSERT_EQ(solar.size(), 5u);
        std::vector<double> heights;
        for (const auto& [left, right] : solar)
            heights.push_back(299 - picture.TopOf(kBlue, (left + right) / 2));
        EXPECT_EQ(std::max_element(heights.begin(), heights.end()) - heights.begin(), 1);
        EXPECT_NEAR(heights[0] / heights[1], 12.0 / 30, 0.02);
        EXPECT_NEAR(heights[3] / heights[1], 6.0 / 30, 0.02);
        // The legend's three squares above the plot area, either side of its centre at 300.
        const std::vector<int> legendBlue = picture.ColumnsWith(kBlue, 0, 40);
        const std::vector<int> legendYellow = picture.ColumnsWith(kYellow, 0, 40);
        ASSERT_FALSE(legendBlue.empty());
        ASSERT_FALSE(legendYellow.empty());
        EXPECT_LT(legendBlue.back(), 300);
        EXPECT_GT(legendYellow.front(), 300);
    }
}

TEST(RunChartFailure, MissingRowsAreReportedAndLeaveTheEarlierPicture) {
    test::ScopedTempDir folder;
    test::ShownMessages messages;
    RunChartData run = Season(6, 4);
    run.daily.clear();
    test::WriteFile(folder.path() / kDailyTemperatureChartFile, "earlier");
    EXPECT_FALSE(MakeDailyTemperatureChart(run, folder.path()));
    EXPECT_EQ(test::ReadFile(folder.path() / kDailyTemperatureChartFile), "earlier");

    run.months.erase(run.months.begin(), run.months.end() - 1);  // the annual row only
    EXPECT_FALSE(MakeMonthlyTemperatureChart(run, folder.path()));
    EXPECT_FALSE(MakeSwimmableDaysChart(run, folder.path()));
    EXPECT_FALSE(MakeEnergiesChart(run, folder.path()));
    run.language = Language::French;
    EXPECT_FALSE(MakeDailyTemperatureChart(run, folder.path()));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                  "Daily temperatures not found for run 7.",
                                  "Error opening or accessing results dataset.",
                                  "Error opening or accessing results dataset.",
                                  "Error opening or accessing results dataset.",
                                  "Températures quotidiennes introuvables pour la simulation 7.",
                              }));
}

TEST(RunChartFailure, TooManyPointsAreRefused) {
    test::ScopedTempDir folder;
    test::ShownMessages messages;
    RunChartData run = Season(6, 4);
    run.daily.clear();
    for (int point = 0; point < 732; ++point) run.daily.push_back({1 + point / 61.0, 25});
    EXPECT_TRUE(MakeDailyTemperatureChart(run, folder.path()));
    run.daily.push_back({13, 25});
    EXPECT_FALSE(MakeDailyTemperatureChart(run, folder.path()));
    // A season going over the new year spends one point on its gap.
    run.daily.pop_back();
    run.daily.back().fracMonth = 1;
    EXPECT_FALSE(MakeDailyTemperatureChart(run, folder.path()));
    EXPECT_EQ(messages.shown, (std::vector<std::string>(2, "Too many points for graph.")));
}

TEST(RunChartFailure, AChartThatCannotBeWrittenIsReportedAndStopsTheRest) {
    test::ScopedTempDir folder;
    test::ShownMessages messages;
    const fs::path missing = folder.path() / "no-such-folder";
    EXPECT_FALSE(MakeRunCharts(Season(6, 4), missing));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.shown[0].rfind(
            "Cannot write the chart " + (missing / kDailyTemperatureChartFile).string() + ": ", 0),
        0u);
}

TEST(ChartTexts, TitlesTakeTheirUnitInEitherLanguage) {
    EXPECT_EQ(FillText(ChartTextIn(ChartText::DailyTemperatureTitle, Language::English), {"°F"}),
              "Average daily pool temperature (°F)");
    EXPECT_EQ(FillText(ChartTextIn(ChartText::EnergyTitle, Language::French), {"MBtu"}),
              "Énergie (MBtu)");
    EXPECT_EQ(ChartTextIn(ChartText::MonthNumber, Language::French), "Numéro du mois");
    EXPECT_EQ(ChartTextIn(ChartText::MonthNumber, Language::English), "Month number");
    EXPECT_EQ(FillText("%s and %d and %s", {"a", "1"}), "a and 1 and %s");
    EXPECT_EQ(FillText("100%", {"x"}), "100%");
}

}  // namespace
