#include "pool_dialogs.h"

#include "helpers.h"
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
        DoubleField(kSurface, &surface, 0.01, 1e10),
        DoubleField(kMainsTemp, &mainsTemp, 0, 100),
        DoubleField(kIndoorTemp, &indoorTemp),
        DoubleField(kIndoorRelHum, &indoorRelHum, 0, 100),
        DoubleField(kVentilation, &ventilation, 0, 1e10),
        DoubleField(kFractionAboveGround, &fractionAboveGround, 0, 1),
        DoubleField(kWallEmissivity, &wallEmissivity, 0, 1),
        DoubleField(kWallAbsorptivity, &wallAbsorptivity, 0, 1),
        DoubleField(kInsulation, &insulation, 0, 1e10),
        DoubleField(kDeepSoilTemp, &deepSoilTemp, 0, 40),
        DoubleField(kShadedFraction, &shadedFraction, 0, 1),
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

void CPoolDesignDlg::PrintSummary(std::ostream& out, int language) const {
    const bool indoor = poolType == kIndoor;
    if (language == kFrench) {
        Print(out, "PARAMÈTRES DE CONCEPTION DE LA PISCINE\n");
        Print(out, "Type de piscine: %s", indoor ? "Intérieure\n" : "Extérieure\n");
        Print(out, "Volume d'eau: %g m3\n", volume);
        Print(out, "Surface: %g m2\n", surface);
        Print(out, "Temp. de l'approvisionnement en eau: %g C\n", mainsTemp);
        if (indoor) {
            Print(out, "Conditions de l'espace intérieur de la piscine\n");
            Print(out, "  Température: %g C\n", indoorTemp);
            Print(out, "  Humidité relative: %g %%\n", indoorRelHum);
            Print(out, "  Débit de l'air de ventilation: %g m/s\n", ventilation);
        }
        Print(out, "Fraction de la piscine hors du sol: %g\n", fractionAboveGround);
        Print(out, "Émissivité des murs extérieurs hors du sol: %g\n", wallEmissivity);
        Print(out, "Absorptivité des murs extérieurs hors du sol: %g\n", wallAbsorptivity);
        Print(out, "Isolation des côtés et du fond: %g m2.C/W\n", insulation);
        Print(out, "Température du sol en profondeur, ou du local technique: %g C\n", deepSoilTemp);
        if (!indoor) Print(out, "Fraction de la piscine ombragée: %g\n", shadedFraction);
        Print(out, "Facteur correctif éolien: %g\n", windCorrection);
    } else {
        Print(out, "POOL DESIGN DATA\n");
        Print(out, "Pool Type: %s", indoor ? "Indoor\n" : "Outdoor\n");
        Print(out, "Water Volume: %g m3\n", volume);
        Print(out, "Surface: %g m2\n", surface);
        Print(out, "Mains Water Temperature: %g C\n", mainsTemp);
        if (indoor) {
            Print(out, "Indoor Pool Room Conditions\n");
            Print(out, "  Temperature: %g C\n", indoorTemp);
            Print(out, "  Relative Humidity: %g %%\n", indoorRelHum);
            Print(out, "  Ventilation Air Flow: %g m/s\n", ventilation);
        }
        Print(out, "Fraction of Pool Above Ground: %g\n", fractionAboveGround);
        Print(out, "Emissivity of Outside Walls Above Ground: %g\n", wallEmissivity);
        Print(out, "Absorptivity of Outside Walls Above Ground: %g\n", wallAbsorptivity);
        Print(out, "Insulation on Sides / Bottom: %g m2.C/W\n", insulation);
        Print(out, "Temperature Deep in Soil or in Mechanical Room: %g C\n", deepSoilTemp);
        if (!indoor) Print(out, "Fraction of Pool Shaded from Sun: %g\n", shadedFraction);
        Print(out, "Wind Speed Correction Factor: %g\n", windCorrection);
    }
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

void CPoolUseDlg::PrintSummary(std::ostream& out, int language) const {
    const bool fr = language == kFrench;
    const std::string start = MonthText(startMonth, language);
    const std::string end = MonthText(endMonth, language);
    if (fr) {
        Print(out, "PARAMÈTRES D'UTILISATION DE LA PISCINE\n");
        Print(out, "Utilisation saisonnière\n");
        Print(out, "  Début de la saison: %2d %s\n", startDay, start.c_str());
        Print(out, "  Fin de la saison  : %2d %s\n", endDay, end.c_str());
        Print(out, "  Température au début de la simulation: %g C\n", initialTemp);
        Print(out, "Niveau d'activité dans la piscine\n");
        Print(out, "  Taux de pertes / fuites journalier: %g m3\n", spillage);
    } else {
        Print(out, "POOL USE DATA\n");
        Print(out, "Seasonal Use\n");
        Print(out, "  Start Day of Season: %s %2d\n", start.c_str(), startDay);
        Print(out, "  End Day of Season  : %s %2d\n", end.c_str(), endDay);
        Print(out, "  Temperature at Start of Simulation: %g C\n", initialTemp);
        Print(out, "Pool Activity\n");
        Print(out, "  Daily Spillage/Leakage: %g m3\n", spillage);
    }
    WeekdayEditor().PrintSummary(out, language);
    if (useWeekends) WeekendEditor().PrintSummary(out, language);
    if (swimmableCriterion) {
        if (fr) {
            Print(out, "Définition des jours nageables\n");
            Print(out, "  Température minimale de l'air ambiant pour aller nager:\n");
            Print(out, "    Journée ensoleillée: %g C\n", sunnyMinAirTemp);
            Print(out, "    Journée nuageuse: %g C\n", cloudyMinAirTemp);
            Print(out, "  Température minimale de la piscine pour nager confortablement: %g C\n",
                  minPoolTemp);
        } else {
            Print(out, "Swimmable Days Definition\n");
            Print(out, "  Minimum ambient temperature for swimming:\n");
            Print(out, "    Sunny day: %g C\n", sunnyMinAirTemp);
            Print(out, "    Cloudy day: %g C\n", cloudyMinAirTemp);
            Print(out, "  Minimum pool temperature for swimming: %g C\n", minPoolTemp);
        }
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

CProfile12Edit CBlanketDlg::SeasonalEditor() const {
    return MakeMonthlyEditor(kStrBlanketSeasonalLegend, seasonal, 0, 1);
}

CProfile24Edit CBlanketDlg::WeekdayEditor() const {
    return MakeHourlyEditor(kStrBlanketWeekdaysLegend, weekday, 0, 1);
}

CProfile24Edit CBlanketDlg::WeekendEditor() const {
    return MakeHourlyEditor(kStrBlanketWeekendsLegend, weekend, 0, 1);
}

void CBlanketDlg::PrintSummary(std::ostream& out, int language) const {
    const bool fr = language == kFrench;
    if (fr) {
        Print(out, "PARAMÈTRES DE LA COUVERTURE DE PISCINE\n");
        Print(out, "Propriétés physiques\n");
        Print(out, "  Absorptivité aux courtes longueurs d'onde: %g\n", shortWaveAbsorptivity);
        Print(out, "  Transmissivité aux courtes longueurs d'onde: %g\n", shortWaveTransmissivity);
        Print(out, "  Émissivité aux grandes longueurs d'onde: %g\n", longWaveEmissivity);
        Print(out, "  Transmissivité aux grandes longueurs d'onde: %g\n", longWaveTransmissivity);
        Print(out, "  Valeur isolante: %g\n", insulation);
        Print(out, "  Fraction de la piscine couverte: %g\n", fractionCovered);
        Print(out, "Utilisation\n");
    } else {
        Print(out, "POOL BLANKET DATA\n");
        Print(out, "Physical Properties\n");
        Print(out, "  Short-Wave Absorptivity: %g\n", shortWaveAbsorptivity);
        Print(out, "  Short-Wave Transmissivity: %g\n", shortWaveTransmissivity);
        Print(out, "  Long-Wave Emissivity: %g\n", longWaveEmissivity);
        Print(out, "  Long-Wave Transmissivity: %g\n", longWaveTransmissivity);
        Print(out, "  Insulation value: %g\n", insulation);
        Print(out, "  Fraction of Pool Area Covered: %g\n", fractionCovered);
        Print(out, "Use\n");
    }
    SeasonalEditor().PrintSummary(out, language);
    Print(out, "%s", fr ? "  Utilisation journalière:" : "  Daily Use = ");
    if (dailyUse == kFollowProfiles) {
        WeekdayEditor().PrintSummary(out, language);
        if (useWeekends) WeekendEditor().PrintSummary(out, language);
    } else {
        Print(out, "%s",
              fr ? "Toujours quand la piscine n'est pas utilisée\n"
                 : "Always when pool not in use\n");
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Auxiliary heater

std::vector<DialogField> CAuxHeaterDlg::Fields() {
    return {
        ComboIndexField(kHeaterType, &heaterType),
        DoubleField(kSetPoint, &setPoint, 0, 50),
        DoubleField(kCapacity, &capacity, 0, 1e10),
        DoubleField(kEfficiency, &efficiency, kMinEfficiency, 100),
        CheckField(kOffOutOfSeason, &offOutOfSeason),
    };
}

std::vector<ControlText> CAuxHeaterDlg::ControlTexts() const {
    if (heaterType == kFuelFired)
        return {{kCapacityLabel, LoadResString(kStrHeaterCapacityInput)},
                {kEfficiencyLabel, LoadResString(kStrHeaterEfficiency)},
                {kEfficiencyUnit, LoadResString(kStrUnitPercent)},
                {kCapacityUnit, "W"}};
    if (heaterType == kHeatPump)
        return {{kCapacityLabel, LoadResString(kStrHeatPumpCapacity)},
                {kEfficiencyLabel, LoadResString(kStrHeatPumpCop)},
                {kEfficiencyUnit, LoadResString(kStrUnitBlank)},
                {kCapacityUnit, "W"}};
    return {};
}

bool CAuxHeaterDlg::OnTypeChange(int selection) {
    if (selection == heaterType) return false;
    heaterType = selection;
    return true;
}

CProfile12Edit CAuxHeaterDlg::SeasonalEditor() const {
    return MakeMonthlyEditor(kStrHeaterSeasonalLegend, seasonal, 0, 1);
}

void CAuxHeaterDlg::PrintSummary(std::ostream& out, int language) const {
    const bool fr = language == kFrench;
    const char* typeName = "";
    if (heaterType == kFuelFired) typeName = fr ? "Gaz ou mazout" : "Gas or Oil";
    if (heaterType == kHeatPump) typeName = fr ? "Pompe à chaleur" : "Heat Pump";
    if (fr) {
        Print(out, "PARAMÈTRES DU CHAUFFAGE D'APPOINT\n");
        Print(out, "Type du chauffage d'appoint: %s\n", typeName);
        Print(out, "Point de consigne en température: %g C\n", setPoint);
        if (heaterType == kFuelFired) {
            Print(out, "Puissance maximum (en entrée): %g W\n", capacity);
            Print(out, "Efficacité du chauffage d'appoint: %g %%\n", efficiency);
        } else if (heaterType == kHeatPump) {
            Print(out, "Puissance nominale de la pompe à chaleur: %g W\n", capacity);
            Print(out, "COP nominal de la pompe à chaleur: %g\n", efficiency);
        }
    } else {
        Print(out, "AUXILIARY HEATER DATA\n");
        Print(out, "Auxiliary Heater Type: %s\n", typeName);
        Print(out, "Temperature Setpoint: %g C\n", setPoint);
        if (heaterType == kFuelFired) {
            Print(out, "Maximum Power (Input): %g W\n", capacity);
            Print(out, "Heater Efficiency: %g %%\n", efficiency);
        } else if (heaterType == kHeatPump) {
            Print(out, "Nominal Heat Pump Capacity: %g W\n", capacity);
            Print(out, "Nominal Heat Pump COP: %g\n", efficiency);
        }
    }
    SeasonalEditor().PrintSummary(out, language);
    Print(out,
          fr ? "Le chauffage est arrêté en dehors de la saison d'utilisation de la piscine: %c\n"
             : "Heater is off outside season of use of pool: %c\n",
          SwitchMark(offOutOfSeason));
    Print(out, "\n");
}
