#include "pool_dialogs.h"

#include <utility>

#include "helpers.h"
#include "input_ranges.h"
#include "setup_dialogs.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"

// ---------------------------------------------------------------------------------------------
// Pool design

std::vector<DialogField> CPoolDesignDlg::Fields() {
    return {
        ComboIndexField(kPoolType, &poolType),
        DoubleField(kVolume, &volume, 0.001, 1e10),
        DoubleField(kSurface, &surface, kPoolSurfaceRange.min, kPoolSurfaceRange.max),
        DoubleField(kMainsTemp, &mainsTemp, 0, 100),
        DoubleField(kIndoorTemp, &indoorTemp),
        DoubleField(kIndoorRelHum, &indoorRelHum, 0, 100),
        DoubleField(kVentilation, &ventilation, 0, 1e10),
        DoubleField(kFractionAboveGround, &fractionAboveGround, 0, 1),
        DoubleField(kWallEmissivity, &wallEmissivity, 0, 1),
        DoubleField(kWallAbsorptivity, &wallAbsorptivity, 0, 1),
        DoubleField(kInsulation, &insulation, 0, 1e10),
        DoubleField(kDeepSoilTemp, &deepSoilTemp, 0, 40),
        DoubleField(kShadedFraction, &shadedFraction, kFractionRange.min, kFractionRange.max),
        DoubleField(kWindCorrection, &windCorrection, 0, 1e10),
        RadioField(kSitsOnSoil, &sitsAbove),
    };
}

std::vector<ControlState> CPoolDesignDlg::ControlStates() const {
    const bool indoor = poolType == kIndoor;
    return {
        {kIndoorTemp, indoor},
        {kIndoorRelHum, indoor},
        {kVentilation, indoor},
        {kShadedFraction, poolType == kOutdoor},
    };
}

void CPoolDesignDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    const bool indoor = poolType == kIndoor;
    Print(out, fr ? "PARAMÈTRES DE CONCEPTION DE LA PISCINE\n" : "POOL DESIGN DATA\n");
    Print(out, fr ? "Type de piscine: " : "Pool Type: ");
    if (indoor)
        Print(out, fr ? "Intérieure\n" : "Indoor\n");
    else
        Print(out, fr ? "Extérieure\n" : "Outdoor\n");
    Print(out, fr ? "Volume d'eau: %g m3\n" : "Water Volume: %g m3\n", volume);
    Print(out, "Surface: %g m2\n", surface);
    Print(out,
          fr ? "Temp. de l'approvisionnement en eau: %g C\n" : "Mains Water Temperature: %g C\n",
          mainsTemp);
    if (indoor) {
        Print(out, fr ? "Conditions de l'espace intérieur de la piscine\n"
                      : "Indoor Pool Room Conditions\n");
        Print(out, fr ? "  Température: %g C\n" : "  Temperature: %g C\n", indoorTemp);
        Print(out, fr ? "  Humidité relative: %g %%\n" : "  Relative Humidity: %g %%\n",
              indoorRelHum);
        Print(out,
              fr ? "  Débit de l'air de ventilation: %g m/s\n" : "  Ventilation Air Flow: %g m/s\n",
              ventilation);
    }
    Print(out,
          fr ? "Fraction de la piscine hors du sol: %g\n" : "Fraction of Pool Above Ground: %g\n",
          fractionAboveGround);
    Print(out,
          fr ? "Émissivité des murs extérieurs hors du sol: %g\n"
             : "Emissivity of Outside Walls Above Ground: %g\n",
          wallEmissivity);
    Print(out,
          fr ? "Absorptivité des murs extérieurs hors du sol: %g\n"
             : "Absorptivity of Outside Walls Above Ground: %g\n",
          wallAbsorptivity);
    Print(out,
          fr ? "Isolation des côtés et du fond: %g m2.C/W\n"
             : "Insulation on Sides / Bottom: %g m2.C/W\n",
          insulation);
    Print(out,
          fr ? "Température du sol en profondeur, ou du local technique: %g C\n"
             : "Temperature Deep in Soil or in Mechanical Room: %g C\n",
          deepSoilTemp);
    if (!indoor)
        Print(
            out,
            fr ? "Fraction de la piscine ombragée: %g\n" : "Fraction of Pool Shaded from Sun: %g\n",
            shadedFraction);
    Print(out, fr ? "Facteur correctif éolien: %g\n" : "Wind Speed Correction Factor: %g\n",
          windCorrection);
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Pool use

void CPoolUseDlg::SetSeason(int firstDay, int lastDay) {
    startMonth = MonthOfDay(firstDay, 0);
    startDay = DayOfMonth(firstDay, 0);
    endMonth = MonthOfDay(lastDay, 0);
    endDay = DayOfMonth(lastDay, 0);
}

int CPoolUseDlg::SeasonStart() const {
    return DayOfYear(startMonth, startDay, 0);
}

int CPoolUseDlg::SeasonEnd() const {
    return DayOfYear(endMonth, endDay, 0);
}

std::vector<DialogField> CPoolUseDlg::Fields() {
    return {
        IntField(kStartDay, &startDay),
        IntField(kEndDay, &endDay),
        DoubleField(kInitialTemp, &initialTemp, 0, 100),
        DoubleField(kSpillage, &spillage, 0, 1e10),
        DoubleField(kSunnyMinAirTemp, &sunnyMinAirTemp),
        DoubleField(kCloudyMinAirTemp, &cloudyMinAirTemp),
        DoubleField(kMinPoolTemp, &minPoolTemp),
    };
}

std::vector<ControlState> CPoolUseDlg::ControlStates() const {
    const bool swimmable = swimmableCriterion != 0;
    return {
        {kWeekendProfile, useWeekends != 0},
        {kSunnyMinAirTemp, swimmable},
        {kCloudyMinAirTemp, swimmable},
        {kMinPoolTemp, swimmable},
    };
}

std::vector<ControlText> CPoolUseDlg::ControlTexts() const {
    if (swimmableCriterion)
        return {{kWeekdayLabel, LoadResString(kStrSwimmableActivityWeekdays)},
                {kWeekendLabel, LoadResString(kStrSwimmableActivityWeekend)}};
    return {{kWeekdayLabel, LoadResString(kStrActivityWeekdays)},
            {kWeekendLabel, LoadResString(kStrActivityWeekend)}};
}

namespace {

int MonthOfSelection(int selection) {
    return selection < 0 ? 1 : selection > 11 ? 12 : selection + 1;
}

}  // namespace

void CPoolUseDlg::OnStartMonthChange(int selection) {
    if (selection + 1 == startMonth) return;
    startMonth = MonthOfSelection(selection);
    startDay = ClampDayOfMonth(startMonth, startDay);
}

void CPoolUseDlg::OnEndMonthChange(int selection) {
    if (selection + 1 == endMonth) return;
    endMonth = MonthOfSelection(selection);
    endDay = ClampDayOfMonth(endMonth, endDay);
}

ExchangeStatus CPoolUseDlg::OnOK() {
    startMonth = MonthOfSelection(startMonth - 1);
    endMonth = MonthOfSelection(endMonth - 1);
    startDay = ClampDayOfMonth(startMonth, startDay);
    endDay = ClampDayOfMonth(endMonth, endDay);
    return {};
}

CProfile24Edit CPoolUseDlg::WeekdayEditor() const {
    return MakeHourlyEditor(kStrActivityWeekdayLegend, weekdayActivity, 0, 2);
}

CProfile24Edit CPoolUseDlg::WeekendEditor() const {
    return MakeHourlyEditor(kStrActivityWeekendLegend, weekendActivity, 0, 2);
}

void CPoolUseDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    const std::string start = MonthText(startMonth, language);
    const std::string end = MonthText(endMonth, language);
    Print(out, fr ? "PARAMÈTRES D'UTILISATION DE LA PISCINE\n" : "POOL USE DATA\n");
    Print(out, fr ? "Utilisation saisonnière\n" : "Seasonal Use\n");
    if (fr) {
        Print(out, "  Début de la saison: %2d %s\n", startDay, start.c_str());
        Print(out, "  Fin de la saison  : %2d %s\n", endDay, end.c_str());
    } else {
        Print(out, "  Start Day of Season: %s %2d\n", start.c_str(), startDay);
        Print(out, "  End Day of Season  : %s %2d\n", end.c_str(), endDay);
    }
    Print(out,
          fr ? "  Température au début de la simulation: %g C\n"
             : "  Temperature at Start of Simulation: %g C\n",
          initialTemp);
    Print(out, fr ? "Niveau d'activité dans la piscine\n" : "Pool Activity\n");
    Print(
        out,
        fr ? "  Taux de pertes / fuites journalier: %g m3\n" : "  Daily Spillage/Leakage: %g m3\n",
        spillage);
    WeekdayEditor().PrintSummary(out, language);
    if (useWeekends) WeekendEditor().PrintSummary(out, language);
    if (swimmableCriterion) {
        Print(out, fr ? "Définition des jours nageables\n" : "Swimmable Days Definition\n");
        Print(out, fr ? "  Température minimale de l'air ambiant pour aller nager:\n"
                      : "  Minimum ambient temperature for swimming:\n");
        Print(out, fr ? "    Journée ensoleillée: %g C\n" : "    Sunny day: %g C\n",
              sunnyMinAirTemp);
        Print(out, fr ? "    Journée nuageuse: %g C\n" : "    Cloudy day: %g C\n",
              cloudyMinAirTemp);
        Print(out,
              fr ? "  Température minimale de la piscine pour nager confortablement: %g C\n"
                 : "  Minimum pool temperature for swimming: %g C\n",
              minPoolTemp);
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Blanket

std::vector<DialogField> CBlanketDlg::Fields() {
    return {
        RadioField(kAlways, &dailyUse),
        DoubleField(kInsulation, &insulation, 0, 1e10),
        DoubleField(kFractionCovered, &fractionCovered, 0, 1),
        DoubleField(kLongWaveEmissivity, &longWaveEmissivity, 0, 1),
        DoubleField(kLongWaveTransmissivity, &longWaveTransmissivity, 0, 1),
        DoubleField(kShortWaveAbsorptivity, &shortWaveAbsorptivity, 0, 1),
        DoubleField(kShortWaveTransmissivity, &shortWaveTransmissivity, 0, 1),
    };
}

std::vector<ControlState> CBlanketDlg::ControlStates() const {
    const bool profiles = dailyUse == kFollowProfiles;
    return {
        {kWeekdayProfile, profiles},
        {kWeekendProfile, profiles && useWeekends != 0},
    };
}

ExchangeStatus CBlanketDlg::OnOK() {
    if (!AbsorbedAndPassedFit(shortWaveAbsorptivity, shortWaveTransmissivity))
        return ExchangeStatus::Refused(kShortWaveTransmissivity,
                                       LoadResString(kStrBlanketSumAboveOne));
    if (!AbsorbedAndPassedFit(longWaveEmissivity, longWaveTransmissivity))
        return ExchangeStatus::Refused(kLongWaveTransmissivity,
                                       LoadResString(kStrBlanketSumAboveOne));
    return {};
}

CProfile12Edit CBlanketDlg::SeasonalEditor() const {
    return MakeMonthlyEditor(kStrBlanketSeasonalLegend, seasonal, 0, 1);
}

CProfile24Edit CBlanketDlg::WeekdayEditor() const {
    return MakeHourlyEditor(kStrBlanketWeekdaysLegend, weekday, 0, 1);
}

CProfile24Edit CBlanketDlg::WeekendEditor() const {
    return MakeHourlyEditor(kStrBlanketWeekendsLegend, weekend, 0, 1);
}

void CBlanketDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, fr ? "PARAMÈTRES DE LA COUVERTURE DE PISCINE\n" : "POOL BLANKET DATA\n");
    Print(out, fr ? "Propriétés physiques\n" : "Physical Properties\n");
    Print(out,
          fr ? "  Absorptivité aux courtes longueurs d'onde: %g\n"
             : "  Short-Wave Absorptivity: %g\n",
          shortWaveAbsorptivity);
    Print(out,
          fr ? "  Transmissivité aux courtes longueurs d'onde: %g\n"
             : "  Short-Wave Transmissivity: %g\n",
          shortWaveTransmissivity);
    Print(out,
          fr ? "  Émissivité aux grandes longueurs d'onde: %g\n" : "  Long-Wave Emissivity: %g\n",
          longWaveEmissivity);
    Print(out,
          fr ? "  Transmissivité aux grandes longueurs d'onde: %g\n"
             : "  Long-Wave Transmissivity: %g\n",
          longWaveTransmissivity);
    Print(out, fr ? "  Valeur isolante: %g\n" : "  Insulation value: %g\n", insulation);
    Print(out,
          fr ? "  Fraction de la piscine couverte: %g\n" : "  Fraction of Pool Area Covered: %g\n",
          fractionCovered);
    Print(out, fr ? "Utilisation\n" : "Use\n");
    SeasonalEditor().PrintSummary(out, language);
    Print(out, fr ? "  Utilisation journalière:" : "  Daily Use = ");
    if (dailyUse == kFollowProfiles) {
        WeekdayEditor().PrintSummary(out, language);
        if (useWeekends) WeekendEditor().PrintSummary(out, language);
    } else {
        Print(out, fr ? "Toujours quand la piscine n'est pas utilisée\n"
                      : "Always when pool not in use\n");
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Auxiliary heater

std::vector<DialogField> CAuxHeaterDlg::Fields() {
    return {
        ComboIndexField(kHeaterType, &heaterType),
        DoubleField(kSetPoint, &setPoint, kPoolTemperatureRange.min, kPoolTemperatureRange.max),
        DoubleField(kCapacity, &capacity, kHeaterCapacityRange.min, kHeaterCapacityRange.max),
        DoubleField(kEfficiency, &efficiency, kHeaterEfficiencyRange.min,
                    kHeaterEfficiencyRange.max),
        CheckField(kOffOutOfSeason, &offOutOfSeason),
    };
}

std::vector<ControlText> CAuxHeaterDlg::ControlTexts() const {
    if (Kind() == HeaterKind::Fuel)
        return {{kCapacityLabel, LoadResString(kStrHeaterCapacityInput)},
                {kEfficiencyLabel, LoadResString(kStrHeaterEfficiency)},
                {kEfficiencyUnit, LoadResString(kStrUnitPercent)},
                {kCapacityUnit, "W"}};
    if (Kind() == HeaterKind::HeatPump)
        return {{kCapacityLabel, LoadResString(kStrHeatPumpCapacity)},
                {kEfficiencyLabel, LoadResString(kStrHeatPumpCop)},
                {kEfficiencyUnit, LoadResString(kStrUnitBlank)},
                {kCapacityUnit, "W"}};
    return {};
}

bool CAuxHeaterDlg::OnTypeChange(int selection) {
    if (selection == heaterType) return false;
    heaterType = selection;
    const HeaterValues shown = Shown();
    Show(other);
    other = shown;
    return true;
}

void CAuxHeaterDlg::Show(const HeaterValues& values) {
    setPoint = values.setPoint;
    capacity = values.capacity;
    efficiency = values.efficiency;
}

CProfile12Edit CAuxHeaterDlg::SeasonalEditor() const {
    return MakeMonthlyEditor(kStrHeaterSeasonalLegend, seasonal, 0, 1);
}

void CAuxHeaterDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    const char* typeName = "";
    if (Kind() == HeaterKind::Fuel) typeName = fr ? "Gaz ou mazout" : "Gas or Oil";
    if (Kind() == HeaterKind::HeatPump) typeName = fr ? "Pompe à chaleur" : "Heat Pump";
    Print(out, fr ? "PARAMÈTRES DU CHAUFFAGE D'APPOINT\n" : "AUXILIARY HEATER DATA\n");
    Print(out, fr ? "Type du chauffage d'appoint: %s\n" : "Auxiliary Heater Type: %s\n", typeName);
    Print(out, fr ? "Point de consigne en température: %g C\n" : "Temperature Setpoint: %g C\n",
          setPoint);
    if (Kind() == HeaterKind::Fuel) {
        Print(out, fr ? "Puissance maximum (en entrée): %g W\n" : "Maximum Power (Input): %g W\n",
              capacity);
        Print(out, fr ? "Efficacité du chauffage d'appoint: %g %%\n" : "Heater Efficiency: %g %%\n",
              efficiency);
    } else if (Kind() == HeaterKind::HeatPump) {
        Print(out,
              fr ? "Puissance nominale de la pompe à chaleur: %g W\n"
                 : "Nominal Heat Pump Capacity: %g W\n",
              capacity);
        Print(out, fr ? "COP nominal de la pompe à chaleur: %g\n" : "Nominal Heat Pump COP: %g\n",
              efficiency);
    }
    SeasonalEditor().PrintSummary(out, language);
    Print(out,
          fr ? "Le chauffage est arrêté en dehors de la saison d'utilisation de la piscine: %c\n"
             : "Heater is off outside season of use of pool: %c\n",
          SwitchMark(offOutOfSeason));
    Print(out, "\n");
}
