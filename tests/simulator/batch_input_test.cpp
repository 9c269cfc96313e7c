#include "batch_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "application.h"
#include "batch_file.h"
#include "document.h"
#include "helpers.h"
#include "message_capture.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

BatchInputResult Read(const std::string& text, BatchInput& input) {
    std::istringstream in(text);
    return ReadBatchInput(in, input);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(BatchInputReader, FullFileWithCrLfReadsEveryValue) {
    const BatchInput written = test::SampleBatchInput("/data/Climate/Montreal.zfw");
    const std::string text = test::BatchInputText(written, "\r\n");
    EXPECT_EQ(Lines(text).size(), 48u);
    BatchInput read;
    ASSERT_EQ(Read(text, read).error, BatchInputError::kNone);
    EXPECT_EQ(read.poolType, PoolType::ResidentialInGround);
    EXPECT_EQ(read.referenceRun, 1);
    EXPECT_EQ(read.weatherFile, "/data/Climate/Montreal.zfw");
    EXPECT_EQ(read.opensMonth, 5);
    EXPECT_EQ(read.closesDay, 30);
    EXPECT_EQ(read.poolArea, 40);
    EXPECT_EQ(read.maxPoolTemp, 29);
    EXPECT_EQ(read.weekendClose, 21);
    ASSERT_NE(read.collectorSelector, 0);
    EXPECT_EQ(read.collector.type, 1);
    EXPECT_EQ(read.collector.d, 3.5);
    EXPECT_EQ(read.collector.banks, 2);
    EXPECT_EQ(read.collector.totalFlow, 1.2);
    ASSERT_NE(read.heaterSelector, 0);
    EXPECT_EQ(read.heater.capacity, 30000);
    EXPECT_EQ(read.heater.monthMask, 4095);
    ASSERT_NE(read.blanketSelector, 0);
    EXPECT_EQ(read.blanket.insulation, 0.02);
    EXPECT_EQ(read.blanket.monthMask, 64);
}

TEST(BatchInputReader, WithoutEquipmentTwentyFourLinesAndTheNoBlanketValues) {
    BatchInput written = test::SampleBatchInput("w.zfw");
    written.collectorSelector = written.heaterSelector = written.blanketSelector = 0;
    const std::string text = test::BatchInputText(written);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[21] + lines[22] + lines[23], "000");
    BatchInput read;
    ASSERT_EQ(Read(text, read).error, BatchInputError::kNone);
    EXPECT_EQ(read.collectorSelector + read.heaterSelector + read.blanketSelector, 0);
    const BatchBlanket& b = read.blanket;
    EXPECT_EQ(b.absorptivity, 1);
    EXPECT_EQ(b.transmissivity, 0);
    EXPECT_EQ(b.emissivity, 0.95);
    EXPECT_EQ(b.longWaveTransmissivity, 0);
    EXPECT_EQ(b.insulation, 0.2);
    EXPECT_EQ(b.monthMask, 0);
}

TEST(BatchInputReader, AFileCutShortAtAnyLineNamesTheMissingLine) {
    const std::vector<std::string> lines =
        Lines(test::BatchInputText(test::SampleBatchInput("w.zfw")));
    for (std::size_t kept = 0; kept < lines.size(); ++kept) {
        BatchInput read;
        const BatchInputResult result =
            Read(Join(std::vector<std::string>(lines.begin(), lines.begin() + kept)), read);
        EXPECT_EQ(result.error, BatchInputError::kUnreadableLine) << kept << " lines";
        EXPECT_EQ(result.line, static_cast<int>(kept) + 1);
    }
}

TEST(BatchInputReader, ValuesThatAreNotOfTheirKindAreRefused) {
    const std::vector<std::string> lines =
        Lines(test::BatchInputText(test::SampleBatchInput("w.zfw")));
    struct Case {
        int line;
        const char* text;
    };
    // Line 7 holds an integer, 11 a real; blanks around a value are allowed.
    for (const Case& c : {Case{7, "5.5"}, Case{7, ""}, Case{7, "5 6"}, Case{11, "40 m2"},
                          Case{11, "nan"}, Case{11, "inf"}, Case{4, "x"}, Case{22, "yes"}}) {
        std::vector<std::string> broken = lines;
        broken[c.line - 1] = c.text;
        BatchInput read;
        const BatchInputResult result = Read(Join(broken), read);
        EXPECT_EQ(result.error, BatchInputError::kUnreadableLine) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
    }
    std::vector<std::string> padded = lines;
    padded[10] = "  40.5 ";
    BatchInput read;
    ASSERT_EQ(Read(Join(padded), read).error, BatchInputError::kNone);
    EXPECT_EQ(read.poolArea, 40.5);
}

TEST(BatchInputReader, InvalidPoolTypeDateTestAreaAndLongPath) {
    auto result = [](auto change) {
        BatchInput input = test::SampleBatchInput("w.zfw");
        change(input);
        BatchInput read;
        return Read(test::BatchInputText(input), read);
    };
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = static_cast<PoolType>(4); }).error,
              BatchInputError::kPoolType);
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = static_cast<PoolType>(-1); }).error,
              BatchInputError::kPoolType);
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = PoolType::PublicIndoor; }).error,
              BatchInputError::kNone);
    EXPECT_EQ(result([](BatchInput& in) {
                  in.opensDay = 31;
                  in.opensMonth = 4;
              }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) {
                  in.closesMonth = 2;
                  in.closesDay = 29;
              }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.closesMonth = 13; }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.opensDay = 0; }).error, BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.collector.testArea = 0; }).error,
              BatchInputError::kValueOutOfRange);
    EXPECT_EQ(result([](BatchInput& in) { in.collector.testFlowRate = 0; }).error,
              BatchInputError::kValueOutOfRange);
    // Without collectors there is no test area to refuse.
    EXPECT_EQ(result([](BatchInput& in) {
                  in.collectorSelector = 0;
                  in.collector.testArea = 0;
              }).error,
              BatchInputError::kNone);
    // The weather path may be as long as a path the platform opens (a home folder of 4000
    // characters), as long as a file name the project file holds.
    const std::string folder = "/" + std::string(4080, 'c') + "/";
    EXPECT_EQ(result([&](BatchInput& in) { in.weatherFile = folder + "a.zfw"; }).error,
              BatchInputError::kNone);
    const BatchInputResult tooLong =
        result([&](BatchInput& in) { in.weatherFile = folder + std::string(11, 'a') + ".zfw"; });
    EXPECT_EQ(tooLong.error, BatchInputError::kWeatherPathLength);
    EXPECT_EQ(tooLong.line, 6);
    EXPECT_EQ(BatchInputProblem(tooLong, Language::English),
              "Line 6 of Tidewarm.tmp: the weather file path is longer than 4095 bytes.");
    const BatchInputResult empty = result([](BatchInput& in) { in.weatherFile = "   "; });
    EXPECT_EQ(BatchInputProblem(empty, Language::English),
              "Line 6 of Tidewarm.tmp: no weather file is given.");
    BatchInput padded = test::SampleBatchInput("  /data/w.zfw \t");
    BatchInput read;
    ASSERT_EQ(Read(test::BatchInputText(padded), read).error, BatchInputError::kNone);
    EXPECT_EQ(read.weatherFile, "/data/w.zfw");
}

// Values a run cannot use are refused with their line, the value as written and the range in
// the file's units, before anything is loaded.
TEST(BatchInputReader, NonsenseIsRefusedWithLineValueAndRange) {
    struct Case {
        void (*change)(BatchInput&);
        int line;
        std::string message;
    };
    const Case cases[] = {
        {[](BatchInput& in) { in.shading = 150; }, 12,
         "shading \"150\" is outside the allowed range (0 to 100 %)."},
        {[](BatchInput& in) { in.minPoolTemp = -5; }, 15,
         "minimum pool temperature \"-5\" is outside the allowed range (0 to 50 C)."},
        {[](BatchInput& in) { in.maxPoolTemp = 20; }, 16,
         "maximum pool temperature \"20\" is outside the allowed range (24 to 50 C)."},
        {[](BatchInput& in) { in.weekdayClose = 25; }, 18,
         "closing hour \"25\" is outside the allowed range (9 to 24 h)."},
        {[](BatchInput& in) { in.weekendClose = 7; }, 20,
         "closing hour \"7\" is outside the allowed range (8 to 24 h)."},
        {[](BatchInput& in) { in.activityLevel = 3; }, 21,
         "activity level \"3\" is outside the allowed range (0 to 2)."},
        {[](BatchInput& in) { in.collector.a = 1.5; }, 26,
         "collector coefficient A \"1.5\" is outside the allowed range (0 to 1)."},
        {[](BatchInput& in) { in.collector.orientation = 16; }, 34,
         "orientation \"16\" is outside the allowed range (0 to 15)."},
        {[](BatchInput& in) { in.collector.totalFlow = 0; }, 36,
         "total flow \"0\" is outside the allowed range (above 0, up to 1e+10 kg/s)."},
        {[](BatchInput& in) { in.heater.capacity = -5; }, 39,
         "heater capacity \"-5\" is outside the allowed range (above 0, up to 1e+10 W)."},
        {[](BatchInput& in) { in.heater.efficiency = 5; }, 40,
         "heater efficiency \"5\" is outside the allowed range (above 0, up to 1)."},
        {[](BatchInput& in) { in.heater.monthMask = 4096; }, 41,
         "month mask \"4096\" is outside the allowed range (0 to 4095)."},
        // A blanket lets through no more of a band than it does not absorb.
        {[](BatchInput& in) { in.blanket.transmissivity = 0.75; }, 44,
         "blanket property \"0.75\" is outside the allowed range (0 to 0.7)."},
        {[](BatchInput& in) { in.blanket.longWaveTransmissivity = 0.2; }, 46,
         "blanket property \"0.2\" is outside the allowed range (0 to 0.1)."},
    };
    for (const Case& c : cases) {
        BatchInput input = test::SampleBatchInput("w.zfw");
        input.heater.type = 0;
        c.change(input);
        BatchInput read;
        const BatchInputResult result = Read(test::BatchInputText(input), read);
        EXPECT_EQ(result.error, BatchInputError::kValueOutOfRange) << c.message;
        EXPECT_EQ(result.line, c.line) << c.message;
        EXPECT_EQ(BatchInputProblem(result, Language::English),
                  "Line " + std::to_string(c.line) + " of Tidewarm.tmp: " + c.message);
    }
    // A heat pump's coefficient of performance is not a fraction.
    BatchInput pump = test::SampleBatchInput("w.zfw");
    pump.heater.type = 1;
    pump.heater.efficiency = 3.5;
    BatchInput read;
    EXPECT_EQ(Read(test::BatchInputText(pump), read).error, BatchInputError::kNone);
    // Decimal fractions adding up to 1 are taken, though 1 - 0.9 falls short of 0.1 in binary.
    BatchInput whole = test::SampleBatchInput("w.zfw");
    whole.blanket.emissivity = 0.9;
    whole.blanket.longWaveTransmissivity = 0.1;
    EXPECT_EQ(Read(test::BatchInputText(whole), read).error, BatchInputError::kNone);
}

TEST(BatchRules, OrientationIndexToAzimuth) {
    EXPECT_NEAR(OrientationToAzimuth(0), 90 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(4), 0, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(8), -90 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(12), -180 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(13), 157.5 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(15), 112.5 * kDegree, 1e-12);
}

TEST(BatchRules, VolumeFromAreaAndPoolType) {
    EXPECT_DOUBLE_EQ(PoolVolume(PoolType::PublicIndoor, 100), 190);
    for (PoolType type :
         {PoolType::ResidentialInGround, PoolType::ResidentialAboveGround, PoolType::PublicOutdoor})
        EXPECT_DOUBLE_EQ(PoolVolume(type, 100), 150);
}

TEST(BatchRules, MonthMasksJanuaryInBitEleven) {
    double flags[12];
    MonthMaskToFlags(flags, 2048);
    EXPECT_EQ(flags[0], 1);
    for (int m = 1; m < 12; ++m) EXPECT_EQ(flags[m], 0);
    MonthMaskToFlags(flags, 1);
    EXPECT_EQ(flags[11], 1);
    for (int m = 0; m < 11; ++m) EXPECT_EQ(flags[m], 0);
    MonthMaskToFlags(flags, 4095 + 4096);  // higher bits ignored
    for (double f : flags) EXPECT_EQ(f, 1);
    MonthMaskToFlags(flags, 64);  // June
    for (int m = 0; m < 12; ++m) EXPECT_EQ(flags[m], m == 5 ? 1 : 0);
}

TEST(BatchRules, SeasonDaysWrapOverTheNewYear) {
    EXPECT_EQ(SeasonDays(DayOfYear(5, 1, 0), DayOfYear(9, 30, 0)), 153);
    EXPECT_EQ(SeasonDays(DayOfYear(11, 1, 0), DayOfYear(3, 31, 0)), 151);
    EXPECT_EQ(SeasonDays(100, 100), 1);
    EXPECT_EQ(SeasonDays(1, 365), 365);
    EXPECT_EQ(SeasonDays(DayOfYear(6, 15, 0), DayOfYear(6, 14, 0)), 365);
}

}  // namespace
