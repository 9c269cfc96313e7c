// The batch input file written from a run's rows and read back by TidewarmPro's reader.
#include <gtest/gtest.h>

#include <sstream>

#include "batch_writer.h"
#include "calendar.h"
#include "run_fixture.h"

namespace {

using test::RunTest;

// The values the reader takes, and the three lines it skips (run, time, comments) as written.
BatchInput WrittenAndRead(const CRunsSet& run, const std::string& path, std::string& skipped) {
    EXPECT_TRUE(WriteRunBatchInput(run, path));
    std::istringstream file(test::ReadFile(path));
    BatchInput read;
    EXPECT_EQ(ReadBatchInput(file, read).error, BatchInputError::kNone);
    file.clear();
    file.seekg(0);
    skipped.clear();
    std::string line;
    for (int n = 0; n < 3 && std::getline(file, line); ++n) skipped += line + "|";
    return read;
}

// Every pool type, every combination of collector, heater and blanket, month masks and both
// unit systems: what the reader takes is what the rows hold.
TEST_F(RunTest, EveryFieldOfARunReachesTheReader) {
    const std::string path = dataFolder + "/Tidewarm.tmp";
    for (int poolType = 0; poolType < 4; ++poolType)
        for (int objects = 0; objects < 8; ++objects) {
            SCOPED_TRACE(testing::Message() << "pool type " << poolType << ", objects " << objects);
            const bool collector = objects & 1, heater = objects & 2, blanket = objects & 4;
            const int runId = AddRun([&](CRunsSet& run) {
                run.m_PoolType = poolType;
                run.m_DoubleRun = poolType % 2 == 1;
                run.SetUnits(objects % 2 == 0 ? UnitSystem::SI : UnitSystem::IP);
                run.m_PoolUseId = 2;
                run.m_CollectorId = collector ? 4 : 1;  // unglazed, 3.72 m2
                run.m_NumberOfColl = 6;
                run.m_AreaPerColl = 3.72;
                run.m_NumberOfBanks = 2;
                run.m_Orientation = 4;
                run.m_Slope = 45;
                run.m_TotalFlow = 1.25;
                run.m_HeaterId = poolType % 2 == 0 ? (heater ? 2 : 1) : (heater ? 5 : 1);
                run.m_HeaterMonthlyUse = 4095 >> poolType;
                run.m_BlanketId = blanket ? 3 : 1;
                run.m_BlanketMonthlyUse = 64 << poolType;
            });
            CRunsSet run;
            Select(run, runId);
            std::string skipped;
            const BatchInput in = WrittenAndRead(run, path, skipped);
            EXPECT_EQ(skipped, std::to_string(runId) + "|" +
                                   FormatRunTime(run.m_TStamp, Language::English) + "|Sample|");
            EXPECT_EQ(PoolTypeNumber(in.poolType), poolType);
            EXPECT_EQ(in.referenceRun, poolType % 2);
            EXPECT_EQ(in.weatherFile, g_strClimateFolder + "/" + test::kWeatherFile);
            EXPECT_EQ(in.opensMonth * 100 + in.opensDay, 515);
            EXPECT_EQ(in.closesMonth * 100 + in.closesDay, 915);
            EXPECT_EQ(in.poolArea, 40);
            EXPECT_EQ(in.shading, 10);
            // Pool use 2: 18 and 22 degC air, 25 to 28 degC water, 10 to 20 h, high activity.
            EXPECT_EQ(in.sunnyDayMinAirTemp, 18);
            EXPECT_EQ(in.cloudyDayMinAirTemp, 22);
            EXPECT_EQ(in.minPoolTemp, 25);
            EXPECT_EQ(in.maxPoolTemp, 28);
            EXPECT_EQ(in.weekdayOpen * 100 + in.weekdayClose, 1020);
            EXPECT_EQ(in.weekendOpen * 100 + in.weekendClose, 1020);
            EXPECT_EQ(in.activityLevel, 2);
            EXPECT_EQ(in.collectorSelector, collector ? 3 : 0);
            if (collector) {
                const BatchCollector& c = in.collector;
                EXPECT_EQ(c.type, 1);
                EXPECT_DOUBLE_EQ(c.testArea, 3.72);
                EXPECT_DOUBLE_EQ(c.testFlowRate, 0.22);
                EXPECT_DOUBLE_EQ(c.a + c.b + c.c + c.d + c.e, 0.85 + 0.026 + 11 + 2);
                EXPECT_EQ(c.collectorsPerBank, 6);
                EXPECT_DOUBLE_EQ(c.areaPerCollector, 3.72);
                EXPECT_EQ(c.banks, 2);
                EXPECT_EQ(c.orientation, 4);
                EXPECT_EQ(c.slope, 45);
                EXPECT_EQ(c.totalFlow, 1.25);
            }
            EXPECT_EQ(in.heaterSelector, heater ? run.m_HeaterId - 1 : 0);
            if (heater) {
                // A gas heater's 82 % is a fraction in the file; a heat pump's COP stays.
                EXPECT_DOUBLE_EQ(in.heater.efficiency, poolType % 2 == 0 ? 0.82 : 5.0);
                EXPECT_EQ(in.heater.type, poolType % 2);
                EXPECT_EQ(in.heater.capacity, poolType % 2 == 0 ? 29300 : 14000);
                EXPECT_EQ(in.heater.monthMask, 4095 >> poolType);
            }
            EXPECT_EQ(in.blanketSelector, blanket ? 2 : 0);
            if (blanket) {
                EXPECT_DOUBLE_EQ(in.blanket.absorptivity, 0.85);
                EXPECT_DOUBLE_EQ(in.blanket.transmissivity, 0.05);
                EXPECT_DOUBLE_EQ(in.blanket.emissivity, 0.9);
                EXPECT_DOUBLE_EQ(in.blanket.longWaveTransmissivity, 0.05);
                EXPECT_DOUBLE_EQ(in.blanket.insulation, 0.07);
                EXPECT_EQ(in.blanket.monthMask, 64 << poolType);
            }
        }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RunTest, ARunWithoutObjectsIs24LinesAndCommentsStayOnOneLine) {
    CRunsSet run;
    Select(run, AddRun([](CRunsSet& r) { r.m_Comments = "first\r\nsecond"; }));
    const std::string path = dataFolder + "/Tidewarm.tmp";
    ASSERT_TRUE(WriteRunBatchInput(run, path));
    std::istringstream file(test::ReadFile(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[2], "first  second");
    EXPECT_EQ(lines[21] + lines[22] + lines[23], "000");
}

// A missing row or city stops the writing with its message; a weather path longer than the
// reader takes is refused with the reader's own words, never cut; the file already there stays.
TEST_F(RunTest, WhatCannotBeWrittenWholeIsRefusedAndTheOldFileKept) {
    const std::string path = dataFolder + "/Tidewarm.tmp";
    test::WriteFile(path, "earlier run\n");
    const auto refused = [&](const std::function<void(CRunsSet&)>& change) {
        CRunsSet run;
        Select(run, AddRun(change));
        messages.shown.clear();
        EXPECT_FALSE(WriteRunBatchInput(run, path));
        return messages.shown.empty() ? std::string() : messages.shown.back();
    };
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_City = "sample city"; }),
              "Weather file for city sample city not found.");
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_PoolUseId = 99; }), "Pool use 99 not found.");
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_CollectorId = 98; }), "Collector 98 not found.");
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_HeaterId = 97; }), "Heater 97 not found.");
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_BlanketId = 96; }), "Blanket 96 not found.");
    EXPECT_EQ(refused([](CRunsSet& r) { r.m_PoolArea = -5; }).rfind("Line 11 of Tidewarm.tmp", 0),
              0u);

    g_strClimateFolder = dataFolder + "/" + std::string(4100, 'c');
    BatchInputResult tooLong;
    tooLong.error = BatchInputError::kWeatherPathLength;
    tooLong.line = 6;
    EXPECT_EQ(refused({}), BatchInputProblem(tooLong, Language::English));
    EXPECT_EQ(test::ReadFile(path), "earlier run\n");
}

}  // namespace
