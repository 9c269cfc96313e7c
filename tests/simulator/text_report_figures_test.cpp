// The text report: its optional sections, the periods and figures it shows, the files it needs
// and the name it is written under.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document.h"
#include "text_report_support.h"

TEST_F(TextReport, OptionalSectionsFollowTheSwitches) {
    CTidewarmDoc doc;
    doc.SetPathName("plain.tdw");
    doc.UseSolar = 0;
    doc.UseAuxHeater = 0;
    doc.ReferenceRun = 1;  // read, but without swimmable days there is no days table
    WriteResults("plain", true);
    EXPECT_EQ(doc.WriteReport(), 0);
    ASSERT_TRUE(messages.shown.empty());
    const std::string text = test::ReadFile("plain.lis");
    EXPECT_NE(text.find("- No Solar Collector\n- No Auxiliary Heater \n"), std::string::npos);
    EXPECT_NE(text.find("- Weather file: \n- No Alternate Input File\n"), std::string::npos);
    EXPECT_EQ(text.find("SOLAR"), std::string::npos);
    EXPECT_EQ(text.find("SWIMMABLE"), std::string::npos);
    EXPECT_EQ(text.find("ECONOMIC"), std::string::npos);
    EXPECT_EQ(text.find("SYSTEM PARAMETERS"), std::string::npos);
    EXPECT_EQ(text.find("- Heat Exchanger"), std::string::npos);

    doc.ReferenceRun = 0;
    doc.SwimmableCriterion = 1;
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::string two = test::ReadFile("plain.lis");
    EXPECT_NE(two.find("|   |Swimmable|  Usable |\n"), std::string::npos);
    EXPECT_NE(two.find("|Tot|   20.00 |   24.00 |\n"), std::string::npos);
}

TEST_F(TextReport, AFullYearListsTwelveMonthsThenTheTotal) {
    std::string monthly = kHeader;
    for (int m = 1; m <= 12; ++m) monthly += MonthlyLine(m, 1, 6);
    monthly += MonthlyLine(0, 12, 72);
    test::WriteFile("year.mly", monthly);
    CTidewarmDoc doc;
    doc.SetPathName("year.tdw");
    doc.UseSolar = 0;
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::vector<std::string> lines = ReportLines("year.lis");
    std::size_t start = 0;
    while (start < lines.size() && lines[start] != "SIMULATION SUMMARY") ++start;
    ASSERT_LT(start + 21, lines.size());
    const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(lines[start + 6 + m].substr(0, 5), std::string("|") + months[m] + "|");
    EXPECT_EQ(lines[start + 18],
              "+---+---------+---------+---------+---------+---------+---------+");
    EXPECT_EQ(lines[start + 19].substr(0, 5), "|Tot|");
}

TEST_F(TextReport, EconomicFiguresThatCannotBeComputedAreNotAvailable) {
    std::string monthly = kHeader;
    // No energy delivered: QAct and QAux are 0 in the annual line; QElec is 1 GJ.
    std::string annual = "0";
    for (int c = 1; c < 24; ++c) annual += c == 18 ? ",1e9" : ",0";
    test::WriteFile("none.mly", monthly + annual + "\n");
    CTidewarmDoc doc;
    doc.SetPathName("none.tdw");
    doc.DoEconomics = 1;
    doc.economicData.interestRate = 0.0725;
    doc.economicData.downPayment = 5000;  // above the capital cost: no loan
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::string text = test::ReadFile("none.lis");
    EXPECT_NE(text.find("|Tot|    0.00 |    0.00 |  277.78 |    0.00 |\n"), std::string::npos);
    EXPECT_NE(text.find("Interest rate:  7.25 %\n"), std::string::npos);
    EXPECT_NE(text.find("Downpayment : $ 5000.00 \n"), std::string::npos);
    EXPECT_NE(text.find("Loan: 10 yearly payments of $ 0.00    \n"), std::string::npos);
    EXPECT_NE(text.find("  Electricity   : $ 27.78   \n"), std::string::npos);
    EXPECT_NE(text.find("delivered:\n       n/a $/GJ\n"), std::string::npos);
    EXPECT_EQ(text.find(" nan"), std::string::npos);
    EXPECT_EQ(text.find("-nan"), std::string::npos);
    EXPECT_EQ(text.find(" inf"), std::string::npos);

    // A system life of 0 (from an old file) divides nothing either.
    doc.economicData.systemLife = 0;
    WriteResults("none", false);
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::string noLife = test::ReadFile("none.lis");
    EXPECT_NE(noLife.find("delivered:\n       n/a $/GJ\n"), std::string::npos);
    EXPECT_EQ(noLife.find(" nan"), std::string::npos);
    EXPECT_EQ(noLife.find(" inf"), std::string::npos);
}

TEST_F(TextReport, LongerPeriodsAreBroughtBackToOneYear) {
    WriteResults("long", false);
    CTidewarmDoc doc;
    doc.SetPathName("long.tdw");
    doc.DoEconomics = 1;
    doc.NumDays = 730;  // the annual line covers two years: half of it is one year
    EXPECT_EQ(doc.WriteReport(), 0);
    const std::string text = test::ReadFile("long.lis");
    EXPECT_NE(text.find("  Primary energy: $ 3.80    \n"), std::string::npos);
    EXPECT_NE(text.find("  Electricity   : $ 100.00  \n"), std::string::npos);
}

TEST_F(TextReport, MissingResultFilesWriteNoReport) {
    CTidewarmDoc doc;
    doc.SetPathName("gone.tdw");
    EXPECT_EQ(doc.WriteReport(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Cannot open report (.lis) file. No report generated.");
    EXPECT_FALSE(std::filesystem::exists("gone.lis"));

    WriteResults("gone", false);
    doc.ReferenceRun = 1;
    EXPECT_EQ(doc.WriteReport(), 1);
    EXPECT_EQ(messages.shown.size(), 2u) << "the reference file is needed too";
    EXPECT_FALSE(std::filesystem::exists("gone.lis"));
}

TEST_F(TextReport, NamedAfterTheProjectAndShownWhenAViewWaits) {
    std::filesystem::create_directory("runs.2026");
    WriteResults("runs.2026/pool", false);
    CTidewarmDoc doc;
    doc.SetPathName("runs.2026/pool");
    std::string shown;
    doc.onReportWritten = [&shown](const std::string& path) { shown = path; };
    ASSERT_TRUE(doc.ResultsOutOfDate());
    EXPECT_EQ(doc.WriteReport(), 0);
    EXPECT_EQ(shown, "runs.2026/pool.lis");
    EXPECT_TRUE(std::filesystem::exists("runs.2026/pool.lis"));
    EXPECT_FALSE(doc.ResultsOutOfDate());
    EXPECT_EQ(ProjectBaseName("runs.2026/pool.tdw"), "runs.2026/pool");
    EXPECT_EQ(ReportFileName("a.b/c"), "a.b/c.lis");
}

TEST_F(TextReport, ASummaryWhoseDialogCannotBeFilledIsLeftOut) {
    CTidewarmDoc doc;
    doc.SetPathName("odd.tdw");
    doc.PrintParameters = 1;
    doc.UseSolar = 1;
    doc.Collector =
        static_cast<CollectorKind>(7);  // no collector of that type: its test data cannot be shown
    WriteResults("odd", false);
    EXPECT_EQ(doc.WriteReport(), 0);
    ASSERT_EQ(messages.shown.size(), 2u);  // the collectors' test data and their use
    for (const std::string& shown : messages.shown)
        EXPECT_EQ(shown, LoadResString(kStrUnknownCollectorType));
    const std::string text = test::ReadFile("odd.lis");
    EXPECT_NE(text.find("SYSTEM PARAMETERS"), std::string::npos);
    EXPECT_EQ(text.find("COLLECTOR TEST DATA"), std::string::npos);
}
