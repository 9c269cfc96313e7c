#include "pool_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_test_support.h"

using test::Contains;
using test::DialogTest;
using test::Lines;
using test::OkUnchanged;
using test::Summary;
using test::Texts;

namespace {

CPoolDesignDlg SamplePool(int type) {
    CPoolDesignDlg dialog;
    dialog.poolType = type;
    dialog.volume = 100;
    dialog.surface = 50;
    dialog.mainsTemp = 10;
    dialog.indoorTemp = 27;
    dialog.indoorRelHum = 60;
    dialog.ventilation = 0.1;
    dialog.fractionAboveGround = 0;
    dialog.wallEmissivity = 0.9;
    dialog.wallAbsorptivity = 0.6;
    dialog.insulation = 0.5;
    dialog.deepSoilTemp = 10;
    dialog.shadedFraction = 0.25;
    dialog.windCorrection = 1;
    dialog.sitsAbove = CPoolDesignDlg::kSoil;
    return dialog;
}

}  // namespace

class PoolDesign : public DialogTest {};

TEST_F(PoolDesign, IndoorPoolsPrintTheRoomAndNoShade) {
    const std::string indoor = Summary(SamplePool(CPoolDesignDlg::kIndoor));
    EXPECT_EQ(indoor,
              "POOL DESIGN DATA\n"
              "Pool Type: Indoor\n"
              "Water Volume: 100 m3\n"
              "Surface: 50 m2\n"
              "Mains Water Temperature: 10 C\n"
              "Indoor Pool Room Conditions\n"
              "  Temperature: 27 C\n"
              "  Relative Humidity: 60 %\n"
              "  Ventilation Air Flow: 0.1 m/s\n"
              "Fraction of Pool Above Ground: 0\n"
              "Emissivity of Outside Walls Above Ground: 0.9\n"
              "Absorptivity of Outside Walls Above Ground: 0.6\n"
              "Insulation on Sides / Bottom: 0.5 m2.C/W\n"
              "Temperature Deep in Soil or in Mechanical Room: 10 C\n"
              "Wind Speed Correction Factor: 1\n"
              "\n");
    const std::string outdoor = Summary(SamplePool(CPoolDesignDlg::kOutdoor));
    EXPECT_FALSE(Contains(outdoor, "Indoor Pool Room Conditions"));
    EXPECT_TRUE(Contains(outdoor, "Pool Type: Outdoor\n"));
    EXPECT_TRUE(Contains(outdoor, "Fraction of Pool Shaded from Sun: 0.25\n"));
    const std::string french = Summary(SamplePool(CPoolDesignDlg::kOutdoor), Language::French);
    EXPECT_TRUE(Contains(french, "Type de piscine: Extérieure\n"));
    EXPECT_TRUE(Contains(french, "Fraction de la piscine ombragée: 0.25\n"));
    EXPECT_FALSE(Contains(french, "Humidité relative"));
}

TEST_F(PoolDesign, RoomFieldsForIndoorPoolsShadeForOutdoorOnes) {
    CPoolDesignDlg dialog = SamplePool(CPoolDesignDlg::kOutdoor);
    EXPECT_FALSE(StateOf(dialog, CPoolDesignDlg::kIndoorRelHum).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolDesignDlg::kShadedFraction).enabled);
    dialog.OnTypeChange(CPoolDesignDlg::kIndoor);
    EXPECT_TRUE(StateOf(dialog, CPoolDesignDlg::kIndoorTemp).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolDesignDlg::kVentilation).enabled);
    EXPECT_FALSE(StateOf(dialog, CPoolDesignDlg::kShadedFraction).enabled);
}

TEST_F(PoolDesign, Ranges) {
    CPoolDesignDlg dialog = SamplePool(CPoolDesignDlg::kOutdoor);
    EXPECT_TRUE(OkUnchanged(dialog));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CPoolDesignDlg::kVolume, "0.0009"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CPoolDesignDlg::kDeepSoilTemp, "41"}})));
    // The room's values are disabled outdoors: neither checked nor stored.
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CPoolDesignDlg::kIndoorRelHum, "101"}})));
    dialog.poolType = CPoolDesignDlg::kIndoor;
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CPoolDesignDlg::kIndoorRelHum, "101"}})));
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CPoolDesignDlg::kIndoorTemp, "-300"}})))
        << "no range on the room temperature";
}

namespace {

CPoolUseDlg SampleUse() {
    CPoolUseDlg dialog;
    dialog.SetSeason(135, 273);
    dialog.initialTemp = 10;
    dialog.spillage = 1;
    dialog.sunnyMinAirTemp = 23;
    dialog.cloudyMinAirTemp = 26;
    dialog.minPoolTemp = 20;
    for (int h = 0; h < 24; ++h) {
        dialog.weekdayActivity[h] = h >= 6 && h < 18 ? 2 : 0;
        dialog.weekendActivity[h] = 1;
    }
    return dialog;
}

}  // namespace

class PoolUse : public DialogTest {};

TEST_F(PoolUse, SeasonShownAsDatesAndStoredAsDaysOfYear) {
    CPoolUseDlg dialog = SampleUse();
    EXPECT_EQ(dialog.startMonth, 5);
    EXPECT_EQ(dialog.startDay, 15);
    EXPECT_EQ(dialog.endMonth, 9);
    EXPECT_EQ(dialog.endDay, 30);
    EXPECT_EQ(dialog.SeasonStart(), 135);
    EXPECT_EQ(dialog.SeasonEnd(), 273);
}

TEST_F(PoolUse, DayFieldsAreClampedToRealDatesOnOk) {
    CPoolUseDlg dialog = SampleUse();
    ASSERT_TRUE(
        SaveDialog(dialog, Texts({{CPoolUseDlg::kStartDay, "31"}, {CPoolUseDlg::kEndDay, "0"}})));
    EXPECT_EQ(dialog.startDay, 31);  // May has 31 days
    EXPECT_EQ(dialog.endDay, 1);
    EXPECT_EQ(dialog.SeasonEnd(), 244);  // September 1
    dialog.startMonth = 2;
    dialog.startDay = 30;
    ASSERT_TRUE(OkUnchanged(dialog));
    EXPECT_EQ(dialog.startDay, 28);
    EXPECT_EQ(dialog.SeasonStart(), 59);
}

TEST_F(PoolUse, AMonthChangeClampsItsDay) {
    CPoolUseDlg dialog = SampleUse();
    dialog.startDay = 31;
    dialog.OnStartMonthChange(3);  // April
    EXPECT_EQ(dialog.startMonth, 4);
    EXPECT_EQ(dialog.startDay, 30);
    dialog.OnEndMonthChange(8);  // September again: nothing changes
    EXPECT_EQ(dialog.endDay, 30);
}

TEST_F(PoolUse, RulesAndLabelsFollowTheSwitches) {
    CPoolUseDlg dialog = SampleUse();
    EXPECT_FALSE(StateOf(dialog, CPoolUseDlg::kWeekendProfile).enabled);
    EXPECT_FALSE(StateOf(dialog, CPoolUseDlg::kMinPoolTemp).enabled);
    EXPECT_EQ(dialog.ControlTexts()[0].text, "Activity Level for 'Weekdays'");
    dialog.useWeekends = 1;
    dialog.swimmableCriterion = 1;
    EXPECT_TRUE(StateOf(dialog, CPoolUseDlg::kWeekendProfile).enabled);
    EXPECT_TRUE(StateOf(dialog, CPoolUseDlg::kSunnyMinAirTemp).enabled);
    EXPECT_EQ(dialog.ControlTexts()[1].text, "Activity Level for Swimmable 'Weekend'");
}

TEST_F(PoolUse, ActivityEditorsTakeWholeLevelsUpToTwo) {
    CPoolUseDlg dialog = SampleUse();
    CProfile24Edit editor = dialog.WeekdayEditor();
    EXPECT_EQ(editor.legend, "Hourly Pool Activity (weekday): 0 = none, 1 = moderate, 2 = high");
    EXPECT_FALSE(SaveDialog(editor, Texts({{1201, "3"}})));
    ASSERT_TRUE(SaveDialog(editor, Texts({{1201, "1"}})));
    dialog.AcceptWeekday(editor);
    EXPECT_EQ(dialog.weekdayActivity[0], 1);
    EXPECT_EQ(dialog.weekdayActivity[6], 2);
}

TEST_F(PoolUse, SummaryWithAndWithoutWeekendsAndSwimmableDays) {
    CPoolUseDlg dialog = SampleUse();
    std::vector<std::string> lines = Lines(Summary(dialog));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "POOL USE DATA");
    EXPECT_EQ(lines[2], "  Start Day of Season: May 15");
    EXPECT_EQ(lines[3], "  End Day of Season  : September 30");
    EXPECT_EQ(lines[6], "  Daily Spillage/Leakage: 1 m3");
    EXPECT_EQ(lines[7], "  Hourly Pool Activity (weekday): 0 = none, 1 = moderate, 2 = high");
    EXPECT_EQ(lines[8], "     1: 0          7: 2         13: 2         19: 0       ");
    EXPECT_EQ(lines[14], "");
    dialog.useWeekends = 1;
    dialog.swimmableCriterion = 1;
    lines = Lines(Summary(dialog));
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[14], "  Hourly Pool Activity (weekend): 0 = none, 1 = moderate, 2 = high");
    EXPECT_EQ(lines[21], "Swimmable Days Definition");
    EXPECT_EQ(lines[23], "    Sunny day: 23 C");
    EXPECT_EQ(lines[24], "    Cloudy day: 26 C");
    const std::vector<std::string> fr = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(fr[2], "  Début de la saison: 15 mai");
    EXPECT_EQ(fr[3], "  Fin de la saison  : 30 septembre");
}

class Blanket : public DialogTest {};

TEST_F(Blanket, DailyUseAlwaysPrintsNoHourlyProfile) {
    CBlanketDlg dialog;
    dialog.dailyUse = CBlanketDlg::kAlwaysWhenNotInUse;
    dialog.useWeekends = 1;
    dialog.seasonal.fill(1);
    dialog.weekday.fill(1);
    dialog.weekend.fill(1);
    dialog.insulation = 0.1;
    dialog.fractionCovered = 1;
    const std::string always = Summary(dialog);
    EXPECT_TRUE(Contains(always, "  Daily Use = Always when pool not in use\n"));
    EXPECT_FALSE(Contains(always, "weekdays"));
    EXPECT_TRUE(Contains(always, "  Blanket seasonal use (0=off, 1=on)\n"));
    EXPECT_TRUE(Contains(Summary(dialog, Language::French),
                         "  Utilisation journalière:Toujours quand la piscine n'est pas "
                         "utilisée\n"));
    dialog.OnDailyUseClick(CBlanketDlg::kFollowProfiles);
    const std::string profiles = Summary(dialog);
    EXPECT_TRUE(Contains(profiles, "  Daily Use =   Blanket use, weekdays (0=off, 1=on)\n"));
    EXPECT_TRUE(Contains(profiles, "  Blanket use, weekends (0=off, 1=on)\n"));
    dialog.useWeekends = 0;
    EXPECT_FALSE(Contains(Summary(dialog), "weekends"));
}

TEST_F(Blanket, AbsorbedAndPassedAddUpToOneAtMostInEachBand) {
    CBlanketDlg dialog;
    dialog.dailyUse = CBlanketDlg::kAlwaysWhenNotInUse;
    dialog.shortWaveAbsorptivity = 0.3;
    dialog.shortWaveTransmissivity = 0.7;
    dialog.longWaveEmissivity = 0.8;
    dialog.longWaveTransmissivity = 0.2;
    EXPECT_TRUE(OkUnchanged(dialog));
    ExchangeStatus status = SaveDialog(dialog, Texts({{CBlanketDlg::kLongWaveEmissivity, "0.9"}}));
    EXPECT_EQ(status.controlId, CBlanketDlg::kLongWaveTransmissivity);
    EXPECT_EQ(status.message, LoadResString(kStrBlanketSumAboveOne));
    dialog.longWaveEmissivity = 0.8;
    EXPECT_EQ(
        SaveDialog(dialog, Texts({{CBlanketDlg::kShortWaveTransmissivity, "0.75"}})).controlId,
        CBlanketDlg::kShortWaveTransmissivity);
}

TEST_F(Blanket, ProfileButtonsFollowTheDailyUse) {
    CBlanketDlg dialog;
    dialog.dailyUse = CBlanketDlg::kAlwaysWhenNotInUse;
    dialog.useWeekends = 1;
    EXPECT_FALSE(StateOf(dialog, CBlanketDlg::kWeekdayProfile).enabled);
    EXPECT_FALSE(StateOf(dialog, CBlanketDlg::kWeekendProfile).enabled);
    EXPECT_TRUE(StateOf(dialog, CBlanketDlg::kSeasonalProfile).enabled);
    dialog.OnDailyUseClick(CBlanketDlg::kFollowProfiles);
    EXPECT_TRUE(StateOf(dialog, CBlanketDlg::kWeekendProfile).enabled);
    dialog.useWeekends = 0;
    EXPECT_FALSE(StateOf(dialog, CBlanketDlg::kWeekendProfile).enabled);
    EXPECT_TRUE(StateOf(dialog, CBlanketDlg::kWeekdayProfile).enabled);
}

TEST_F(Blanket, SeasonalEditorTakesOnlyZeroOrOne) {
    CBlanketDlg dialog;
    CProfile12Edit editor = dialog.SeasonalEditor();
    EXPECT_FALSE(SaveDialog(editor, Texts({{1201, "2"}})));
    EXPECT_TRUE(SaveDialog(editor, Texts({{1212, "1"}})));
    dialog.AcceptSeasonal(editor);
    EXPECT_EQ(dialog.seasonal[11], 1);
}

class AuxHeater : public DialogTest {};

TEST_F(AuxHeater, HeatPumpPrintsItsCopWithoutPercent) {
    CAuxHeaterDlg dialog;
    dialog.heaterType = static_cast<int>(HeaterKind::HeatPump);
    dialog.setPoint = 28;
    dialog.capacity = 10000;
    dialog.efficiency = 6;
    dialog.seasonal.fill(1);
    std::vector<std::string> lines = Lines(Summary(dialog));
    ASSERT_EQ(lines.size(), 11u);  // 5 lines, the profile (legend and 3 rows), 2 lines
    EXPECT_EQ(lines[1], "Auxiliary Heater Type: Heat Pump");
    EXPECT_EQ(lines[3], "Nominal Heat Pump Capacity: 10000 W");
    EXPECT_EQ(lines[4], "Nominal Heat Pump COP: 6");
    EXPECT_EQ(lines[5], "  Auxiliary heater seasonal use (0=off, 1=on)");
    EXPECT_EQ(lines[9], "Heater is off outside season of use of pool: -");
    EXPECT_TRUE(dialog.OnTypeChange(static_cast<int>(HeaterKind::Fuel)));
    dialog.efficiency = 80;
    lines = Lines(Summary(dialog));
    EXPECT_EQ(lines[1], "Auxiliary Heater Type: Gas or Oil");
    EXPECT_EQ(lines[3], "Maximum Power (Input): 10000 W");
    EXPECT_EQ(lines[4], "Heater Efficiency: 80 %");
    lines = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(lines[1], "Type du chauffage d'appoint: Gaz ou mazout");
    EXPECT_EQ(lines[4], "Efficacité du chauffage d'appoint: 80 %");
}

TEST_F(AuxHeater, EfficiencyOrCopAboveZero) {
    CAuxHeaterDlg dialog;
    dialog.efficiency = 80;
    EXPECT_EQ(SaveDialog(dialog, Texts({{CAuxHeaterDlg::kEfficiency, "0"}})).controlId,
              CAuxHeaterDlg::kEfficiency);
    EXPECT_EQ(dialog.efficiency, 80);
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CAuxHeaterDlg::kEfficiency, "100.5"}})));
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CAuxHeaterDlg::kEfficiency, "0.5"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CAuxHeaterDlg::kSetPoint, "51"}})));
}

TEST_F(AuxHeater, AChangeOfTypeShowsThatTypesOwnEfficiency) {
    CAuxHeaterDlg dialog;
    dialog.efficiency = 80;      // %
    dialog.otherEfficiency = 4;  // COP
    EXPECT_TRUE(dialog.OnTypeChange(static_cast<int>(HeaterKind::HeatPump)));
    EXPECT_EQ(dialog.efficiency, 4);
    EXPECT_FALSE(dialog.OnTypeChange(static_cast<int>(HeaterKind::HeatPump)));
    EXPECT_EQ(dialog.efficiency, 4);
    EXPECT_TRUE(dialog.OnTypeChange(static_cast<int>(HeaterKind::Fuel)));
    EXPECT_EQ(dialog.efficiency, 80);
}

TEST_F(AuxHeater, LabelsFollowTheType) {
    CAuxHeaterDlg dialog;
    std::vector<ControlText> texts = dialog.ControlTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "Heater Capacity (Input)");
    EXPECT_EQ(texts[2].text, "%");
    EXPECT_TRUE(dialog.OnTypeChange(static_cast<int>(HeaterKind::HeatPump)));
    EXPECT_FALSE(dialog.OnTypeChange(static_cast<int>(HeaterKind::HeatPump)));
    texts = dialog.ControlTexts();
    EXPECT_EQ(texts[1].text, "Nominal Heat Pump COP");
    EXPECT_EQ(texts[2].text, " ");
    EXPECT_EQ(texts[3].text, "W");
}
