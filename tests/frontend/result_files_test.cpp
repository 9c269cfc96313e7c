// The result files read into rows: headings, units, the reference column, days of the season.
#include "result_files.h"

#include <gtest/gtest.h>

#include <sstream>

#include "frontend_test_support.h"

namespace {

struct ResultFilesTest : ::testing::Test {
    test::FrontEndMessages messages;
};

// A season of the whole year.
constexpr RunSeason kYear{1, 365};

// A monthly file of 12 months and the season's row, "QAux" and "QElec" of 2.5e9 J each.
std::string MonthlyFile(const std::string& headings = "Month,QAux,QElec,TPool,UsableDays") {
    std::string text = headings + "\r\n";
    for (int line = 1; line <= 13; ++line)
        text += std::to_string(line % 13) + ",2500000000,2500000000,24.5," + std::to_string(line) +
                "\r\n";
    return text;
}

std::string ReferenceFile(int lines) {
    std::string text = "Month,TPool,UsableDays\n";
    for (int line = 0; line < lines; ++line) text += "1,20," + std::to_string(line + 100) + "\n";
    return text;
}

TEST_F(ResultFilesTest, MonthlyRowsInGigajoulesWithTheReferenceColumn) {
    std::istringstream monthly(MonthlyFile()), reference(ReferenceFile(13));
    std::vector<MonthlyResultRow> rows;
    ASSERT_FALSE(ReadMonthlyResultRows(monthly, &reference, kYear, rows));
    ASSERT_EQ(rows.size(), 13u);
    const auto value = [&](std::size_t row, std::string_view heading) {
        for (std::size_t c = 0; c < kResultColumns.size(); ++c)
            if (kResultColumns[c].heading == heading) return rows[row].values[c];
        return -1.0;
    };
    EXPECT_EQ(rows[11].month, 12);
    EXPECT_EQ(rows[12].month, 0);
    EXPECT_DOUBLE_EQ(value(3, "QAux"), 2.5);     // GJ
    EXPECT_DOUBLE_EQ(value(3, "QElec"), 2.5e9);  // J, as written
    EXPECT_DOUBLE_EQ(value(3, "TPool"), 24.5);
    EXPECT_DOUBLE_EQ(value(3, "UsableDays"), 4);
    EXPECT_DOUBLE_EQ(value(3, "UsableDaysNoHeat"), 103);
    EXPECT_DOUBLE_EQ(value(3, "QAct"), 0);  // no heading: not set
}

// Each fault refuses the whole file and names the file and the line.
TEST_F(ResultFilesTest, AFaultAnywhereRefusesTheWholeFile) {
    const auto problem = [](const std::string& monthlyText, int referenceLines = -1,
                            RunSeason season = kYear) {
        std::istringstream monthly(monthlyText), reference(ReferenceFile(referenceLines));
        std::vector<MonthlyResultRow> rows;
        const auto found =
            ReadMonthlyResultRows(monthly, referenceLines < 0 ? nullptr : &reference, season, rows);
        return found ? found->message : std::string("none");
    };
    EXPECT_EQ(problem(MonthlyFile("Month,qaux,QElec,TPool,UsableDays")),
              "File Tidewarm.mly, line 1: Unknown heading in monthly results file: qaux");
    EXPECT_EQ(problem(MonthlyFile(), 12),
              "File Tidewarm.mly, line 14: the reference file 'Tidewarm.mlx' has no line for it.");
    EXPECT_EQ(problem(MonthlyFile() + "1,2,3,4,5,6\n"),
              "File Tidewarm.mly, line 15: 6 fields where the headings name 5.");
    EXPECT_EQ(problem("Month,QAux\n1,2\n3\n"),
              "File Tidewarm.mly, line 3: 1 fields where the headings name 2.");
    EXPECT_EQ(problem("Month,QAux\n1,2e9x\n"),
              "File Tidewarm.mly, line 2: \"2e9x\" is not a number.");
    std::string tooLong = "Month\n";
    for (int line = 0; line < 300; ++line) tooLong += "1\n";
    EXPECT_EQ(problem(tooLong), "File Tidewarm.mly, line 257: more than 255 record lines.");
    EXPECT_EQ(problem(MonthlyFile() + "\n"), "none");

    // One line for each month of the season in its order, then the season's line, last.
    const RunSeason summer{135, 124};  // 15 May to 15 September
    EXPECT_EQ(problem("Month,QAux\n5,1\n6,1\n7,1\n8,1\n9,1\n0,5\n", -1, summer), "none");
    EXPECT_EQ(problem("Month,QAux\n5,1\n6,1\n7,1\n8,1\n9,1\n", -1, summer),
              "File Tidewarm.mly, line 7: the season's line (month 0) should be here, as the last "
              "line.");
    EXPECT_EQ(problem("Month,QAux\n5,1\n6,1\n8,1\n9,1\n0,4\n", -1, summer),
              "File Tidewarm.mly, line 4: the season's month 7 should be here.");
    EXPECT_EQ(problem("Month,QAux\n0,5\n5,1\n6,1\n7,1\n8,1\n9,1\n", -1, summer),
              "File Tidewarm.mly, line 2: the season's month 5 should be here.");
    EXPECT_EQ(problem("Month,QAux\n5,1\n6,1\n7,1\n8,1\n9,1\n0,5\n9,1\n", -1, summer),
              "File Tidewarm.mly, line 8: nothing may follow the season's line (month 0).");
    // Over the new year, and a whole year from mid-May: May opens and closes it.
    EXPECT_EQ(problem("Month\n11\n12\n1\n2\n3\n0\n", -1, {305, 151}), "none");
    EXPECT_EQ(problem("Month\n5\n6\n7\n8\n9\n10\n11\n12\n1\n2\n3\n4\n5\n0\n", -1, {135, 365}),
              "none");
}

// A season opening on 31 December runs over the new year; each day is the mean of its hours; a
// file of more or fewer hours than the season's is refused.
TEST_F(ResultFilesTest, DailyMeansOverTheNewYear) {
    const auto hourlyFile = [](int hours) {
        std::string text = "Month,Day,Hour,TPool\n";
        for (int hour = 0; hour < hours; ++hour)
            text += "12,31," + std::to_string(hour % 24) + "," + std::to_string(hour % 24) + "\n";
        return text;
    };
    const RunSeason season{365, 92};
    std::vector<DailyTemperature> days;
    std::istringstream more(hourlyFile(24 * 92 + 5));
    EXPECT_EQ(ReadDailyTemperatures(more, season, days)->message,
              "File Tidewarm.hly, line 2215: 2213 hours where the season has 2208.");
    std::istringstream fewer(hourlyFile(24 * 91));
    EXPECT_EQ(ReadDailyTemperatures(fewer, season, days)->message,
              "File Tidewarm.hly, line 2186: 2184 hours where the season has 2208.");
    std::istringstream in(hourlyFile(24 * 92));
    ASSERT_FALSE(ReadDailyTemperatures(in, season, days));
    ASSERT_EQ(days.size(), 92u);
    EXPECT_EQ(days[0].dayOfYear * 10000 + days[0].month * 100 + days[0].day, 3651231);
    EXPECT_EQ(days[1].dayOfYear * 10000 + days[1].month * 100 + days[1].day, 10101);
    EXPECT_EQ(days[91].dayOfYear * 10000 + days[91].month * 100 + days[91].day, 910401);
    EXPECT_DOUBLE_EQ(days[0].tPool, 11.5);
    EXPECT_DOUBLE_EQ(days[0].fracMonth, 12 + 30.0 / 31);

    std::istringstream noTPool("Month,Day,Hour,tpool\n1,1,0,20\n");
    EXPECT_EQ(ReadDailyTemperatures(noTPool, {1, 1}, days)->message,
              "Warning: No hourly temperature data found for this run.");
    std::istringstream shortLine("Month,Day,Hour,TPool\n1,1,0,20\n1,1\n");
    EXPECT_EQ(ReadDailyTemperatures(shortLine, {1, 1}, days)->message,
              "File Tidewarm.hly, line 3: 2 fields where the headings name 4.");
}

TEST(CsvFields, FieldsAndPositions) {
    const std::string line = "1.5,,x,";
    int pos = 0;
    EXPECT_EQ(CsvFieldToDouble(line, pos), 1.5);
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(NextCsvField(line, pos), "");
    EXPECT_EQ(CsvFieldToDouble(line, pos), 0);  // not a number
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(NextCsvField(line, pos), "");
    EXPECT_EQ(pos, 7);
    pos = -1;
    EXPECT_EQ(NextCsvField(line, pos), "");
    EXPECT_EQ(pos, -1);
}

}  // namespace
