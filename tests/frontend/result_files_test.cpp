// The result files read into rows: headings, units, the reference column, days of the season.
#include "result_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "frontend_test_support.h"
#include "number_text.h"
#include "result_records.h"

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

// The reference file of the same months as MonthlyFile, cut to `lines` record lines.
std::string ReferenceFile(int lines) {
    std::string text = "Month,TPool,UsableDays\n";
    for (int line = 1; line <= lines; ++line)
        text += std::to_string(line % 13) + ",20," + std::to_string(line + 9) + "\n";
    return text;
}

// `text` with its lines `first` and `first` + 1 (counted from 1) swapped.
std::string LinesSwapped(const std::string& text, int first) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::swap(lines[static_cast<std::size_t>(first - 1)], lines[static_cast<std::size_t>(first)]);
    std::string swapped;
    for (const std::string& line : lines) swapped += line + "\n";
    return swapped;
}

TEST_F(ResultFilesTest, MonthlyRowsInGigajoulesWithTheReferenceColumn) {
    std::istringstream monthly(MonthlyFile()), reference(ReferenceFile(13));
    std::vector<MonthlyResultRow> rows;
    ASSERT_FALSE(ReadMonthlyResultRows(monthly, &reference, kYear, rows));
    ASSERT_EQ(rows.size(), 13u);
    const auto value = [&](std::size_t row, MonthlyColumn column, bool ofReference = false) {
        for (std::size_t c = 0; c < kResultColumns.size(); ++c)
            if (kResultColumns[c].column == column && kResultColumns[c].ofReference == ofReference)
                return rows[row].values[c];
        return -1.0;
    };
    EXPECT_EQ(rows[11].month, 12);
    EXPECT_EQ(rows[12].month, 0);
    EXPECT_DOUBLE_EQ(value(3, kMonthlyQAux), 2.5);     // GJ
    EXPECT_DOUBLE_EQ(value(3, kMonthlyQElec), 2.5e9);  // J, as written
    EXPECT_DOUBLE_EQ(value(3, kMonthlyTPool), 24.5);
    EXPECT_DOUBLE_EQ(value(3, kMonthlyUsableDays), 4);
    EXPECT_DOUBLE_EQ(value(3, kMonthlyUsableDays, true), 13);
    EXPECT_DOUBLE_EQ(value(3, kMonthlyQAct), 0);  // no heading: not set
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
    // The reference file holds the same months, in the same order, and nothing after them.
    const auto referenceProblem = [](const std::string& referenceText) {
        std::istringstream monthly(MonthlyFile()), reference(referenceText);
        std::vector<MonthlyResultRow> rows;
        const auto found = ReadMonthlyResultRows(monthly, &reference, kYear, rows);
        return found ? found->message : std::string("none");
    };
    EXPECT_EQ(referenceProblem(LinesSwapped(ReferenceFile(13), 4)),
              "File Tidewarm.mlx, line 4: the season's month 3 should be here.");
    EXPECT_EQ(referenceProblem(ReferenceFile(13) + "0,20,5\n"),
              "File Tidewarm.mlx, line 15: nothing may follow the season's line (month 0).");
    EXPECT_EQ(referenceProblem("TPool,UsableDays\n20,1\n"),
              "File Tidewarm.mlx, line 1: the heading Month is missing.");
    EXPECT_EQ(referenceProblem("Month,TPool\n1,20\n"),
              "File Tidewarm.mlx, line 1: the heading UsableDays is missing.");
    EXPECT_EQ(referenceProblem("Month,UsableDays\n1,nan\n"),
              "File Tidewarm.mlx, line 2: \"nan\" is not a number.");

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

// A value outside what its quantity can physically be refuses the file, naming its column;
// the month bounds the days and the durations of its line.
TEST_F(ResultFilesTest, ValuesOutOfTheirPhysicalRangesAreRefused) {
    const auto problem = [](const std::string& monthlyText, const std::string& referenceText = "") {
        std::istringstream monthly(monthlyText), reference(referenceText);
        std::vector<MonthlyResultRow> rows;
        const auto found = ReadMonthlyResultRows(
            monthly, referenceText.empty() ? nullptr : &reference, {32, 28}, rows);
        return found ? found->message : std::string("none");
    };
    const std::string heading = "Month,QAux,TPool,UsableDays,AuxHeatOnTime\n";
    EXPECT_EQ(problem(heading + "2,1e9,26,28,2419200\n0,1e9,26,28,2419200\n"), "none");
    EXPECT_EQ(problem(heading + "2,1e9,-300,28,0\n"),
              "File Tidewarm.mly, line 2: column TPool: -300 is outside the range -273.15 to 100.");
    EXPECT_EQ(
        problem(heading + "2,1e9,1e308,28,0\n"),
        "File Tidewarm.mly, line 2: column TPool: 1e308 is outside the range -273.15 to 100.");
    EXPECT_EQ(problem(heading + "2,1e9,26,-5,0\n"),
              "File Tidewarm.mly, line 2: column UsableDays: -5 is outside the range 0 to 28.");
    EXPECT_EQ(problem("UsableDays,Month\n29,2\n"),
              "File Tidewarm.mly, line 2: column UsableDays: 29 is outside the range 0 to 28.");
    EXPECT_EQ(problem(heading + "2,1e9,26,28,0\n0,1e9,26,99999,0\n"),
              "File Tidewarm.mly, line 3: column UsableDays: 99999 is outside the range 0 to 365.");
    EXPECT_EQ(problem(heading + "2,1e9,26,28,2419201\n"),
              "File Tidewarm.mly, line 2: column AuxHeatOnTime: 2419201 is outside the range 0 to "
              "2.4192e+06.");
    EXPECT_EQ(problem(heading + "2,1e308,26,28,0\n"),
              "File Tidewarm.mly, line 2: column QAux: 1e308 is outside the range -3.1536e+21 to "
              "3.1536e+21.");
    EXPECT_EQ(problem(heading + "5.4,1e9,26,28,0\n"),
              "File Tidewarm.mly, line 2: column Month: 5.4 is not a month number (0 to 12).");
    EXPECT_EQ(problem(heading + "13,1e9,26,28,0\n"),
              "File Tidewarm.mly, line 2: column Month: 13 is not a month number (0 to 12).");
    EXPECT_EQ(problem("Month\n2\n0\n", "Month,UsableDays\n2,30\n"),
              "File Tidewarm.mlx, line 2: column UsableDays: 30 is outside the range 0 to 28.");
    EXPECT_EQ(problem("Month\n2\n0\n", "Month,UsableDays\n2.5,3\n"),
              "File Tidewarm.mlx, line 2: column Month: 2.5 is not a month number (0 to 12).");

    std::istringstream hourly("Month,Day,Hour,TPool\n1,1,1,1e308\n");
    std::vector<DailyTemperature> days;
    EXPECT_EQ(
        ReadDailyTemperatures(hourly, {1, 1}, days)->message,
        "File Tidewarm.hly, line 2: column TPool: 1e308 is outside the range -273.15 to 100.");
}

// A season opening on 31 December runs over the new year; each day is the mean of its hours; a
// file of more or fewer hours than the season's is refused.
TEST_F(ResultFilesTest, DailyMeansOverTheNewYear) {
    const auto hourlyFile = [](int hours) { return test::HourlyResultFile(365, hours); };
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
    EXPECT_DOUBLE_EQ(days[0].tPool, 12.5);
    EXPECT_DOUBLE_EQ(days[0].fracMonth, 12 + 30.0 / 31);

    std::istringstream noTPool("Month,Day,Hour,tpool\n1,1,1,20\n");
    EXPECT_EQ(ReadDailyTemperatures(noTPool, {1, 1}, days)->message,
              "Warning: No hourly temperature data found for this run.");
    std::istringstream shortLine("Month,Day,Hour,TPool\n1,1,1,20\n1,1\n");
    EXPECT_EQ(ReadDailyTemperatures(shortLine, {1, 1}, days)->message,
              "File Tidewarm.hly, line 3: 2 fields where the headings name 4.");
}

// The hours follow the season day by day and hour by hour: two days or two hours swapped, a
// day's hours under another date, or no date columns, refuse the file.
TEST_F(ResultFilesTest, HourlyLinesOutOfTheSeasonsOrderAreRefused) {
    const RunSeason season{365, 3};
    const std::string file = test::HourlyResultFile(365, 3 * 24);
    const auto problem = [&](const std::string& text) {
        std::istringstream in(text);
        std::vector<DailyTemperature> days;
        const auto found = ReadDailyTemperatures(in, season, days);
        return found ? found->message : std::string("none");
    };
    EXPECT_EQ(problem(file), "none");
    std::string daysSwapped = "Month,Day,Hour,TPool\n";
    const std::string first = test::HourlyResultFile(365, 24).substr(21);
    const std::string second = test::HourlyResultFile(1, 24).substr(21);
    daysSwapped += second + first + test::HourlyResultFile(2, 24).substr(21);
    EXPECT_EQ(problem(daysSwapped),
              "File Tidewarm.hly, line 2: the season's month 12, day 31, hour 1 should be here.");
    EXPECT_EQ(problem(LinesSwapped(file, 30)),
              "File Tidewarm.hly, line 30: the season's month 1, day 1, hour 5 should be here.");
    EXPECT_EQ(problem("Month,Hour,TPool\n12,1,20\n"),
              "File Tidewarm.hly, line 1: the heading Day is missing.");
}

// The record reader both programs share: fields between commas, numbers in the C format with
// blanks around them; "nan" is read (the text report shows it), the front end refuses it.
TEST(ResultRecords, FieldsNumbersAndRecordsByHeading) {
    const std::vector<std::string_view> fields = ResultLineFields("1.5,, x ,");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[1], "");
    EXPECT_EQ(NumberFromText(" +2.5e3 "), 2500);
    EXPECT_FALSE(NumberFromText("+-2"));
    EXPECT_FALSE(NumberFromText("2,5"));
    EXPECT_FALSE(NumberFromText(""));
    EXPECT_TRUE(std::isnan(*NumberFromText("nan")));

    std::istringstream in("QAux,Month\n7,3\n8,x\n");
    MonthlyRecordReader reader(in);
    ASSERT_FALSE(reader.ReadHeadings());
    MonthlyRecord record;
    ASSERT_TRUE(reader.ReadRecord(record));
    EXPECT_EQ(record[kMonthlyMonth], 3);
    EXPECT_EQ(record[kMonthlyQAux], 7);
    EXPECT_EQ(record[kMonthlyQColl], 0);
    EXPECT_EQ(reader.Field(kMonthlyQAux), "7");
    EXPECT_FALSE(reader.ReadRecord(record));
    ASSERT_TRUE(reader.Problem());
    EXPECT_EQ(reader.Problem()->line, 3);
    EXPECT_EQ(reader.Problem()->field, "x");
}

}  // namespace
