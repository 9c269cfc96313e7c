// The pieces of the report's page: the names and words of coded values, the energy summary
// table, escaping and number formats, and the template filled in one pass.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "energy_summary_table.h"
#include "html_text.h"
#include "report_names.h"
#include "report_template.h"

namespace {

TEST(ReportNames, MonthLettersShowTheMonthsOfAMask) {
    EXPECT_EQ(MonthLetters(64 + 32), "-----JJ-----");  // June is bit 6, July bit 5
    EXPECT_EQ(MonthLetters(4095), "JFMAMJJASOND");
    EXPECT_EQ(MonthLetters(0), "------------");
    EXPECT_EQ(MonthLetters(2048 + 1 + 4096), "J----------D");  // bits above December ignored
}

TEST(ReportNames, SeasonDatesPutTheDayFirstInFrench) {
    EXPECT_EQ(SeasonDate(6, 1, Language::French), "01 juin");
    EXPECT_EQ(SeasonDate(6, 1, Language::English), "June 01");
    EXPECT_EQ(SeasonDate(9, 30, Language::English), "September 30");
    EXPECT_EQ(SeasonDate(13, 2, Language::English), " 02");
}

TEST(ReportNames, CodesInsideTheirTablesAreNamedAndOthersAreEmpty) {
    EXPECT_EQ(PoolTypeName(3, Language::English), "Public Indoor");
    EXPECT_EQ(PoolTypeName(1, Language::French), "Résid. hors du sol");
    EXPECT_EQ(OrientationName(4, Language::English), "South");
    EXPECT_EQ(OrientationName(15.9, Language::French), "Ouest-Nord Ouest");
    EXPECT_EQ(ActivityLevelName(2, Language::French), "Élevé");
    EXPECT_EQ(EfficiencyTypeName(HeaterKind::HeatPump, Language::English), "Nominal COP");
    EXPECT_EQ(EfficiencyTypeName(HeaterKind::Fuel, Language::French), "Efficacité");
    for (const int code : {-1, 4, 1000})
        EXPECT_EQ(PoolTypeName(code, Language::English), "") << code;
    for (const int code : {-1, 3}) EXPECT_EQ(ActivityLevelName(code, Language::French), "") << code;
    for (const double code : {-0.5, 16.0, 1e300, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(OrientationName(code, Language::English), "") << code;
}

TEST(HtmlText, MarkupCharactersAreEscapedAndNumbersFormattedWhole) {
    EXPECT_EQ(EscapeHtml("<script>alert(1)</script> & \"Co\" 'x' Côte"),
              "&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Co&quot; &#39;x&#39; Côte");
    // A text of an older database that is not UTF-8 shows as Windows-1252; a NUL ends it.
    EXPECT_EQ(EscapeHtml(std::string("Caf\xE9 & co\0<b>", 14)), "Café &amp; co");
    EXPECT_EQ(FormatDouble("%-8.2lf", 3.14159), "3.14    ");
    // Rounded to zero, a negative value loses its sign; one that does not round keeps it.
    EXPECT_EQ(FormatDouble("%8.1lf", -0.04), "     0.0");
    EXPECT_EQ(FormatDouble("%-8.2lf", -0.0), "0.00    ");
    EXPECT_EQ(FormatDouble("%8.1lf", -0.05), "    -0.1");
    EXPECT_EQ(FormatInt(7, "%2d"), " 7");
    EXPECT_EQ(FormatDouble("%8.1lf", 1e300).size(), 303u);  // never cut at a buffer's size
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(EnergySummaryTable, OneColumnPerRowWithTenEnergiesAndTheYearAsTotal) {
    std::vector<EnergyRow> rows;
    for (int month = 6; month <= 9; ++month)
        rows.push_back({month, 12.345, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    rows.push_back({0, 49.38, 4, 8, 12, 16, 20, 24, 28, 32, 36});
    const std::string table = EnergySummaryTable(rows, UnitSystem::SI);
    EXPECT_EQ(Count(table, "<div id=\"Container\""), 5u);
    EXPECT_EQ(Count(table, "border-bottom-style:solid"), 4u);
    EXPECT_EQ(Count(table, "<div id=\"LastColumns2\">"), 5u * 11);
    EXPECT_EQ(Count(table, "<div id=\"LastColumns2\">    12.3</div>\n"), 4u);
    EXPECT_NE(table.find("<div id=\"LastColumns2\">6</div>\n"), std::string::npos);
    const auto total = table.find(
        "<div id=\"Container\" style=\"float:left; padding:1px;\">\n"
        "<div id=\"LastColumns2\">Tot.</div>\n"
        "<div id=\"LastColumns2\">    49.4</div>\n");
    EXPECT_NE(total, std::string::npos);
    EXPECT_TRUE(table.ends_with("</div>\n</div>\n"));

    const std::string ip =
        EnergySummaryTable({{1, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, UnitSystem::IP);
    EXPECT_NE(ip.find(">    94.8</div>"), std::string::npos);  // 100 GJ in MBtu
}

TEST(ReportTemplate, EachWordIsReplacedOnceInOnePass) {
    const PlaceholderValues words{{"Clients.Name", "Runs.City & Clients.Name"},
                                  {"Runs.City", "Montréal"},
                                  {"Units.GJ", "GJ"},
                                  {"Units.GJx", "long"},
                                  {"", "never"}};
    // A value that holds a word keeps it; two words on a line are both replaced; at one place
    // the longer word wins; a line without a word is copied as it is.
    EXPECT_EQ(FillTemplateLine("<b>Clients.Name</b> in Runs.City, Runs.City", words),
              "<b>Runs.City & Clients.Name</b> in Montréal, Montréal");
    EXPECT_EQ(FillTemplateLine("Units.GJx Units.GJ Units.G", words), "long GJ Units.G");
    EXPECT_EQ(FillTemplateLine("plain text", words), "plain text");
    EXPECT_EQ(FillTemplateLine("", words), "");
}

TEST(ReportTemplate, LineEndsAreKeptAndATableLineIsReplacedWhole) {
    TemplateValues values;
    values.words = {{"Runs.City", "Lyon"}};
    values.lines = {{"Results.EnergySummaryTable", "<div>table</div>"}};
    std::istringstream in(
        "a Runs.City\r\n"
        "\n"
        "before Results.EnergySummaryTable Runs.City after\r\n"
        "Results.EnergySummaryTable\n"
        "last Runs.City");
    std::ostringstream out;
    FillTemplate(in, out, values);
    EXPECT_EQ(out.str(),
              "a Lyon\r\n"
              "\n"
              "<div>table</div>\r\n"
              "<div>table</div>\n"
              "last Lyon");
    std::istringstream ending("Runs.City\n");
    std::ostringstream ended;
    FillTemplate(ending, ended, values);
    EXPECT_EQ(ended.str(), "Lyon\n");
}

}  // namespace
