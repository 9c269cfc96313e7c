#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch_input.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

BatchInput PlainRun() {
    BatchInput in;
    in.runId = 3;
    in.created = "09 Dec 2026 10:15";
    in.poolType = PoolType::PublicOutdoor;
    in.weatherFile = "/home/u/Documents/Tidewarm/Climate/Montreal.zfw";
    in.opensMonth = 6, in.opensDay = 1, in.closesMonth = 9, in.closesDay = 30;
    in.poolArea = 1234567;
    in.minPoolTemp = 24, in.maxPoolTemp = 29;
    in.weekdayOpen = 9, in.weekdayClose = 21, in.weekendOpen = 0, in.weekendClose = 0;
    return in;
}

TEST(BatchInputWriter, LinesOfThePlainAndTheFullRun) {
    BatchInput in = PlainRun();
    in.comments = "first line\r\nsecond line";
    std::string text;
    ASSERT_EQ(WriteBatchInput(in, text).error, BatchInputError::kNone);
    std::vector<std::string> lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[2], "first line  second line");  // a comment never breaks the lines
    EXPECT_EQ(lines[10], "1.23457e+06");             // reals keep six significant digits
    EXPECT_EQ((std::vector<std::string>(lines.end() - 3, lines.end())),
              (std::vector<std::string>{"0", "0", "0"}));

    in.collectorSelector = 1;
    in.collector = {0, 2.5, 0.05, 0.75, 0, 4.5, 0, 0, 5, 2.5, 1, 4, 45, 1.5};
    in.heaterSelector = 2;
    in.heater = {0, 30000, 0.8, 4095};
    in.blanketSelector = 4;
    in.blanket.monthMask = 64;
    ASSERT_EQ(WriteBatchInput(in, text).error, BatchInputError::kNone);
    lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[33], "4");   // orientation South
    EXPECT_EQ(lines[34], "45");  // slope
    EXPECT_EQ(lines[39], "0.8");
    EXPECT_EQ(lines[40], "4095");
    EXPECT_EQ(lines[47], "64");

    // Every value the reader takes comes back as written.
    std::istringstream file(text);
    BatchInput read;
    ASSERT_EQ(ReadBatchInput(file, read).error, BatchInputError::kNone);
    EXPECT_EQ(read.weatherFile, in.weatherFile);
    EXPECT_EQ(read.collector.totalFlow, 1.5);
    EXPECT_EQ(read.heater.efficiency, 0.8);
    EXPECT_EQ(read.blanket.monthMask, 64);
}

// The writer refuses what the simulation program would refuse, with the same message, judged
// on the values as written.
TEST(BatchInputWriter, RefusesWhatTheReaderRefuses) {
    BatchInput in = PlainRun();
    in.heaterSelector = 2;
    in.heater = {0, 30000, 80, 4095};  // a percentage where the file holds a fraction
    std::string text;
    const BatchInputResult refused = WriteBatchInput(in, text);
    EXPECT_EQ(refused.error, BatchInputError::kValueOutOfRange);
    EXPECT_EQ(BatchInputProblem(refused, Language::English),
              "Line 26 of Tidewarm.tmp: heater efficiency \"80\" is outside the allowed range "
              "(above 0, up to 1).");
    EXPECT_EQ(BatchInputProblem(refused, Language::French),
              "Ligne 26 de Tidewarm.tmp: efficacité du chauffage \"80\" hors des limites permises "
              "(supérieure à 0, jusqu'à 1).");

    // An unglazed collector's wind terms given to a glazed one: its temperature without flow
    // could not be found, so the first such coefficient is named; the unglazed type takes them.
    in = PlainRun();
    in.collectorSelector = 1;
    in.collector = {0, 3.72, 0.22, 0.85, 0.026, 11, 2, 0, 5, 3.72, 1, 4, 20, 1.1};
    const BatchInputResult windy = WriteBatchInput(in, text);
    EXPECT_EQ(BatchInputProblem(windy, Language::English),
              "Line 27 of Tidewarm.tmp: glazed collector coefficient B \"0.026\" is outside the "
              "allowed range (0 to 0.0005 1/C).");
    in.collector.b = 0;
    EXPECT_EQ(WriteBatchInput(in, text).line, 29);  // D
    in.collector.type = 1;
    EXPECT_EQ(WriteBatchInput(in, text).error, BatchInputError::kNone);

    in = PlainRun();
    in.weatherFile = std::string(4096, 'w');
    EXPECT_EQ(WriteBatchInput(in, text).error, BatchInputError::kWeatherPathLength);
}

}  // namespace
