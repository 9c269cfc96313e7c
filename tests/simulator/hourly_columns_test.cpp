#include "hourly_columns.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "dialog_test_support.h"
#include "small_dialogs.h"
#include "text_output.h"
#include "user_interface.h"

using test::DialogTest;
using test::Lines;
using test::Summary;

class HourlyChoices : public DialogTest {};

TEST_F(HourlyChoices, EveryColumnButTheDateIsChoosableAndDescribed) {
    for (int i = 0; i < kHourlyColumnCount; ++i) {
        const HourlyColumnInfo& column = kHourlyColumns[i];
        const bool date = i < 3;
        EXPECT_EQ(column.selection == HourlySelection::kAlwaysWritten, date) << i;
        EXPECT_EQ(std::string_view(column.english).empty(), date) << i;
        EXPECT_EQ(std::string_view(column.french).empty(), date) << i;
        EXPECT_EQ(std::string_view(column.unit).empty(), date) << i;
    }
    EXPECT_EQ(kHourlyAlwaysWritten, 3);
    EXPECT_STREQ(kHourlyColumns[44].name, "MdotMakeup");
    EXPECT_EQ(kHourlyDefaultFlags[2], 1);
    EXPECT_EQ(kHourlyDefaultFlags[3], 0);
}

// A quantity both files report is bound to the same variable in both.
TEST_F(HourlyChoices, MonthlyAndHourlyColumnsOfOneNameShareTheirSource) {
    int shared = 0;
    for (const MonthlyColumnInfo& monthly : kMonthlyColumns)
        for (const HourlyColumnInfo& hourly : kHourlyColumns)
            if (std::string_view(monthly.name) == hourly.name) {
                EXPECT_EQ(monthly.source, hourly.source) << monthly.name;
                ++shared;
            }
    EXPECT_EQ(shared, 18);
    EXPECT_EQ(kMonthlyColumns[kMonthlyCollOnTime].source, kHourlyColumns[kHourlyCollOn].source);
}

TEST_F(HourlyChoices, DialogsCoverTheirRanges) {
    CHlyPrintEnergiesDlg energies;
    CHlyPrintWeatherDlg weather;
    CHlyPrintControlsDlg controls;
    CHlyPrintCollectorDlg collector;
    CHlyPrintPoolDlg pool;
    const CHlyPrintDlg* dialogs[] = {&energies, &weather, &controls, &collector, &pool};
    const int first[] = {3, 19, 29, 33, 42};
    const int count[] = {16, 10, 4, 9, 4};
    const int templates[] = {135, 131, 132, 134, 133};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(dialogs[i]->FirstColumn(), first[i]);
        EXPECT_EQ(dialogs[i]->ColumnCount(), count[i]);
        EXPECT_EQ(dialogs[i]->TemplateId(), templates[i]);
    }
    EXPECT_EQ(weather.Fields().back().controlId, 1191);
}

TEST_F(HourlyChoices, WeatherWithNothingChosenPrintsTenDashes) {
    CHlyPrintWeatherDlg dialog;
    const std::vector<std::string> lines = Lines(Summary(dialog));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "HOURLY PRINTOUTS: WEATHER");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Global Horizontal Irradiance          \"HGlo\"      [W/m2]: -");
    for (int i = 2; i < 12; ++i) EXPECT_EQ(lines[i].back(), '-') << lines[i];
    EXPECT_EQ(lines[12], "");
}

TEST_F(HourlyChoices, FrenchColumnsAlignByCharacters) {
    CHlyPrintEnergiesDlg dialog;
    dialog.flags[12] = 1;  // QInc
    const std::vector<std::string> lines = Lines(Summary(dialog, Language::French));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "IMPRESSIONS HORAIRES: ÉNERGIES");
    for (int i = 1; i <= 16; ++i) {
        const std::string& line = lines[i];
        // description 53, quoted name 12, unit 6, then ": " and the mark.
        EXPECT_EQ(CharacterCount(line), 53u + 12u + 6u + 3u) << line;
        EXPECT_EQ(line.substr(line.size() - 3, 2), ": ");
    }
    EXPECT_EQ(lines[13],
              "Énergie solaire disponible                           \"QInc\"      [J]   : X");
}

TEST_F(HourlyChoices, UnchangedOkLeavesTheWritersFlagsAsTheyWere) {
    std::array<int, 46> columnFlags{};
    for (int i = 0; i < 46; ++i) columnFlags[i] = (i * 7) % 3 == 0;
    const std::array<int, 46> before = columnFlags;
    CHlyPrintCollectorDlg dialog;
    dialog.TakeFlags(columnFlags.data());
    ASSERT_TRUE(SaveDialog(dialog, test::ShownTexts(dialog)));
    dialog.GiveFlags(columnFlags.data());
    EXPECT_EQ(columnFlags, before);
    dialog.flags[0] = !dialog.flags[0];
    dialog.GiveFlags(columnFlags.data());
    EXPECT_NE(columnFlags[33], before[33]);
    EXPECT_EQ(columnFlags[32], before[32]);
    EXPECT_EQ(columnFlags[42], before[42]);
}

class ProgressText : public DialogTest {};

TEST_F(ProgressText, DayOfTheRunGoesToTheProgressDisplay) {
    struct Recording : Progress {
        std::string text;
        void SetText(std::string_view t) override { text = t; }
        void Step() override {}
    } display;
    Progress* previous = SetProgress(&display);
    CRunningDlg running;
    EXPECT_EQ(running.Text(), "Running...");
    running.SetProgress(10, 365);
    SetProgress(previous);
    EXPECT_EQ(display.text, "Simulating day 10/365...");
    EXPECT_EQ(running.Text(), "Simulating day 10/365...");
}

TEST_F(ProgressText, LanguageChoiceIsARadioGroup) {
    CLanguageDlg dialog;
    EXPECT_EQ(dialog.Chosen(), Language::English);
    ASSERT_TRUE(SaveDialog(dialog, test::Texts({{CLanguageDlg::kEnglishButton, "1"}})));
    EXPECT_EQ(dialog.Chosen(), Language::French);
    dialog.Choose(Language::English);
    EXPECT_EQ(dialog.language, 0);  // the radio index
}
