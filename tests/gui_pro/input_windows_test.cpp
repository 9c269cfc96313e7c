// The input dialogs' windows under a virtual display, through the input commands on a filled
// project: values shown in the dialog's units, OK without a change and Cancel leave the project
// as it was, a refused value keeps the window open, the enable rules follow the choices; the
// profile editors; the help pages; screenshots in both languages when asked for. The same
// windows worked by real input: input_windows_real_input_test.cpp.
#include <filesystem>
#include <fstream>
#include <string>

#include "input_windows_support.h"

namespace fs = std::filesystem;
using gui_test::ExpectMessage;

TEST_F(InputWindows, OKWithoutAChangeAndCancelLeaveTheProjectAsItWas) {
    // A first OK of the pool design sets the surface coefficients of the evaporation model.
    Run(kCmdPoolDesignData, PressOK);
    const std::string before = Saved();
    for (int id : AllInputCommands()) {
        EXPECT_TRUE(Run(id, PressOK)) << id;
        EXPECT_EQ(Saved(), before) << "OK changed the project in command " << id;
        // A change of every edit to "1", then Cancel.
        EXPECT_FALSE(Run(id, [](CInputWindow& window) {
            for (wxWindow* child : window.GetChildren())
                if (auto* edit = dynamic_cast<wxTextCtrl*>(child)) edit->ChangeValue("1");
            return wxID_CANCEL;
        })) << id;
        EXPECT_EQ(Saved(), before) << "Cancel changed the project in command " << id;
    }
}

TEST_F(InputWindows, ShowTheProjectsValuesInTheDialogsUnits) {
    project_.pool.SetOtherWaterLoss(1);  // kg/s
    project_.IndoorRelHum = 0.55;
    struct Shown {
        int command;
        int control;
        const char* text;
    };
    const Shown kShown[] = {
        {kCmdClimateData, CWeatherDlg::kLatitude, "45.5"},  // radians in the model
        {kCmdClimateData, CWeatherDlg::kFileName, ""},
        {kCmdSimulationData, CSimulationDlg::kStartDay, "21"},  // day 172: June 21
        {kCmdSimulationData, CSimulationDlg::kEndDayOfYear, "(Julian day 201)"},
        {kCmdPoolUseData, CPoolUseDlg::kSpillage, "86.4"},  // m3 a day
        {kCmdPipingData, CPipesDlg::kInletInside, "5"},
        {kCmdPoolDesignData, CPoolDesignDlg::kIndoorRelHum, "55"},  // a fraction in the model
    };
    for (const Shown& shown : kShown)
        Run(shown.command, [&shown, this](CInputWindow& window) {
            const wxString expected = std::string(shown.text).empty()
                                          ? wxString::FromUTF8(Path("weather.zfw"))
                                          : wxString(shown.text);
            EXPECT_EQ(TextOf(window, shown.control), expected) << shown.control;
            return wxID_CANCEL;
        });
}

TEST_F(InputWindows, ARefusedValueKeepsTheWindowOpenWithItsMessage) {
    struct Refused {
        int command;
        int control;
        const char* text;
        const char* message;
    };
    const Refused kRefused[] = {
        {kCmdConfigure, CPoolConfigDlg::kWeekLength, "-1",
         "Please enter an integer between 0 and 32167."},
        {kCmdClimateData, CWeatherDlg::kLatitude, "91",
         "Please enter a number between -90 and 90."},
        {kCmdSimulationData, CSimulationDlg::kMaxIterations, "9",
         "Please enter an integer between 10 and 10000."},
        {kCmdCollectorTestData, CCollectorTestDlg::kA, "1.5",
         "Please enter a number between 0 and 1."},
        {kCmdCollectorUseData, CCollectorUseDlg::kBanks, "0",
         "Please enter a number between 1 and 1000."},
        {kCmdPipingData, CPipesDlg::kSurroundTemp, "51",
         "Please enter a number between -50 and 50."},
        {kCmdHeatExchangerData, CHeatExchangerDlg::kEffectiveness, "x", "Please enter a number."},
        {kCmdPoolDesignData, CPoolDesignDlg::kMainsTemp, "101",
         "Please enter a number between 0 and 100."},
        {kCmdPoolUseData, CPoolUseDlg::kInitialTemp, "101",
         "Please enter a number between 0 and 100."},
        {kCmdBlanketData, CBlanketDlg::kFractionCovered, "2",
         "Please enter a number between 0 and 1."},
        {kCmdAuxHeaterData, CAuxHeaterDlg::kSetPoint, "51",
         "Please enter a number between 0 and 50."},
        {kCmdEconomicData, CEconomicsDlg::kSystemLife, "51",
         "Please enter an integer between 1 and 50."},
    };
    const std::string before = Saved();
    for (const Refused& refused : kRefused) {
        EXPECT_FALSE(Run(refused.command, [&refused](CInputWindow& window) {
            SetText(window, refused.control, refused.text);
            bool accepted = true;
            wxTEST_DIALOG(accepted = window.Accept(), ExpectMessage(refused.message));
            EXPECT_FALSE(accepted) << refused.control;
            auto* edit = dynamic_cast<wxTextCtrl*>(window.FindWindow(refused.control));
            EXPECT_EQ(edit->GetStringSelection(), refused.text) << "not selected";
            return wxID_CANCEL;
        })) << refused.command;
    }
    EXPECT_EQ(Saved(), before);
}

TEST_F(InputWindows, EnableRulesAndLabelsFollowTheControllingChoice) {
    Run(kCmdConfigure, [](CInputWindow& window) {
        using D = CPoolConfigDlg;
        EXPECT_TRUE(Enabled(window, D::kExchanger));
        Choose(window, D::kSolar, 0);
        EXPECT_FALSE(Enabled(window, D::kExchanger));
        Choose(window, D::kWeekends, 0);
        EXPECT_FALSE(Enabled(window, D::kWeekLength));
        Choose(window, D::kSwimmable, 0);
        EXPECT_FALSE(Enabled(window, D::kComparativeRun));
        return wxID_CANCEL;
    });
    Run(kCmdClimateData, [](CInputWindow& window) {
        using D = CWeatherDlg;
        EXPECT_FALSE(Editable(window, D::kStationLongitude));  // read from the binary file
        EXPECT_TRUE(Editable(window, D::kMeridianLongitude));
        Choose(window, D::kFormatTmy, 1);  // solar time, its longitudes unused
        EXPECT_FALSE(Enabled(window, D::kStandardTime));
        EXPECT_FALSE(Enabled(window, D::kStationLongitude));
        EXPECT_FALSE(Editable(window, D::kLatitude));
        Choose(window, D::kFormatAscii, 1);
        EXPECT_TRUE(Editable(window, D::kLatitude));
        EXPECT_FALSE(Enabled(window, D::kUpdate));
        Choose(window, D::kStandardTime, 1);
        EXPECT_TRUE(Enabled(window, D::kStationLongitude));
        EXPECT_TRUE(Editable(window, D::kStationLongitude));
        return wxID_CANCEL;
    });
    Run(kCmdPoolDesignData, [](CInputWindow& window) {
        using D = CPoolDesignDlg;
        Choose(window, D::kPoolType, D::kIndoor);
        EXPECT_TRUE(Enabled(window, D::kIndoorTemp));
        EXPECT_FALSE(Enabled(window, D::kShadedFraction));
        Choose(window, D::kPoolType, D::kOutdoor);
        EXPECT_FALSE(Enabled(window, D::kVentilation));
        EXPECT_TRUE(Enabled(window, D::kShadedFraction));
        return wxID_CANCEL;
    });
    Run(kCmdCollectorTestData, [](CInputWindow& window) {
        using D = CCollectorTestDlg;
        Choose(window, D::kCollectorType, 1);
        EXPECT_EQ(TextOf(window, D::kDUnit), "J/m3/C");
        Choose(window, D::kModifiersNone, 1);
        EXPECT_FALSE(Enabled(window, D::kModifierTable));
        Choose(window, D::kModifiersProfile, 1);
        EXPECT_TRUE(Enabled(window, D::kModifierTable));
        return wxID_CANCEL;
    });
    Run(kCmdBlanketData, [](CInputWindow& window) {
        using D = CBlanketDlg;
        Choose(window, D::kAlways, 1);
        EXPECT_FALSE(Enabled(window, D::kWeekdayProfile));
        Choose(window, D::kProfiles, 1);
        EXPECT_TRUE(Enabled(window, D::kWeekendProfile));
        return wxID_CANCEL;
    });
}

TEST_F(InputWindows, SimulationPeriodFollowsMonthsDaysAndCount) {
    Run(kCmdSimulationData, [](CInputWindow& window) {
        using D = CSimulationDlg;
        SetText(window, D::kStartDay, "31");
        Choose(window, D::kStartMonth, 1);  // February
        EXPECT_EQ(TextOf(window, D::kStartDay), "28");
        EXPECT_EQ(TextOf(window, D::kStartDayOfYear), "(Julian day 59)");
        Choose(window, D::kStartMonth, 11);  // December
        SetText(window, D::kStartDay, "20");
        window.ControlChanged(D::kStartDay);
        SetText(window, D::kNumDays, "20");
        window.ControlChanged(D::kNumDays);
        EXPECT_EQ(static_cast<wxChoice*>(window.FindWindow(D::kEndMonth))->GetSelection(), 0);
        EXPECT_EQ(TextOf(window, D::kEndDay), "8");
        SetText(window, D::kNumDays, "0");
        window.ControlChanged(D::kNumDays);
        EXPECT_EQ(TextOf(window, D::kNumDays), "1");
        EXPECT_EQ(TextOf(window, D::kEndDay), "20");
        return PressOK(window);
    });
    EXPECT_EQ(project_.StartDay, 354);
    EXPECT_EQ(project_.NumDays, 1);
}

TEST_F(InputWindows, ChangingTheHeaterTypeShowsThatTypesOwnEfficiency) {
    project_.HeaterType = HeaterKind::Fuel;
    project_.gasHeater.SetParameters(28, 20000, 0.8);
    project_.heatPump.SetParameters(28, 20000, 4.5);
    Run(kCmdAuxHeaterData, [](CInputWindow& window) {
        using D = CAuxHeaterDlg;
        EXPECT_EQ(TextOf(window, D::kEfficiency), "80");
        Choose(window, D::kHeaterType, static_cast<int>(HeaterKind::HeatPump));
        EXPECT_EQ(TextOf(window, D::kEfficiency), "4.5");
        EXPECT_EQ(TextOf(window, D::kEfficiencyLabel), "Nominal Heat Pump COP");
        SetText(window, D::kEfficiency, "3");
        return PressOK(window);
    });
    double setPoint = 0, capacity = 0, cop = 0;
    project_.heatPump.GetParameters(setPoint, capacity, cop);
    EXPECT_EQ(project_.HeaterType, HeaterKind::HeatPump);
    EXPECT_DOUBLE_EQ(cop, 3);
}

TEST(ProfileWindows, HourlyValuesInIntegerModeRefuseAValueOutOfRange) {
    HourlyValues activity{};
    CProfile24Edit editor = MakeHourlyEditor(kStrActivityWeekdayLegend, activity, 0, 2);
    std::unique_ptr<CInputWindow> window = MakeInputWindow(&TheApp().MainFrame(), editor);
    EXPECT_EQ(TextOf(*window, CProfile24Edit::kLegend),
              "Hourly Pool Activity (weekday): 0 = none, 1 = moderate, 2 = high");
    SetText(*window, CProfile24Edit::kFirstValue + 6, "2");
    EXPECT_TRUE(window->Accept());
    EXPECT_EQ(editor.values[6], 2.0);
    SetText(*window, CProfile24Edit::kFirstValue + 23, "3");
    bool accepted = true;
    wxTEST_DIALOG(accepted = window->Accept(),
                  ExpectMessage("Please enter a number between 0 and 2."));
    EXPECT_FALSE(accepted);
    EXPECT_EQ(editor.values[23], 0.0);
}

TEST(ProfileWindows, MonthlyValuesAndIncidenceAnglesTakeTheirTexts) {
    MonthlyValues seasonal{};
    CProfile12Edit months = MakeMonthlyEditor(kStrBlanketSeasonalLegend, seasonal, 0, 1);
    std::unique_ptr<CInputWindow> window = MakeInputWindow(&TheApp().MainFrame(), months);
    for (int i = 0; i < 12; ++i) SetText(*window, CProfile12Edit::kFirstValue + i, "1");
    EXPECT_TRUE(window->Accept());
    for (double value : months.values) EXPECT_EQ(value, 1.0);

    CCollectorTestDlg collector;
    collector.SetDefaultModifiers();
    CProfileDoubleEdit angles = collector.ModifierEditor();
    window = MakeInputWindow(&TheApp().MainFrame(), angles);
    EXPECT_EQ(TextOf(*window, CProfileDoubleEdit::kFirstX + 9), "90");
    SetText(*window, CProfileDoubleEdit::kFirstX + 5, "40");  // not above the point before
    bool accepted = true;
    wxTEST_DIALOG(accepted = window->Accept(),
                  ExpectMessage("The incidence angles must increase from each point to the next."));
    EXPECT_FALSE(accepted);
}

TEST(FileChoosers, FiltersMatchAnyLetterCase) {
    EXPECT_EQ(WildcardOf("Korvex TMY (*.tmy) | *.tmy | All Files (*.*) | *.* ||"),
              "Korvex TMY (*.tmy)|*.[tT][mM][yY]|All Files (*.*)|*");
    EXPECT_EQ(WildcardOf("All Files (*.*) | *.* ||"), "All Files (*.*)|*");
}

// Each book lists the pages of the contents file; both the same pages, each file there.
TEST(HelpBooks, EveryWindowsPageIsInBothBooks) {
    for (const char* book : {"TidewarmPro", "TidewarmProFra"}) {
        std::ifstream contents(g_strProgramFolder + "/" + book + ".hhc");
        std::ostringstream text;
        text << contents.rdbuf();
        const std::string suffix = std::string(book) == "TidewarmPro" ? "" : "Fra";
        for (const std::string& page : HelpPages()) {
            const std::string file = "help/" + page + suffix + ".html";
            EXPECT_NE(text.str().find("\"" + file + "\""), std::string::npos)
                << book << " " << file;
            EXPECT_TRUE(fs::exists(g_strProgramFolder + "/" + file)) << file;
        }
    }
    for (const std::string& page : HelpPages())
        EXPECT_TRUE(TheApp().Help().Display(wxString(HelpPageFile(page)))) << page;
    for (wxWindow* window : wxTopLevelWindows)
        if (dynamic_cast<wxHtmlHelpFrame*>(window) != nullptr) window->Close(true);
    wxYield();
}

// Both books' contents and pages keep their accents in the help window.
TEST(HelpBooks, AccentsReadAsWritten) {
    gui_test::ExpectHelpBookReadsWhole(g_strProgramFolder + "/TidewarmPro.hhp", false);
    gui_test::ExpectHelpBookReadsWhole(g_strProgramFolder + "/TidewarmProFra.hhp", true);
}

// Pictures of every window in both languages, for a look at their layout; only when
// TIDEWARM_SCREENSHOTS names a folder.
TEST_F(InputWindows, Screenshots) {
    if (std::getenv("TIDEWARM_SCREENSHOTS") == nullptr) GTEST_SKIP();
    for (Language language : {Language::English, Language::French}) {
        app::Language = language;
        UseProgramLanguage(language);
        ASSERT_TRUE(language == Language::English ||
                    LoadFrenchStrings(g_strProgramFolder + "/TidewarmProFra.str"));
        for (int id : AllInputCommands())
            Run(id, [id, language](CInputWindow& window) {
                window.Show();
                gui_test::Screenshot(std::to_string(id) +
                                     (language == Language::French ? "-fr" : "-en"));
                window.Hide();
                return wxID_CANCEL;
            });
        CProfile24Edit hours = MakeHourlyEditor(kStrActivityWeekdayLegend, HourlyValues{}, 0, 2);
        CProfile12Edit months = MakeMonthlyEditor(kStrHeaterSeasonalLegend, MonthlyValues{}, 0, 1);
        CCollectorTestDlg collector;
        collector.SetDefaultModifiers();
        CProfileDoubleEdit angles = collector.ModifierEditor();
        int n = 0;
        for (InputDialog* editor : std::initializer_list<InputDialog*>{&hours, &months, &angles}) {
            std::unique_ptr<CInputWindow> window = MakeInputWindow(&TheApp().MainFrame(), *editor);
            window->Show();
            gui_test::Screenshot("profile" + std::to_string(++n) +
                                 (language == Language::French ? "-fr" : "-en"));
        }
    }
    app::Language = Language::English;
    UseProgramLanguage(Language::English);
    DropFrenchStrings();
}
