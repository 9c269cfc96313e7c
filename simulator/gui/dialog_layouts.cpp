#include "dialog_layouts.h"

#include "collector_dialogs.h"
#include "helpers.h"
#include "pool_dialogs.h"
#include "setup_dialogs.h"
#include "simulator_strings.h"

namespace {

Words T(const char* english, const char* french = "") {
    return {english, french, 0};
}
Words S(int stringId) {
    return {"", "", stringId};
}

LayoutRow Group(Words title) {
    return {RowKind::kGroup, 0, std::move(title), {}};
}
LayoutRow Column() {
    return {RowKind::kColumn, 0, {}, {}};
}
LayoutRow Edit(int id, Words label, Words unit = {}) {
    return {RowKind::kEdit, id, std::move(label), std::move(unit)};
}
LayoutRow WideEdit(int id, Words label) {
    LayoutRow row = Edit(id, std::move(label));
    row.wide = true;
    return row;
}
// An edit whose label and unit the dialog's rules write.
LayoutRow RuledEdit(int id, int labelId, Words label, int unitId, Words unit) {
    LayoutRow row = Edit(id, std::move(label), std::move(unit));
    row.labelId = labelId;
    row.unitId = unitId;
    return row;
}
LayoutRow Check(int id, Words text) {
    return {RowKind::kCheck, id, std::move(text), {}};
}
LayoutRow Radios(Words label, std::vector<Choice> buttons) {
    return {RowKind::kRadios, 0, std::move(label), {}, std::move(buttons)};
}
LayoutRow List(int id, Words label, std::vector<Choice> entries) {
    return {RowKind::kChoice, id, std::move(label), {}, std::move(entries)};
}
// A "..." button that opens a profile, beside what it edits.
LayoutRow Profile(int id, Words what, int whatId = 0) {
    LayoutRow row{RowKind::kButton, id, T("..."), std::move(what)};
    row.unitId = whatId;
    return row;
}
LayoutRow Button(int id, Words text) {
    return {RowKind::kButton, id, std::move(text), {}};
}
LayoutRow Static(int id, Words text = {}) {
    return {RowKind::kStatic, id, std::move(text), {}};
}
LayoutRow Note(Words text) {
    return {RowKind::kNote, 0, std::move(text), {}};
}

std::vector<Choice> Months() {
    std::vector<Choice> months;
    for (int month = 1; month <= 12; ++month) {
        char english[10], french[10];
        months.push_back({0,
                          {MonthName(month, english, Language::English),
                           MonthName(month, french, Language::French), 0}});
    }
    return months;
}

const Words kDegrees = T("degrees", "degrés");
const Words kCelsius = T("C");

DialogLayout Configuration() {
    using D = CPoolConfigDlg;
    return {
        T("Configuration", "Configuration"),
        "configuration",
        0,
        {
            Group(T("Pool configuration", "Configuration de la piscine")),
            Check(D::kSolar, T("Solar collector", "Capteurs solaires")),
            Check(D::kExchanger, T("Heat exchanger", "Échangeur de chaleur")),
            Check(D::kAuxHeater, T("Auxiliary heater", "Chauffage d'appoint")),
            Check(D::kAlternateInput,
                  T("Use alternate input file", "Utiliser le fichier de données alternatives")),
            Check(D::kHourlyOutput,
                  T("Require hourly printout", "Impression horaire des résultats")),
            Check(D::kEconomics, T("Perform economic analysis", "Faire une analyse économique")),
            Group(T("Week/weekend", "Semaine/fin de semaine")),
            Check(D::kWeekends, T("Use different profiles for week and weekend",
                                  "Profils différents pour semaine et fin de semaine")),
            Edit(D::kWeekLength, T("Number of days in week", "Jours dans une « semaine »"),
                 T("days", "jours")),
            Edit(D::kWeekendLength,
                 T("Number of days in weekend", "Jours dans une « fin de semaine »"),
                 T("days", "jours")),
            Group(T("Swimmable days", "Jours nageables")),
            Check(D::kSwimmable,
                  T("Use swimmable days concept", "Utiliser le concept de « jours nageables »")),
            Check(D::kComparativeRun,
                  T("Perform comparative run", "Faire une simulation comparative")),
        }};
}

DialogLayout Weather() {
    using D = CWeatherDlg;
    const Words west = T("degrees W", "degrés W");
    return {T("Weather File", "Fichier climatique"),
            "weather",
            0,
            {
                Group(T("Weather file", "Fichier climatique")),
                Radios(T("Format:", "Format :"),
                       {{D::kFormatTmy, T("Korvex &TMY", "&TMY Korvex")},
                        {D::kFormatAscii, T("Comma or blank-delimited ASCII",
                                            "ASCII délimité par virgules ou espaces")},
                        {D::kFormatZefir, T("&ZEFIR binary", "binaire &ZEFIR")}}),
                WideEdit(D::kFileName, T("File name", "Nom du fichier")),
                Button(D::kBrowse, T("&Browse...", "&Parcourir...")),
                Button(D::kUpdate, T("&Update...", "&Mettre à jour...")),
                Note(T("An ASCII table holds one record an hour: its first record is the first "
                       "hour of the simulated season (Simulation Data), whatever date it was "
                       "written for. Its columns are found by name: HGlo, TAmb, RelHum, VWind.",
                       "Un tableau ASCII contient un enregistrement par heure : son premier "
                       "enregistrement est la première heure de la saison simulée (Paramètres de "
                       "simulation), quelle que soit la date pour laquelle il a été écrit. Ses "
                       "colonnes sont trouvées par leur nom : HGlo, TAmb, RelHum, VWind.")),
                Group(T("Location", "Localité")),
                WideEdit(D::kCityName, T("City name", "Nom de la localité")),
                Edit(D::kLatitude, T("Latitude", "Latitude"), T("degrees N", "degrés N")),
                Group(T("Time base", "Base temporelle")),
                Radios({}, {{D::kSolarTime,
                             T("Local Apparent (Solar) Time", "Temps apparent (solaire) local")},
                            {D::kStandardTime, T("Local Standard Time", "Temps local standard")}}),
                Edit(D::kStationLongitude, T("Station longitude", "Longitude de la station"), west),
                Edit(D::kMeridianLongitude, T("Meridian longitude", "Longitude du méridien"), west),
            }};
}

const Words kAlternateRecords = T(
    "One record an hour: the first record is the first hour of the simulated season (Simulation "
    "Data), whatever date it was written for. Columns read by name (any letter case): HGlo, TAmb, "
    "RelHum, VWind, Albedo, TGlo, TAmbPool, RelHumPool, VWindPool, HDirPool, HDifPool, "
    "FractionShaded, MdotMakeup, TMains, TDeepGround, Activity, BlanketOn, TSoilPipe, QColl, Tci, "
    "Tco, MdotColl, MdotExch, TReturn, CollOn; other columns are left alone.",
    "Un enregistrement par heure : le premier enregistrement est la première heure de la saison "
    "simulée (Paramètres de simulation), quelle que soit la date pour laquelle il a été écrit. "
    "Colonnes lues par leur nom (majuscules ou minuscules) : HGlo, TAmb, RelHum, VWind, Albedo, "
    "TGlo, TAmbPool, RelHumPool, VWindPool, HDirPool, HDifPool, FractionShaded, MdotMakeup, "
    "TMains, TDeepGround, Activity, BlanketOn, TSoilPipe, QColl, Tci, Tco, MdotColl, MdotExch, "
    "TReturn, CollOn ; les autres colonnes sont ignorées.");

DialogLayout Alternate() {
    using D = CAlternateDlg;
    return {T("Alternate Input File", "Fichier de données alternatives"),
            "alternate",
            0,
            {
                WideEdit(D::kFileName, T("File name", "Nom du fichier")),
                Button(D::kBrowse, T("&Browse...", "&Parcourir...")),
                Note(kAlternateRecords),
            }};
}

DialogLayout Simulation() {
    using D = CSimulationDlg;
    LayoutRow start = Edit(D::kStartDay, T("Start day", "Jour de début"));
    start.unitId = D::kStartDayOfYear;
    LayoutRow end = Edit(D::kEndDay, T("End day", "Jour de fin"));
    end.unitId = D::kEndDayOfYear;
    return {
        T("Simulation Data", "Paramètres de simulation"),
        "simulation",
        0,
        {
            Group(T("Simulation period", "Période de simulation")),
            List(D::kStartMonth, T("Start month", "Mois de début"), Months()),
            start,
            List(D::kEndMonth, T("End month", "Mois de fin"), Months()),
            end,
            Edit(D::kNumDays, T("Number of days", "Nombre de jours"), T("days", "jours")),
            Check(D::kPrintParameters, T("Require printout of simulation parameters",
                                         "Impression des paramètres de simulation")),
            Group(T("Numerical algorithms", "Algorithmes numériques")),
            Edit(D::kPrecision,
                 T("Precision on temperatures", "Seuil de convergence des températures"), kCelsius),
            Edit(D::kMaxIterations,
                 T("Maximum number of iterations", "Nombre maximum d'itérations")),
        }};
}

DialogLayout CollectorTest() {
    using D = CCollectorTestDlg;
    return {T("Collector Test Data", "Paramètres de test des capteurs"),
            "collector_test",
            0,
            {
                List(D::kCollectorType, T("Collector type", "Type de capteur"),
                     {{0, S(kStrGlazed)}, {0, S(kStrUnglazed)}}),
                Edit(D::kArea, T("Area of one collector", "Aire d'un seul capteur"), T("m2")),
                Edit(D::kTestFlow, T("Test flow rate", "Débit de test"), S(kStrUnitKgPerS)),
                Group(T("Test parameters", "Paramètres de test")),
                Static(D::kEquation, S(kStrGlazedEquation)),
                Edit(D::kA, T("A")),
                RuledEdit(D::kB, 0, T("B"), D::kBUnit, S(kStrUnitPerC)),
                RuledEdit(D::kC, 0, T("C"), D::kCUnit, S(kStrUnitWm2C)),
                RuledEdit(D::kD, 0, T("D"), D::kDUnit, S(kStrUnitWm2C2)),
                RuledEdit(D::kE, 0, T("E"), D::kEUnit, S(kStrUnitWm2)),
                Group(T("Incidence angle modifiers",
                        "Coefficients correcteurs de l'angle d'incidence")),
                Radios({}, {{D::kModifiersNone, T("&None", "&Aucun")},
                            {D::kModifiersProfile, T("Pr&ofile", "Pr&ofil")}}),
                Profile(D::kModifierTable, T("Modifier table", "Table des coefficients")),
            }};
}

DialogLayout CollectorUse() {
    using D = CCollectorUseDlg;
    return {T("Collector Use Data", "Paramètres d'utilisation des capteurs"),
            "collector_use",
            0,
            {
                Group(T("Collector array", "Champ de capteurs")),
                Edit(D::kInSeries, T("Collectors in series", "Capteurs en série")),
                Edit(D::kGroupsInParallel, T("Series groups in parallel in a bank",
                                             "Groupes en série en parallèle par batterie")),
                Edit(D::kBanks, T("Banks of collectors", "Batteries de capteurs")),
                Group(T("Orientation", "Orientation")),
                Edit(D::kSlope, T("Slope", "Inclinaison"), kDegrees),
                Edit(D::kAzimuth, T("Azimuth", "Azimut"), kDegrees),
                Group(T("Unglazed collector", "Capteur non vitré")),
                Edit(D::kWindCorrection,
                     T("Wind speed correction factor", "Facteur de correction du vent")),
                Edit(D::kWindThreshold, T("Wind speed threshold", "Seuil éolien"), T("m/s")),
                List(D::kRoofType, T("Collector sits on", "Les capteurs reposent sur"),
                     {{0, T("Insulation", "Isolation")},
                      {0, T("Asphalt roof, insulated", "Toit en asphalte, isolé")},
                      {0, T("Asphalt roof, not insulated", "Toit en asphalte, non isolé")}}),
                Column(),
                Group(T("Controller", "Régulateur thermique")),
                Edit(D::kDeltaTOn, T("Delta T on", "Delta T pour mise en marche"), kCelsius),
                Edit(D::kDeltaTOff, T("Delta T off", "Delta T pour arrêt"), kCelsius),
                Edit(D::kTMaxPool, T("Tmax pool", "Tmax piscine"), kCelsius),
                Group(T("Pump", "Pompe")),
                Edit(D::kPumpFlow, T("Pump flow rate", "Débit de la pompe"), S(kStrUnitKgPerS)),
                Edit(D::kPumpPower, T("Pump power", "Puissance de la pompe"), S(kStrUnitWatt)),
                Edit(D::kPumpFraction, T("Fraction of pump power\ntransferred to fluid",
                                         "Fraction de la puissance\ntransférée au fluide")),
            }};
}

DialogLayout Pipes() {
    using D = CPipesDlg;
    const Words metres = T("m");
    const Words loss = T("W/m/C");
    return {
        T("Pipes Data", "Paramètres des canalisations"),
        "pipes",
        0,
        {
            Group(T("Lengths", "Longueurs")),
            Edit(D::kInletInside, T("Inlet pipe, inside", "Canalisation d'entrée, à l'intérieur"),
                 metres),
            Edit(D::kInletOutside, T("Inlet pipe, outside", "Canalisation d'entrée, à l'extérieur"),
                 metres),
            Edit(D::kOutletInside,
                 T("Outlet pipe, inside", "Canalisation de sortie, à l'intérieur"), metres),
            Edit(D::kOutletOutside,
                 T("Outlet pipe, outside", "Canalisation de sortie, à l'extérieur"), metres),
            Group(T("Insulation (per unit pipe length)",
                    "Isolation (par unité de longueur de canalisation)")),
            Edit(D::kLossInside,
                 T("Heat loss coefficient inside", "Taux de perte de chaleur à l'intérieur"), loss),
            Edit(D::kLossOutside,
                 T("Heat loss coefficient outside", "Taux de perte de chaleur à l'extérieur"),
                 loss),
            Group(T("Temperature", "Température")),
            Edit(D::kSurroundTemp,
                 T("Average indoor/soil temperature", "Température moyenne intérieure ou du sol"),
                 kCelsius),
        }};
}

DialogLayout HeatExchanger() {
    using D = CHeatExchangerDlg;
    return {
        T("Heat Exchanger Data", "Paramètres de l'échangeur de chaleur"),
        "exchanger",
        0,
        {
            Edit(D::kEffectiveness, T("Heat exchanger effectiveness", "Efficacité de l'échangeur")),
            RuledEdit(D::kFluidCp, 0,
                      T("Collector fluid heat capacitance", "Capacité calorifique du fluide"),
                      D::kCpUnit, S(kStrUnitJkgC)),
            Group(T("Pump on pool side", "Pompe côté piscine")),
            RuledEdit(D::kPumpFlow, 0, T("Pump flow rate", "Débit de la pompe"), D::kFlowUnit,
                      S(kStrUnitKgPerS)),
            RuledEdit(D::kPumpPower, 0, T("Pump power", "Puissance de la pompe"), D::kPowerUnit,
                      S(kStrUnitWatt)),
            Edit(D::kPumpFraction, T("Fraction of pump power transferred to fluid",
                                     "Fraction de la puissance transférée au fluide")),
        }};
}

DialogLayout PoolDesign() {
    using D = CPoolDesignDlg;
    return {
        T("Pool Design Data", "Paramètres de conception de la piscine"),
        "pool_design",
        0,
        {
            Group(T("Pool", "Piscine")),
            List(D::kPoolType, T("Pool type", "Type de piscine"),
                 {{0, T("Outdoor", "Extérieure")}, {0, T("Indoor", "Intérieure")}}),
            Edit(D::kVolume, T("Water volume", "Volume d'eau"), T("m3")),
            Edit(D::kSurface, T("Surface", "Surface"), T("m2")),
            Edit(D::kMainsTemp, T("Mains water temperature", "Température de l'eau du réseau"),
                 kCelsius),
            Edit(D::kWindCorrection, T("Wind speed correction factor", "Facteur correctif éolien")),
            Edit(D::kShadedFraction,
                 T("Fraction shaded from sun (outdoor)", "Fraction ombragée (extérieure)")),
            Group(T("Indoor pool room conditions", "Conditions de l'espace intérieur")),
            Edit(D::kIndoorTemp, T("Temperature", "Température"), kCelsius),
            Edit(D::kIndoorRelHum, T("Relative humidity", "Humidité relative"), T("%")),
            Edit(D::kVentilation, T("Ventilation air flow", "Débit de l'air de ventilation"),
                 T("m/s")),
            Column(),
            Group(T("Walls and soil", "Murs et sol")),
            Edit(D::kFractionAboveGround,
                 T("Fraction of pool above ground", "Fraction de la piscine hors du sol")),
            Edit(D::kWallEmissivity, T("Emissivity of outside walls above ground",
                                       "Émissivité des murs extérieurs hors du sol")),
            Edit(D::kWallAbsorptivity, T("Absorptivity of outside walls above ground",
                                         "Absorptivité des murs extérieurs hors du sol")),
            Edit(D::kInsulation, T("Insulation on sides/bottom", "Isolation des côtés et du fond"),
                 T("m2.C/W")),
            Edit(D::kDeepSoilTemp,
                 T("Temperature deep in soil\nor in mechanical room",
                   "Température du sol en profondeur\nou du local technique"),
                 kCelsius),
            Radios(T("Pool sits above", "La piscine repose sur"),
                   {{D::kSitsOnSoil, T("Soil", "Le sol")},
                    {D::kSitsInMechanicalRoom, T("Mechanical Room", "Le local technique")}}),
        }};
}

DialogLayout PoolUse() {
    using D = CPoolUseDlg;
    return {
        T("Pool Use Data", "Paramètres d'utilisation de la piscine"),
        "pool_use",
        0,
        {
            Group(T("Seasonal use", "Utilisation saisonnière")),
            List(D::kStartMonth, T("Start month of season", "Mois de début de la saison"),
                 Months()),
            Edit(D::kStartDay, T("Start day", "Jour de début")),
            List(D::kEndMonth, T("End month of season", "Mois de fin de la saison"), Months()),
            Edit(D::kEndDay, T("End day", "Jour de fin")),
            Edit(D::kInitialTemp,
                 T("Temperature at start of simulation", "Température au début de la simulation"),
                 kCelsius),
            Group(T("Pool activity", "Niveau d'activité dans la piscine")),
            Edit(D::kSpillage, T("Daily spillage/leakage", "Pertes / fuites journalières"),
                 T("m3/day", "m3/jour")),
            Profile(D::kWeekdayProfile, S(kStrActivityWeekdays), D::kWeekdayLabel),
            Profile(D::kWeekendProfile, S(kStrActivityWeekend), D::kWeekendLabel),
            Group(T("Swimmable days definition", "Définition des jours nageables")),
            Edit(D::kSunnyMinAirTemp,
                 T("Minimum air temperature, sunny day", "Air minimum, journée ensoleillée"),
                 kCelsius),
            Edit(D::kCloudyMinAirTemp,
                 T("Minimum air temperature, cloudy day", "Air minimum, journée nuageuse"),
                 kCelsius),
            Edit(D::kMinPoolTemp, T("Minimum pool temperature", "Piscine minimum"), kCelsius),
        }};
}

DialogLayout Blanket() {
    using D = CBlanketDlg;
    return {
        T("Pool Blanket Data", "Paramètres de la couverture de piscine"),
        "blanket",
        0,
        {
            Group(T("Physical properties", "Propriétés physiques")),
            Edit(D::kShortWaveAbsorptivity,
                 T("Short-wave absorptivity", "Absorptivité aux courtes longueurs d'onde")),
            Edit(D::kShortWaveTransmissivity,
                 T("Short-wave transmissivity", "Transmissivité aux courtes longueurs d'onde")),
            Edit(D::kLongWaveEmissivity,
                 T("Long-wave emissivity", "Émissivité aux grandes longueurs d'onde")),
            Edit(D::kLongWaveTransmissivity,
                 T("Long-wave transmissivity", "Transmissivité aux grandes longueurs d'onde")),
            Edit(D::kInsulation, T("Insulation value", "Valeur isolante"), T("m2.C/W")),
            Edit(D::kFractionCovered,
                 T("Fraction of pool area covered", "Fraction de la piscine couverte")),
            Group(T("Use", "Utilisation")),
            Profile(D::kSeasonalProfile, T("Seasonal use", "Utilisation saisonnière")),
            Radios(
                T("Daily use", "Utilisation journalière"),
                {{D::kAlways,
                  T("Always when pool not in use", "Toujours quand la piscine n'est pas utilisée")},
                 {D::kProfiles, T("Use following profiles:", "Utiliser les profils suivants :")}}),
            Profile(D::kWeekdayProfile, T("Weekdays", "Jours de semaine")),
            Profile(D::kWeekendProfile, T("Weekends", "Fins de semaine")),
        }};
}

DialogLayout AuxHeater() {
    using D = CAuxHeaterDlg;
    return {
        T("Auxiliary Heater Data", "Paramètres du chauffage d'appoint"),
        "aux_heater",
        0,
        {
            List(D::kHeaterType, T("Heater type", "Type de chauffage"),
                 {{0, T("Gas or Oil", "Gaz ou mazout")}, {0, T("Heat Pump", "Pompe à chaleur")}}),
            Edit(D::kSetPoint, T("Temperature set point", "Point de consigne en température"),
                 kCelsius),
            RuledEdit(D::kCapacity, D::kCapacityLabel, S(kStrHeaterCapacityInput), D::kCapacityUnit,
                      S(kStrUnitWatt)),
            RuledEdit(D::kEfficiency, D::kEfficiencyLabel, S(kStrHeaterEfficiency),
                      D::kEfficiencyUnit, S(kStrUnitPercent)),
            Profile(D::kSeasonalProfile, T("Seasonal use", "Utilisation saisonnière")),
            Check(D::kOffOutOfSeason, T("Heater is off outside season of use of pool",
                                        "Chauffage arrêté hors de la saison d'utilisation")),
        }};
}

DialogLayout Economics() {
    using D = CEconomicsDlg;
    const Words dollars = T("$");
    const Words rate = T("%/year", "%/an");
    return {
        T("Economic Data", "Paramètres économiques"),
        "economics",
        0,
        {
            Group(T("System parameters", "Paramètres du système")),
            Edit(D::kSystemLife, T("System life", "Durée de vie du système"), T("years", "années")),
            Edit(D::kCostPerCollector, T("Cost per collector", "Coût par capteur"),
                 T("$/collector", "$/capteur")),
            Edit(D::kInstallationCost, T("Installation cost", "Coûts d'installation"), dollars),
            Edit(D::kMaintenanceCost, T("Maintenance cost", "Coûts de maintenance"),
                 T("$/year", "$/an")),
            Edit(D::kResaleValue, T("Resale value", "Valeur de revente"), dollars),
            Group(T("Energy costs", "Coûts énergétiques")),
            Edit(D::kPrimaryEnergyCost,
                 T("Primary energy (gas or oil)", "Énergie primaire (gaz ou mazout)"), T("$/GJ")),
            Edit(D::kElectricityCost, T("Electricity", "Électricité"), T("$/kWh")),
            Column(),
            Group(T("Financial parameters", "Paramètres financiers")),
            Edit(D::kDownPayment, T("Down payment", "Acompte"), dollars),
            Edit(D::kInterestRate, T("Interest rate", "Taux d'intérêt"), rate),
            Edit(D::kDiscountRate, T("Discount rate", "Taux d'escompte"), rate),
            Edit(D::kInflationRate, T("Inflation rate", "Taux d'inflation"), rate),
            Edit(D::kFuelInflationRate, T("Fuel inflation rate", "Taux d'inflation de l'énergie"),
                 rate),
        }};
}

struct LayoutOf {
    int templateId;
    DialogLayout (*layout)();
};

constexpr LayoutOf kLayouts[] = {
    {CPoolConfigDlg::kTemplate, Configuration},
    {CWeatherDlg::kTemplate, Weather},
    {CAlternateDlg::kTemplate, Alternate},
    {CSimulationDlg::kTemplate, Simulation},
    {CCollectorTestDlg::kTemplate, CollectorTest},
    {CCollectorUseDlg::kTemplate, CollectorUse},
    {CPipesDlg::kTemplate, Pipes},
    {CHeatExchangerDlg::kTemplate, HeatExchanger},
    {CPoolDesignDlg::kTemplate, PoolDesign},
    {CPoolUseDlg::kTemplate, PoolUse},
    {CBlanketDlg::kTemplate, Blanket},
    {CAuxHeaterDlg::kTemplate, AuxHeater},
    {CEconomicsDlg::kTemplate, Economics},
};

const Words kProfileEditor = T("Profile Editor", "Éditeur de profil");
constexpr const char* kProfilesPage = "profiles";
constexpr const char* kHourlyPage = "hourly_outputs";

// Hours or months laid out in columns of this many, as the summaries print them.
int RowsOfProfile(int valueCount) {
    return valueCount == 24 ? 6 : 3;
}

}  // namespace

std::optional<DialogLayout> InputDialogLayout(int templateId) {
    for (const LayoutOf& entry : kLayouts)
        if (entry.templateId == templateId) return entry.layout();
    return std::nullopt;
}

DialogLayout ProfileDoubleLayout() {
    using D = CProfileDoubleEdit;
    DialogLayout layout{kProfileEditor, kProfilesPage, 0, {}};
    for (int row = 0; row < 2; ++row) {
        if (row == 1) layout.rows.push_back(Column());
        // The labels of the rows, set by the editor, title their groups.
        LayoutRow group = Group(T("Label for X values", "Étiquette des valeurs X"));
        group.id = row == 0 ? D::kXLabel : D::kYLabel;
        layout.rows.push_back(group);
        for (int i = 0; i < D::kPoints; ++i)
            layout.rows.push_back(
                Edit((row == 0 ? D::kFirstX : D::kFirstY) + i, {std::to_string(i + 1), "", 0}));
    }
    return layout;
}

DialogLayout ProfileLayout(int valueCount) {
    DialogLayout layout{kProfileEditor, kProfilesPage, CProfile24Edit::kLegend, {}};
    const int rows = RowsOfProfile(valueCount);
    for (int i = 0; i < valueCount; ++i) {
        if (i > 0 && i % rows == 0) layout.rows.push_back(Column());
        Words label{std::to_string(i + 1), "", 0};
        if (valueCount == 12) {
            char english[10], french[10];
            label = {MonthShortName(i + 1, english, Language::English),
                     MonthShortName(i + 1, french, Language::French), 0};
        }
        layout.rows.push_back(Edit(CProfile24Edit::kFirstValue + i, label));
    }
    return layout;
}

DialogLayout HourlyOutputLayout(const CHlyPrintDlg& dialog) {
    struct Title {
        int templateId;
        Words title;
    };
    static const Title kTitles[] = {
        {135, T("Hourly Printouts: energies", "Impressions horaires : énergies")},
        {131, T("Hourly Printouts: weather", "Impressions horaires : climat")},
        {132, T("Hourly Printouts: controls", "Impressions horaires : contrôles")},
        {134, T("Hourly Printouts: collector/pipes/heat exchanger",
                "Impressions horaires : capteurs/canalisations/échangeur")},
        {133, T("Hourly Printouts: pool", "Impressions horaires : piscine")},
    };
    DialogLayout layout{{}, kHourlyPage, 0, {}};
    for (const Title& title : kTitles)
        if (title.templateId == dialog.TemplateId()) layout.title = title.title;
    // Long lists in two columns, so that the window stays low.
    const int perColumn = dialog.ColumnCount() > 10 ? (dialog.ColumnCount() + 1) / 2 : 10;
    for (int i = 0; i < dialog.ColumnCount(); ++i) {
        if (i > 0 && i % perColumn == 0) layout.rows.push_back(Column());
        const HourlyColumnInfo& column =
            kHourlyColumns[static_cast<std::size_t>(dialog.FirstColumn() + i)];
        layout.rows.push_back(
            Check(CHlyPrintDlg::kFirstCheckBox + i, T(column.english, column.french)));
    }
    return layout;
}

std::vector<std::string> HelpPages() {
    std::vector<std::string> pages{kMainFramePage, kReportPage, kProfilesPage, kHourlyPage};
    for (const LayoutOf& entry : kLayouts) pages.push_back(entry.layout().helpPage);
    return pages;
}
