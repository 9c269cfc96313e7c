#include "setup_dialogs.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "test_support.h"
#include "weather_files.h"

using test::DialogTest;
using test::Lines;
using test::OkUnchanged;
using test::Summary;
using test::Texts;

class SimulationPeriod : public DialogTest {};

TEST_F(SimulationPeriod, FirstOfJuneForThirtyDaysEndsOnTheThirtieth) {
    CSimulationDlg dialog;
    dialog.SetPeriod(1, 365, 365);
    dialog.OnStartMonthChange(5);  // June
    EXPECT_EQ(dialog.startDayOfMonth, 1);
    EXPECT_EQ(dialog.startDayOfYear, 152);
    dialog.numDays = 30;
    dialog.OnNumDaysChange();
    EXPECT_EQ(dialog.endMonth, 6);
    EXPECT_EQ(dialog.endDayOfMonth, 30);
    EXPECT_EQ(dialog.endDayOfYear, 181);
}

TEST_F(SimulationPeriod, TwentyDaysFromDecemberTwentiethEndInJanuary) {
    CSimulationDlg dialog;
    dialog.SetPeriod(354, 354, 1);
    EXPECT_EQ(dialog.startMonth, 12);
    EXPECT_EQ(dialog.startDayOfMonth, 20);
    dialog.numDays = 20;
    dialog.OnNumDaysChange();
    EXPECT_EQ(dialog.endMonth, 1);
    EXPECT_EQ(dialog.endDayOfMonth, 8);
}

TEST_F(SimulationPeriod, AnEndBeforeTheStartRunsOverTheNewYear) {
    CSimulationDlg dialog;
    dialog.SetPeriod(300, 300, 1);
    dialog.endMonth = 1;
    dialog.endDayOfMonth = 10;
    dialog.OnEndDayChange();
    EXPECT_EQ(dialog.numDays, 76);  // 66 days to the end of the year, then 10
}

TEST_F(SimulationPeriod, DaysAreKeptWithinTheirMonth) {
    CSimulationDlg dialog;
    dialog.SetPeriod(31, 31, 1);  // January 31
    dialog.OnStartMonthChange(1);
    EXPECT_EQ(dialog.startMonth, 2);
    EXPECT_EQ(dialog.startDayOfMonth, 28);
    dialog.startDayOfMonth = -4;
    dialog.OnStartDayChange();
    EXPECT_EQ(dialog.startDayOfMonth, 1);
    EXPECT_EQ(ClampDayOfMonth(4, 31), 30);
    EXPECT_EQ(ClampDayOfMonth(12, 31), 31);
}

TEST_F(SimulationPeriod, ADayCountOfZeroBecomesOneDay) {
    CSimulationDlg dialog;
    dialog.SetPeriod(100, 120, 21);
    dialog.numDays = 0;
    dialog.OnNumDaysChange();
    EXPECT_EQ(dialog.numDays, 1);
    EXPECT_EQ(dialog.endDayOfYear, 100);
}

TEST_F(SimulationPeriod, OkDerivesThePeriodFromTheFieldsWithoutFocusChanges) {
    CSimulationDlg dialog;
    dialog.SetPeriod(1, 365, 365);
    // A start day typed and OK pressed at once: the count follows the dates.
    ASSERT_TRUE(SaveDialog(dialog, Texts({{CSimulationDlg::kStartDay, "11"}})));
    EXPECT_EQ(dialog.startDayOfYear, 11);
    EXPECT_EQ(dialog.numDays, 355);
    // A count typed and OK pressed at once: the end follows the count.
    ASSERT_TRUE(SaveDialog(dialog, Texts({{CSimulationDlg::kNumDays, "10"}})));
    EXPECT_EQ(dialog.endDayOfYear, 20);
    EXPECT_EQ(dialog.endMonth, 1);
    EXPECT_EQ(dialog.endDayOfMonth, 20);
    // A day past the month's end is clamped before it is used.
    ASSERT_TRUE(SaveDialog(dialog, Texts({{CSimulationDlg::kEndDay, "45"}})));
    EXPECT_EQ(dialog.endDayOfMonth, 31);
    EXPECT_EQ(dialog.numDays, 21);
}

TEST_F(SimulationPeriod, AnUnchangedOkKeepsAPeriodLongerThanAYear) {
    CSimulationDlg dialog;
    dialog.SetPeriod(1, 365, 730);
    dialog.precision = 0.0001;
    dialog.maxIterations = 100;
    ASSERT_TRUE(SaveDialog(dialog, test::ShownTexts(dialog)));
    EXPECT_EQ(dialog.numDays, 730);
    EXPECT_EQ(dialog.startDayOfYear, 1);
    EXPECT_EQ(dialog.endDayOfYear, 365);
    EXPECT_EQ(dialog.precision, 0.0001);
}

TEST_F(SimulationPeriod, RangesOfTheNumericalSettings) {
    CSimulationDlg dialog;
    dialog.SetPeriod(1, 365, 365);
    EXPECT_EQ(SaveDialog(dialog, Texts({{CSimulationDlg::kNumDays, "32168"}})).controlId,
              CSimulationDlg::kNumDays);
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CSimulationDlg::kNumDays, "32167"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CSimulationDlg::kPrecision, "0.2"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CSimulationDlg::kMaxIterations, "9"}})));
}

TEST_F(SimulationPeriod, DaysOfYearShownAndPrinted) {
    CSimulationDlg dialog;
    dialog.SetPeriod(152, 181, 30);
    dialog.precision = 0.0001;
    dialog.maxIterations = 100;
    dialog.printParameters = 1;
    const std::vector<ControlText> texts = dialog.ControlTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "(Julian day 152)");
    EXPECT_EQ(texts[1].text, "(Julian day 181)");
    EXPECT_EQ(Summary(dialog),
              "SIMULATION DATA\n"
              "Simulation Parameters:\n"
              "  Start Day of Simulation: June  1 (Julian day 152)\n"
              "  End Day of Simulation:   June 30 (Julian day 181)\n"
              "  Number of Days in Simulation: 30\n"
              "  Require Printout of Simulation Parameters: X\n"
              "Numerical Algorithms\n"
              "  Precision on Temperatures: 0.0001 C\n"
              "  Maximum number of iterations: 100\n"
              "\n");
    const std::vector<std::string> fr = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(fr[2], "  Premier jour de simulation:  1 juin (jour de l'année 152)");
    EXPECT_EQ(fr[3], "  Dernier jour de simulation: 30 juin (jour de l'année 181)");
}

class Configuration : public DialogTest {};

TEST_F(Configuration, WeekLengthsCountOnlyWithWeekends) {
    // With weekends off the lengths are disabled: neither checked nor stored.
    CPoolConfigDlg dialog;
    dialog.weekLength = 0;
    ASSERT_TRUE(SaveDialog(dialog, Texts({{CPoolConfigDlg::kWeekLength, "-5"},
                                          {CPoolConfigDlg::kWeekendLength, "x"}})));
    EXPECT_EQ(dialog.weekLength, 0);
    EXPECT_TRUE(OkUnchanged(dialog));
    // With weekends on they range from 0 (the run refuses a week of no day) to 32167.
    dialog.useWeekends = 1;
    EXPECT_TRUE(OkUnchanged(dialog));
    dialog.weekLength = 7;
    ExchangeStatus status = SaveDialog(dialog, Texts({{CPoolConfigDlg::kWeekLength, "-1"}}));
    EXPECT_EQ(status.controlId, CPoolConfigDlg::kWeekLength);
    EXPECT_EQ(status.message, "Please enter an integer between 0 and 32167.");
    EXPECT_EQ(dialog.weekLength, 7);
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CPoolConfigDlg::kWeekLength, "0"},
                                          {CPoolConfigDlg::kWeekendLength, "0"}})));
    EXPECT_EQ(dialog.weekLength, 0);
}

TEST_F(Configuration, EnableRulesFollowTheirSwitches) {
    CPoolConfigDlg dialog;
    EXPECT_FALSE(StateOf(dialog, CPoolConfigDlg::kExchanger).enabled);
    EXPECT_FALSE(StateOf(dialog, CPoolConfigDlg::kWeekLength).enabled);
    EXPECT_FALSE(StateOf(dialog, CPoolConfigDlg::kComparativeRun).enabled);
    dialog.useSolar = 1;
    dialog.useWeekends = 1;
    dialog.swimmableCriterion = 1;
    EXPECT_TRUE(StateOf(dialog, CPoolConfigDlg::kExchanger).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolConfigDlg::kWeekendLength).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolConfigDlg::kComparativeRun).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolConfigDlg::kSolar).enabled);
}

TEST_F(Configuration, SummaryShowsTheWeekOnlyWhenItCounts) {
    CPoolConfigDlg dialog;
    dialog.useSolar = 1;
    dialog.useAuxHeater = 1;
    dialog.weekLength = 7;
    dialog.weekendLength = 2;
    const std::string without = Summary(dialog);
    EXPECT_EQ(without,
              "CONFIGURATION\n"
              "Pool Configuration\n"
              "  Solar Collector           : X\n"
              "  Heat Exchanger            : -\n"
              "  Auxiliary Heater          : X\n"
              "  Use Alternate Input File  : -\n"
              "  Require Hourly Printout   : -\n"
              "  Perform Economic Analysis : -\n"
              "Week/Weekend\n"
              "  Use different profiles for week and weekend: -\n"
              "\n"
              "Swimmable Days\n"
              "  Use Swimmable Days Concept: -\n"
              "  Perform Comparative Run: -\n");
    dialog.useWeekends = 1;
    const std::vector<std::string> lines = Lines(Summary(dialog));
    EXPECT_EQ(lines[10], "  Number of Days in Week   : 7");
    EXPECT_EQ(lines[11], "  Number of Days in Weekend: 2");
    const std::vector<std::string> fr = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(fr[3], "  Échangeur de chaleur            : -");
    EXPECT_EQ(fr[10], "  Nombre de jours dans une 'semaine'       : 7");
    EXPECT_EQ(fr.back(), "  Faire une simulation comparative: -");
}

class WeatherDialog : public DialogTest {};

TEST_F(WeatherDialog, FormatsFixTheTimeBaseAndTheEditableFields) {
    CWeatherDlg dialog;
    dialog.SelectFormat(CWeatherDlg::kKorvexTmy);
    EXPECT_EQ(dialog.timeBase, CWeatherDlg::kSolarTimeBase);
    EXPECT_TRUE(StateOf(dialog, CWeatherDlg::kLatitude).readOnly);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kStandardTime).enabled);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kStationLongitude).enabled);
    EXPECT_TRUE(StateOf(dialog, CWeatherDlg::kUpdate).enabled);

    dialog.SelectFormat(CWeatherDlg::kDelimitedAscii);
    EXPECT_EQ(dialog.timeBase, CWeatherDlg::kSolarTimeBase) << "the time base is kept";
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kLatitude).readOnly);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kUpdate).enabled);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kMeridianLongitude).enabled);
    dialog.SelectTimeBase(CWeatherDlg::kStandardTimeBase);
    EXPECT_TRUE(StateOf(dialog, CWeatherDlg::kMeridianLongitude).enabled);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kStationLongitude).readOnly);

    dialog.SelectFormat(CWeatherDlg::kZefirBinary);
    EXPECT_EQ(dialog.timeBase, CWeatherDlg::kStandardTimeBase);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kSolarTime).enabled);
    EXPECT_TRUE(StateOf(dialog, CWeatherDlg::kMeridianLongitude).enabled);
    EXPECT_FALSE(StateOf(dialog, CWeatherDlg::kMeridianLongitude).readOnly);
    EXPECT_TRUE(StateOf(dialog, CWeatherDlg::kStationLongitude).readOnly);
}

TEST_F(WeatherDialog, UpdateReadsTheLocationFromTheFile) {
    test::ScopedTempDir dir;
    synthetic::WeatherYear year;
    year.days = 2;
    year.stationName = "SOMEWHERE";
    year.latitude = 45.5;
    year.longitude = 73.6;
    ASSERT_TRUE(synthetic::WriteZefirFile("w.zfw", year));
    ASSERT_TRUE(synthetic::WriteKtmyFile("w.tmy", year));

    CWeatherDlg dialog;
    dialog.SelectFormat(CWeatherDlg::kZefirBinary);
    dialog.fileName = "w.zfw";
    ASSERT_TRUE(dialog.Update());
    EXPECT_EQ(dialog.cityName, "SOMEWHERE");
    EXPECT_NEAR(dialog.latitude, 45.5, 1e-9);
    EXPECT_NEAR(dialog.stationLongitude, 73.6, 1e-9);
    EXPECT_EQ(dialog.meridianLongitude, 75);
    EXPECT_TRUE(dialog.FileOpens());

    dialog.SelectFormat(CWeatherDlg::kKorvexTmy);
    dialog.fileName = "w.tmy";
    dialog.latitude = 0;
    ASSERT_TRUE(dialog.Update());
    EXPECT_NEAR(dialog.latitude, 45.5, 1e-9);
    EXPECT_EQ(dialog.cityName.rfind("SOMEWHERE", 0), 0u);

    dialog.fileName = "missing.tmy";
    EXPECT_FALSE(dialog.Update());
    EXPECT_EQ(dialog.latitude, 0);
    EXPECT_EQ(dialog.cityName, "");
    EXPECT_FALSE(dialog.FileOpens());

    dialog.SelectFormat(CWeatherDlg::kZefirBinary);
    dialog.fileName = "missing.zfw";
    dialog.meridianLongitude = 75;
    EXPECT_FALSE(dialog.Update());
    EXPECT_EQ(dialog.meridianLongitude, 0);
    EXPECT_EQ(dialog.stationLongitude, 0);
}

// Station names of files written in Windows-1252 show as their letters, not as an empty name.
TEST_F(WeatherDialog, UpdateShowsAWindows1252StationNameInUtf8) {
    test::ScopedTempDir dir;
    synthetic::WeatherYear year;
    year.days = 2;
    year.stationName = "TROIS-RIVI\xC8RES";
    ASSERT_TRUE(synthetic::WriteZefirFile("w.zfw", year));
    ASSERT_TRUE(synthetic::WriteKtmyFile("w.tmy", year));
    CWeatherDlg dialog;
    dialog.SelectFormat(CWeatherDlg::kZefirBinary);
    dialog.fileName = "w.zfw";
    ASSERT_TRUE(dialog.Update());
    EXPECT_EQ(dialog.cityName, "TROIS-RIVIÈRES");
    dialog.SelectFormat(CWeatherDlg::kKorvexTmy);
    dialog.fileName = "w.tmy";
    ASSERT_TRUE(dialog.Update());
    EXPECT_EQ(dialog.cityName, "TROIS-RIVIÈRES  ");
}

TEST_F(WeatherDialog, BrowseOffersTheFormatsFiles) {
    CWeatherDlg dialog;
    dialog.format = CWeatherDlg::kKorvexTmy;
    EXPECT_EQ(dialog.Browse().initialName, "*.tmy");
    EXPECT_EQ(LoadResString(dialog.Browse().filterId),
              "Korvex TMY (*.tmy) | *.tmy | All Files (*.*) | *.* ||");
    dialog.format = CWeatherDlg::kZefirBinary;
    EXPECT_EQ(dialog.Browse().defaultExtension, "zfw");
    dialog.format = CWeatherDlg::kDelimitedAscii;
    EXPECT_EQ(dialog.Browse().defaultExtension, "");
    EXPECT_EQ(dialog.Browse().initialName, "*.*");
}

TEST_F(WeatherDialog, NamesAreLimitedToWhatTheProjectFileReadsBack) {
    CWeatherDlg dialog;
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CWeatherDlg::kCityName, std::string(117, 'a')},
                                          {CWeatherDlg::kFileName, std::string(4095, 'f')}})));
    EXPECT_EQ(
        SaveDialog(dialog, Texts({{CWeatherDlg::kCityName, std::string(118, 'a')}})).controlId,
        CWeatherDlg::kCityName);
    EXPECT_EQ(SaveDialog(dialog, Texts({{CWeatherDlg::kFileName, std::string(4096, 'f')}})).message,
              "Please enter no more than 4095 characters.");
    CAlternateDlg alternate;
    EXPECT_FALSE(
        SaveDialog(alternate, Texts({{CAlternateDlg::kFileName, std::string(4096, 'f')}})));
}

TEST_F(WeatherDialog, SummaryShowsLongitudesForStandardTimeOnly) {
    CWeatherDlg dialog;
    dialog.fileName = "montreal.zfw";
    dialog.cityName = "MONTREAL";
    dialog.SelectFormat(CWeatherDlg::kZefirBinary);
    dialog.latitude = 45.5;
    dialog.stationLongitude = 73.6;
    dialog.meridianLongitude = 75;
    EXPECT_EQ(Summary(dialog),
              "WEATHER FILE\n"
              "Weather File Name: montreal.zfw\n"
              "Format: ZEFIR binary\n"
              "Latitude: 45.5 degrees N\n"
              "City Name: MONTREAL\n"
              "Time Base: Local Standard Time\n"
              "--- Standard time calculations:\n"
              "Station Longitude 73.6 degrees W\n"
              "Meridian Longitude 75 degrees W\n"
              "\n");
    const std::vector<std::string> fr = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(fr[0], "FICHIER DE DONNÉES CLIMATIQUES");
    EXPECT_EQ(fr[2], "Format: binaire ZEFIR");
    EXPECT_EQ(fr[8], "Longitude du méridien   75 degrés W");
    dialog.SelectFormat(CWeatherDlg::kKorvexTmy);
    const std::vector<std::string> solar = Lines(Summary(dialog));
    ASSERT_EQ(solar.size(), 7u);
    EXPECT_EQ(solar[5], "Time Base: Local Apparent (Solar) Time");
}

TEST_F(WeatherDialog, AlternateSummary) {
    CAlternateDlg dialog;
    dialog.fileName = "extra.csv";
    EXPECT_EQ(Summary(dialog), "ALTERNATE INPUT FILE\nAlternate File Name: extra.csv\n\n");
    EXPECT_EQ(Summary(dialog, Language::French),
              "FICHIER DE DONNÉES ALTERNATIVES\n"
              "Nom du fichier de données alternatives: extra.csv\n\n");
}
