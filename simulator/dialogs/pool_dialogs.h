// The pool design, pool use, blanket and auxiliary heater dialogs: members, field tables,
// rules and summary printers. The last three own profiles edited through the profile editors.
#pragma once

#include "dialog_fields.h"
#include "heater_kind.h"
#include "profile_editors.h"

class CPoolDesignDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 120;
    enum Control : int {
        kPoolType = 1000,
        kVolume = 1114,
        kSurface = 1115,
        kMainsTemp = 1116,
        kIndoorTemp = 1117,
        kIndoorRelHum = 1118,
        kVentilation = 1119,
        kFractionAboveGround = 1120,
        kWallEmissivity = 1121,
        kWallAbsorptivity = 1128,
        kInsulation = 1122,
        kDeepSoilTemp = 1270,
        kShadedFraction = 1123,
        kWindCorrection = 1045,
        kSitsOnSoil = 1247,
        kSitsInMechanicalRoom = 1248,
    };
    enum Setting : int { kOutdoor = 0, kIndoor = 1 };  // the pool type box: outdoors or indoors
    enum SitsAbove : int { kSoil = 0, kMechanicalRoom = 1 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    // Room conditions for an indoor pool only, the shaded fraction for an outdoor pool only.
    std::vector<ControlState> ControlStates() const override;
    void PrintSummary(std::ostream& out, Language language) const override;
    void OnTypeChange(int selection) { poolType = selection; }

    int poolType = 0;
    double volume = 0;               // m3
    double surface = 0;              // m2
    double mainsTemp = 0;            // C
    double indoorTemp = 0;           // C
    double indoorRelHum = 0;         // %
    double ventilation = 0;          // m/s
    double fractionAboveGround = 0;  // 0..1
    double wallEmissivity = 0;
    double wallAbsorptivity = 0;
    double insulation = 0;    // m2.C/W
    double deepSoilTemp = 0;  // C
    double shadedFraction = 0;
    double windCorrection = 0;
    int sitsAbove = -1;
};

class CPoolUseDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 117;
    enum Control : int {
        kStartMonth = 1086,
        kStartDay = 1083,
        kEndMonth = 1001,
        kEndDay = 1084,
        kInitialTemp = 1156,
        kSpillage = 1128,
        kSunnyMinAirTemp = 1129,
        kCloudyMinAirTemp = 1130,
        kMinPoolTemp = 1131,
        kWeekdayProfile = 1092,
        kWeekendProfile = 1097,
        kWeekdayLabel = 1251,
        kWeekendLabel = 1252,
    };

    // The season from its first and last day of year, and back.
    void SetSeason(int firstDay, int lastDay);
    int SeasonStart() const;
    int SeasonEnd() const;

    int TemplateId() const override { return kTemplate; }
    // The months are not in the table: their combos reach the members through the handlers.
    std::vector<DialogField> Fields() override;
    std::vector<ControlState> ControlStates() const override;
    std::vector<ControlText> ControlTexts() const override;
    // Keeps both days within their months, so that the season is made of real dates.
    ExchangeStatus OnOK() override;
    void PrintSummary(std::ostream& out, Language language) const override;

    // A month chosen (combo index 0..11): stored when it changed, and its day clamped.
    void OnStartMonthChange(int selection);
    void OnEndMonthChange(int selection);

    CProfile24Edit WeekdayEditor() const;
    CProfile24Edit WeekendEditor() const;
    void AcceptWeekday(const CProfile24Edit& editor) { weekdayActivity = editor.values; }
    void AcceptWeekend(const CProfile24Edit& editor) { weekendActivity = editor.values; }

    int startMonth = 0;
    int startDay = 0;
    int endMonth = 0;
    int endDay = 0;
    double initialTemp = 0;  // C
    double spillage = 0;     // m3 per day
    double sunnyMinAirTemp = 0;
    double cloudyMinAirTemp = 0;
    double minPoolTemp = 0;
    HourlyValues weekdayActivity{};
    HourlyValues weekendActivity{};
    int useWeekends = 0;
    int swimmableCriterion = 0;
};

class CBlanketDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 123;
    enum Control : int {
        kAlways = 1129,
        kProfiles = 1130,
        kInsulation = 1122,
        kFractionCovered = 1068,
        kLongWaveEmissivity = 1133,
        kLongWaveTransmissivity = 1134,
        kShortWaveAbsorptivity = 1131,
        kShortWaveTransmissivity = 1132,
        kSeasonalProfile = 1005,
        kWeekdayProfile = 1092,
        kWeekendProfile = 1097,
    };
    enum DailyUse : int { kAlwaysWhenNotInUse = 0, kFollowProfiles = 1 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlState> ControlStates() const override;
    // What the blanket absorbs (emits) and what it lets through cannot add up to more than what
    // reaches it: each pair of a band is refused above 1, on its transmissivity.
    ExchangeStatus OnOK() override;
    void PrintSummary(std::ostream& out, Language language) const override;
    void OnDailyUseClick(int choice) { dailyUse = choice; }

    CProfile12Edit SeasonalEditor() const;
    CProfile24Edit WeekdayEditor() const;
    CProfile24Edit WeekendEditor() const;
    void AcceptSeasonal(const CProfile12Edit& editor) { seasonal = editor.values; }
    void AcceptWeekday(const CProfile24Edit& editor) { weekday = editor.values; }
    void AcceptWeekend(const CProfile24Edit& editor) { weekend = editor.values; }

    int dailyUse = -1;
    double insulation = 0;  // m2.C/W
    double fractionCovered = 0;
    double longWaveEmissivity = 0;
    double longWaveTransmissivity = 0;
    double shortWaveAbsorptivity = 0;
    double shortWaveTransmissivity = 0;
    int useWeekends = 0;
    MonthlyValues seasonal{};
    HourlyValues weekday{};
    HourlyValues weekend{};
};

// One heater's values as the heater dialog shows them.
struct HeaterValues {
    double setPoint = 0;    // C
    double capacity = 0;    // W
    double efficiency = 0;  // % for a fuel-fired heater, COP for a heat pump
};

class CAuxHeaterDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 127;
    enum Control : int {
        kHeaterType = 1249,
        kSetPoint = 1158,
        kCapacity = 1253,
        kEfficiency = 1160,
        kOffOutOfSeason = 1257,
        kSeasonalProfile = 1005,
        kCapacityLabel = 1251,
        kEfficiencyLabel = 1252,
        kEfficiencyUnit = 1161,
        kCapacityUnit = 1250,
    };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    // Labels and units of the capacity and efficiency by heater type.
    std::vector<ControlText> ControlTexts() const override;
    void PrintSummary(std::ostream& out, Language language) const override;
    // A type chosen; true when it changed (the window then shows the labels and the values
    // again). The values shown become those of the new type, kept in `other`, and the ones
    // shown are kept there in turn: an efficiency of 80 % never turns into a COP of 80, nor the
    // fuel heater's capacity into the heat pump's.
    [[nodiscard]] bool OnTypeChange(int selection);
    HeaterKind Kind() const { return static_cast<HeaterKind>(heaterType); }
    HeaterValues Shown() const { return {setPoint, capacity, efficiency}; }
    void Show(const HeaterValues& values);

    CProfile12Edit SeasonalEditor() const;
    void AcceptSeasonal(const CProfile12Edit& editor) { seasonal = editor.values; }

    int heaterType = 0;     // the type list's entry, in the order of HeaterKind
    double setPoint = 0;    // C
    double capacity = 0;    // W
    double efficiency = 0;  // % for a fuel-fired heater, COP for a heat pump
    HeaterValues other;     // the values of the type not chosen
    int offOutOfSeason = 0;
    MonthlyValues seasonal{};
};
