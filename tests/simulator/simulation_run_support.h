// What the simulation runs' tests share: result files read back, the balances each of their
// lines keeps, the fixture's project on generated weather, and the plants' set-ups.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "document.h"
#include "helpers.h"
#include "message_capture.h"
#include "result_columns.h"
#include "test_support.h"
#include "user_interface.h"
#include "weather_files.h"

namespace simulation_test {

namespace fs = std::filesystem;

constexpr double kLatitude = 45.5;  // degrees, that of the generated weather
constexpr double kVolume = 150;     // m3, the pool's default
constexpr double kWaterCp = 4200;   // J/kg K

// A result file read back: its header and its lines of numbers.
struct ResultTable {
    std::vector<std::string> header;
    std::vector<std::vector<double>> rows;

    std::size_t Column(const std::string& name) const {
        for (std::size_t i = 0; i < header.size(); ++i)
            if (header[i] == name) return i;
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
    double At(std::size_t row, const std::string& name) const { return rows[row][Column(name)]; }
};

inline std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream s(line);
    std::string field;
    while (std::getline(s, field, ',')) fields.push_back(field);
    return fields;
}

inline ResultTable ReadResults(const fs::path& path) {
    ResultTable table;
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) {
        ADD_FAILURE() << "cannot read " << path;
        return table;
    }
    table.header = Split(line);
    while (std::getline(in, line)) {
        std::vector<double> row;
        for (const std::string& field : Split(line)) row.push_back(std::stod(field));
        EXPECT_EQ(row.size(), table.header.size()) << path;
        table.rows.push_back(std::move(row));
    }
    return table;
}

template <std::size_t N>
inline std::vector<std::string> Names(const std::array<const char*, N>& names) {
    return {names.begin(), names.end()};
}

// Months of a period in simulated order, with the days each one has in it.
inline std::vector<std::pair<int, int>> PeriodMonths(int startDay, int numDays) {
    std::vector<std::pair<int, int>> months;
    for (int d = 0; d < numDays; ++d) {
        const int month = MonthOfDay((startDay + d - 1) % 365 + 1, 0);
        if (months.empty() || months.back().first != month) months.push_back({month, 0});
        ++months.back().second;
    }
    return months;
}

// Sums of numbers written with six significant digits agree within this share of their size.
inline double Rounding(std::initializer_list<double> terms) {
    double size = 0;
    for (double t : terms) size += std::fabs(t);
    return 1e-5 * size + 1e-6;
}

// The balances every line of a result file keeps: gains and losses add up, the stored energy
// is gains - losses + auxiliary heat, and
// without an exchanger the pool gets what the loop collected, with the pumps' heat and without
// the pipes' losses.
inline void ExpectBalances(const ResultTable& t, std::size_t row, bool exchanger) {
    const auto v = [&](const char* name) { return t.At(row, name); };
    EXPECT_NEAR(v("QGain"), v("QPass") + v("QAct"), Rounding({v("QGain"), v("QPass"), v("QAct")}))
        << "line " << row;
    EXPECT_NEAR(v("QLoss"),
                v("QEvap") + v("QConv") + v("QCond") + v("QRad") + v("QSide") + v("QMakeup"),
                Rounding({v("QLoss"), v("QEvap"), v("QConv"), v("QCond"), v("QRad"), v("QSide"),
                          v("QMakeup")}))
        << "line " << row;
    EXPECT_NEAR(v("QRes"), v("QGain") - v("QLoss") + v("QAux"),
                Rounding({v("QRes"), v("QGain"), v("QLoss"), v("QAux")}))
        << "line " << row;
    if (!exchanger) {
        EXPECT_NEAR(v("QAct"), v("QColl") + v("QPumps") - v("QPipes"),
                    Rounding({v("QAct"), v("QColl"), v("QPumps"), v("QPipes")}))
            << "line " << row;
    }
}

class RecordingProgress : public Progress {
  public:
    void SetText(std::string_view text) override { texts.emplace_back(text); }
    void Step() override { ++steps; }
    std::vector<std::string> texts;
    int steps = 0;
};

class SimulationRun : public ::testing::Test {
  protected:
    void SetUp() override {
        test::InstallMessageFile();
        ASSERT_TRUE(synthetic::WriteZefirFile("weather.zfw", synthetic::WeatherYear{}));
    }

    // A project on the generated binary weather, in summer, with the energy columns and the
    // pool temperature in the hourly file.
    static void Prepare(CTidewarmDoc& doc, int startDay = 172, int numDays = 20) {
        doc.WeatherSource = kWeatherBinary;
        doc.binaryWeatherReader.SetFileName("weather.zfw");
        doc.sun.SetParameters(kLatitude * std::numbers::pi / 180, 0, 0, 0);
        doc.StartDay = startDay;
        doc.NumDays = numDays;
        doc.InitialPoolTemp = 20;
        doc.HourlyOutput = 1;
        int flags[kHourlyColumnCount] = {};
        for (int i = kHourlyMonth; i <= kHourlyQPumps; ++i) flags[i] = 1;
        flags[kHourlyTPool] = 1;
        doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    }
    static void EnableHourly(CTidewarmDoc& doc, std::initializer_list<int> columns) {
        for (int column : columns) {
            const int on = 1;
            doc.hourlyWriter.SetColumnFlags(&on, column, column);
        }
    }

    test::ScopedTempDir dir_;
    test::MessageCapture messages_;
};

inline void Glazed(CTidewarmDoc& doc) {
    doc.UseSolar = 1;
    doc.UseAuxHeater = 0;
}
inline void Unglazed(CTidewarmDoc& doc, int roofType) {
    Glazed(doc);
    doc.Collector = CollectorKind::Unglazed;
    doc.RoofType = roofType;
}

// Writes an alternate input file of `hours` records: the header, then the values of each hour.
inline void WriteAlternate(const std::string& header, int hours,
                           const std::function<std::string(int hour)>& record) {
    std::string text = header + "\n";
    for (int h = 1; h <= hours; ++h) text += record(h) + "\n";
    test::WriteFile("alternate.txt", text);
}

inline void UseAlternate(CTidewarmDoc& doc) {
    doc.UseAlternateInput = 1;
    doc.alternateReader.SetFile("alternate.txt");
}

}  // namespace simulation_test
