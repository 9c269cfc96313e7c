// The columns of the result files, in one table per file kind, for the simulation program that
// writes them and for both of their readers (the text report and the front end): the monthly
// file (".mly", ".mlx"), which writes every column and whose items are also the variables of the
// monthly and annual summaries, and the hourly file (".hly", ".hlx"), which writes the columns
// whose flag is on, chosen in the hourly-output selections. A file's first line holds the
// headings of its columns, in table order. Each column names the run variable it reports, so
// a variable that both files report is bound to the model once (by the run).
#pragma once

#include <array>

inline constexpr int kMonthlyColumnCount = 24;
inline constexpr int kHourlyColumnCount = 46;

// Monthly columns by position.
enum MonthlyColumn : int {
    kMonthlyMonth = 0,
    kMonthlyQInc = 1,
    kMonthlyQColl = 2,
    kMonthlyQPipes = 3,
    kMonthlyQPumps = 4,
    kMonthlyQAux = 5,
    kMonthlyQPass = 6,
    kMonthlyQAct = 7,
    kMonthlyQGain = 8,
    kMonthlyQEvap = 9,
    kMonthlyQConv = 10,
    kMonthlyQCond = 11,
    kMonthlyQRad = 12,
    kMonthlyQSide = 13,
    kMonthlyQMakeup = 14,
    kMonthlyQLoss = 15,
    kMonthlyQRes = 16,
    kMonthlyTPool = 17,
    kMonthlyQElec = 18,
    kMonthlyQPrimary = 19,
    kMonthlyCollOnTime = 20,
    kMonthlyAuxHeatOnTime = 21,
    kMonthlySwimDays = 22,
    kMonthlyUsableDays = 23,
};

// Hourly columns by position.
enum HourlyColumn : int {
    kHourlyMonth = 0,
    kHourlyDay = 1,
    kHourlyHour = 2,
    kHourlyQPass = 3,
    kHourlyQAct = 4,
    kHourlyQAux = 5,
    kHourlyQGain = 6,
    kHourlyQEvap = 7,
    kHourlyQConv = 8,
    kHourlyQCond = 9,
    kHourlyQRad = 10,
    kHourlyQSide = 11,
    kHourlyQMakeup = 12,
    kHourlyQLoss = 13,
    kHourlyQRes = 14,
    kHourlyQInc = 15,
    kHourlyQColl = 16,
    kHourlyQPipes = 17,
    kHourlyQPumps = 18,
    kHourlyHGlo = 19,
    kHourlyTAmb = 20,
    kHourlyRelHum = 21,
    kHourlyVWind = 22,
    kHourlyHDirPool = 23,
    kHourlyHDifPool = 24,
    kHourlyTAmbPool = 25,
    kHourlyRelHumPool = 26,
    kHourlyVWindPool = 27,
    kHourlyTSky = 28,
    kHourlyActivity = 29,
    kHourlyBlanketOn = 30,
    kHourlyCollOn = 31,
    kHourlyAuxOn = 32,
    kHourlyTci = 33,
    kHourlyTco = 34,
    kHourlyMdotColl = 35,
    kHourlyTPipeIn = 36,
    kHourlyTPipeOut = 37,
    kHourlyTSoilPipe = 38,
    kHourlyTXColdOut = 39,
    kHourlyTXHotOut = 40,
    kHourlyMdotExch = 41,
    kHourlyTPool = 42,
    kHourlyTMains = 43,
    kHourlyMdotMakeup = 44,
    kHourlyTSoilPool = 45,
};

// The run's variables that the result columns report (powers in W, which the summaries
// integrate to J; temperatures in degC; flows in kg/s).
enum ResultSource : int {
    kSourceMonth,
    kSourceDayOfMonth,
    kSourceHour,
    kSourcePoolSolarGain,
    kSourcePoolLoopGain,
    kSourceAuxiliaryHeat,  // of the fuel heater or the heat pump, by the heater type
    kSourcePoolTotalGains,
    kSourceEvaporationLoss,
    kSourceConvectionLoss,
    kSourceConductionLoss,
    kSourceRadiationLoss,
    kSourceSideWallLoss,
    kSourceMakeUpLoss,
    kSourcePoolTotalLosses,
    kSourceResidualGain,
    kSourceIncidentSolar,  // on the selected collector array
    kSourceCollectedSolar,
    kSourcePipeLoss,
    kSourcePumpGain,
    kSourceHGlo,
    kSourceTAmb,
    kSourceRelHum,
    kSourceVWind,
    kSourceHDirPool,
    kSourceHDifPool,
    kSourceTAmbPool,
    kSourceRelHumPool,
    kSourceVWindPool,
    kSourceTSky,
    kSourceActivity,
    kSourceBlanketOn,
    kSourceCollectorOn,
    kSourceHeaterOn,
    kSourceTci,
    kSourceTco,
    kSourceMdotColl,
    kSourcePipeInletTemperature,   // collector pump's outlet
    kSourcePipeOutletTemperature,  // inside outlet pipe's outlet
    kSourceTSoilPipe,
    kSourceExchangerColdOutlet,
    kSourceExchangerHotOutlet,
    kSourceExchangerFlow,
    kSourceTPool,
    kSourceTMains,
    kSourceMdotMakeup,
    kSourceSoilTemperature,  // soil temperature integrator's output
    kSourceElectricity,
    kSourcePrimaryEnergy,
    kSourceAuxiliaryPartLoad,  // of the fuel heater or the heat pump, by the heater type
    kSourceSwimmable,
    kSourceUsableHours,
};

// What a monthly column holds, which gives its unit and bounds the values a reader accepts:
// energies are integrals of powers over the month (J), the pool temperature its average (degC),
// the times on summed over the month (s), the days counted in it.
enum class ResultQuantity { kMonth, kEnergy, kTemperature, kDuration, kDays };

struct MonthlyColumnInfo {
    MonthlyColumn id;
    const char* name;  // heading in the file
    ResultSource source;
    ResultQuantity quantity;
};

// The hourly-output selection that chooses a column; the date columns are always written.
enum class HourlySelection { kAlwaysWritten, kEnergies, kWeather, kControls, kCollectors, kPool };

struct HourlyColumnInfo {
    HourlyColumn id;
    const char* name;  // heading in the file
    ResultSource source;
    HourlySelection selection;
    // Unit in brackets and the descriptions the selections show; the English one is also the
    // check box text. The always-written date columns have none.
    const char* unit;
    const char* english;
    const char* french;
};

inline constexpr std::array<MonthlyColumnInfo, kMonthlyColumnCount> kMonthlyColumns = {{
    {kMonthlyMonth, "Month", kSourceMonth, ResultQuantity::kMonth},
    {kMonthlyQInc, "QInc", kSourceIncidentSolar, ResultQuantity::kEnergy},
    {kMonthlyQColl, "QColl", kSourceCollectedSolar, ResultQuantity::kEnergy},
    {kMonthlyQPipes, "QPipes", kSourcePipeLoss, ResultQuantity::kEnergy},
    {kMonthlyQPumps, "QPumps", kSourcePumpGain, ResultQuantity::kEnergy},
    {kMonthlyQAux, "QAux", kSourceAuxiliaryHeat, ResultQuantity::kEnergy},
    {kMonthlyQPass, "QPass", kSourcePoolSolarGain, ResultQuantity::kEnergy},
    {kMonthlyQAct, "QAct", kSourcePoolLoopGain, ResultQuantity::kEnergy},
    {kMonthlyQGain, "QGain", kSourcePoolTotalGains, ResultQuantity::kEnergy},
    {kMonthlyQEvap, "QEvap", kSourceEvaporationLoss, ResultQuantity::kEnergy},
    {kMonthlyQConv, "QConv", kSourceConvectionLoss, ResultQuantity::kEnergy},
    {kMonthlyQCond, "QCond", kSourceConductionLoss, ResultQuantity::kEnergy},
    {kMonthlyQRad, "QRad", kSourceRadiationLoss, ResultQuantity::kEnergy},
    {kMonthlyQSide, "QSide", kSourceSideWallLoss, ResultQuantity::kEnergy},
    {kMonthlyQMakeup, "QMakeup", kSourceMakeUpLoss, ResultQuantity::kEnergy},
    {kMonthlyQLoss, "QLoss", kSourcePoolTotalLosses, ResultQuantity::kEnergy},
    {kMonthlyQRes, "QRes", kSourceResidualGain, ResultQuantity::kEnergy},
    {kMonthlyTPool, "TPool", kSourceTPool, ResultQuantity::kTemperature},
    {kMonthlyQElec, "QElec", kSourceElectricity, ResultQuantity::kEnergy},
    {kMonthlyQPrimary, "QPrimary", kSourcePrimaryEnergy, ResultQuantity::kEnergy},
    {kMonthlyCollOnTime, "CollOnTime", kSourceCollectorOn, ResultQuantity::kDuration},
    {kMonthlyAuxHeatOnTime, "AuxHeatOnTime", kSourceAuxiliaryPartLoad,
     ResultQuantity::kDuration},  // at full load
    {kMonthlySwimDays, "SwimDays", kSourceSwimmable, ResultQuantity::kDays},
    {kMonthlyUsableDays, "UsableDays", kSourceUsableHours, ResultQuantity::kDays},
}};

// The heading of a monthly column, which the hourly column of the same variable shares.
constexpr const char* MonthlyHeading(MonthlyColumn column) {
    return kMonthlyColumns[column].name;
}

inline constexpr std::array<HourlyColumnInfo, kHourlyColumnCount> kHourlyColumns = {{
    {kHourlyMonth, MonthlyHeading(kMonthlyMonth), kSourceMonth, HourlySelection::kAlwaysWritten, "",
     "", ""},
    {kHourlyDay, "Day", kSourceDayOfMonth, HourlySelection::kAlwaysWritten, "", "", ""},
    {kHourlyHour, "Hour", kSourceHour, HourlySelection::kAlwaysWritten, "", "", ""},
    {kHourlyQPass, MonthlyHeading(kMonthlyQPass), kSourcePoolSolarGain, HourlySelection::kEnergies,
     "[J]", "Passive Gain", "Gains passifs"},
    {kHourlyQAct, MonthlyHeading(kMonthlyQAct), kSourcePoolLoopGain, HourlySelection::kEnergies,
     "[J]", "Active Gain", "Gains actifs"},
    {kHourlyQAux, MonthlyHeading(kMonthlyQAux), kSourceAuxiliaryHeat, HourlySelection::kEnergies,
     "[J]", "Auxiliary Gain", "Gains d'appoint"},
    {kHourlyQGain, MonthlyHeading(kMonthlyQGain), kSourcePoolTotalGains, HourlySelection::kEnergies,
     "[J]", "Total Gain", "Total gains"},
    {kHourlyQEvap, MonthlyHeading(kMonthlyQEvap), kSourceEvaporationLoss,
     HourlySelection::kEnergies, "[J]", "Evaporative Losses", "Pertes par évaporation"},
    {kHourlyQConv, MonthlyHeading(kMonthlyQConv), kSourceConvectionLoss, HourlySelection::kEnergies,
     "[J]", "Convective Losses", "Pertes par convection"},
    {kHourlyQCond, MonthlyHeading(kMonthlyQCond), kSourceConductionLoss, HourlySelection::kEnergies,
     "[J]", "Conductive Losses", "Pertes par conduction"},
    {kHourlyQRad, MonthlyHeading(kMonthlyQRad), kSourceRadiationLoss, HourlySelection::kEnergies,
     "[J]", "Radiative Losses", "Pertes radiatives"},
    {kHourlyQSide, MonthlyHeading(kMonthlyQSide), kSourceSideWallLoss, HourlySelection::kEnergies,
     "[J]", "Side Losses", "Pertes par les côtés"},
    {kHourlyQMakeup, MonthlyHeading(kMonthlyQMakeup), kSourceMakeUpLoss, HourlySelection::kEnergies,
     "[J]", "Spill and Makeup Losses", "Pertes dues aux fuites"},
    {kHourlyQLoss, MonthlyHeading(kMonthlyQLoss), kSourcePoolTotalLosses,
     HourlySelection::kEnergies, "[J]", "Total Losses", "Total pertes"},
    {kHourlyQRes, MonthlyHeading(kMonthlyQRes), kSourceResidualGain, HourlySelection::kEnergies,
     "[J]", "Residual Energy Gain", "Gain d'énergie résiduel"},
    {kHourlyQInc, MonthlyHeading(kMonthlyQInc), kSourceIncidentSolar, HourlySelection::kEnergies,
     "[J]", "Available Solar Energy", "Énergie solaire disponible"},
    {kHourlyQColl, MonthlyHeading(kMonthlyQColl), kSourceCollectedSolar, HourlySelection::kEnergies,
     "[J]", "Solar Energy Collected", "Énergie solaire captée"},
    {kHourlyQPipes, MonthlyHeading(kMonthlyQPipes), kSourcePipeLoss, HourlySelection::kEnergies,
     "[J]", "Energy Lost through Piping", "Pertes d'énergie dans les canalisations"},
    {kHourlyQPumps, MonthlyHeading(kMonthlyQPumps), kSourcePumpGain, HourlySelection::kEnergies,
     "[J]", "Energy Gain from Pumps", "Gains d'énergie dus aux pompes"},
    {kHourlyHGlo, "HGlo", kSourceHGlo, HourlySelection::kWeather, "[W/m2]",
     "Global Horizontal Irradiance", "Irradiation globale horizontale"},
    {kHourlyTAmb, "TAmb", kSourceTAmb, HourlySelection::kWeather, "[C]",
     "Ambient Dry Bulb Temperature", "Température ambiante au thermomètre sec"},
    {kHourlyRelHum, "RelHum", kSourceRelHum, HourlySelection::kWeather, "[0-1]",
     "Ambient Relative Humidity", "Humidité relative ambiante"},
    {kHourlyVWind, "VWind", kSourceVWind, HourlySelection::kWeather, "[m/s]", "Ambient Wind Speed",
     "Vitesse du vent ambiante"},
    {kHourlyHDirPool, "HDirPool", kSourceHDirPool, HourlySelection::kWeather, "[W/m2]",
     "Pool Direct Horizontal Irradiance", "Irradiation directe horizontale sur la piscine"},
    {kHourlyHDifPool, "HDifPool", kSourceHDifPool, HourlySelection::kWeather, "[W/m2]",
     "Pool Diffuse Horizontal Irradiance", "Irradiation diffuse horizontale sur la piscine"},
    {kHourlyTAmbPool, "TAmbPool", kSourceTAmbPool, HourlySelection::kWeather, "[C]",
     "Pool Dry Bulb Temperature", "Tempér. au therm. sec à l'intérieur de la piscine"},
    {kHourlyRelHumPool, "RelHumPool", kSourceRelHumPool, HourlySelection::kWeather, "[0-1]",
     "Pool Relative Humidity", "Humidité relative à l'intérieur de la piscine"},
    {kHourlyVWindPool, "VWindPool", kSourceVWindPool, HourlySelection::kWeather, "[m/s]",
     "Pool Wind Speed", "Vitesse du vent à l'intérieur de la piscine"},
    {kHourlyTSky, "TSky", kSourceTSky, HourlySelection::kWeather, "[C]", "Sky Temperature",
     "Température du ciel"},
    {kHourlyActivity, "Activity", kSourceActivity, HourlySelection::kControls, "[0-2]",
     "Activity Level in Pool", "Niveau d'activité dans la piscine"},
    {kHourlyBlanketOn, "BlanketOn", kSourceBlanketOn, HourlySelection::kControls, "[0/1]",
     "Blanket On", "Couverture en place"},
    {kHourlyCollOn, "CollOn", kSourceCollectorOn, HourlySelection::kControls, "[0/1]",
     "Collector On", "Capteurs en marche"},
    {kHourlyAuxOn, "AuxOn", kSourceHeaterOn, HourlySelection::kControls, "[0/1]",
     "Auxiliary Heater On", "Chauffage d'appoint en marche"},
    {kHourlyTci, "Tci", kSourceTci, HourlySelection::kCollectors, "[C]",
     "Collector Inlet Temperature", "Température d'entrée des capteurs"},
    {kHourlyTco, "Tco", kSourceTco, HourlySelection::kCollectors, "[C]",
     "Collector Outlet/Plate Temperature", "Température de sortie ou de plaque des capteurs"},
    {kHourlyMdotColl, "MdotColl", kSourceMdotColl, HourlySelection::kCollectors, "[kg/s]",
     "Collector Flow Rate", "Débit des capteurs"},
    {kHourlyTPipeIn, "TPipeIn", kSourcePipeInletTemperature, HourlySelection::kCollectors, "[C]",
     "Inlet Pipe Input Temperature", "Température d'entrée de la canalisation d'admission"},
    {kHourlyTPipeOut, "TPipeOut", kSourcePipeOutletTemperature, HourlySelection::kCollectors, "[C]",
     "Outlet Pipe Output Temperature", "Température de sortie de la canalisation de sortie"},
    {kHourlyTSoilPipe, "TSoilPipe", kSourceTSoilPipe, HourlySelection::kCollectors, "[C]",
     "Temperature of Soil around Pipes", "Température du sol autour des canalisations"},
    {kHourlyTXColdOut, "TXColdOut", kSourceExchangerColdOutlet, HourlySelection::kCollectors, "[C]",
     "Exch. Temperature Out, Cold Side", "Température de sortie de l'échangeur, côté froid"},
    {kHourlyTXHotOut, "TXHotOut", kSourceExchangerHotOutlet, HourlySelection::kCollectors, "[C]",
     "Exch. Temperature Out, Hot Side", "Température de sortie de l'échangeur, côté chaud"},
    {kHourlyMdotExch, "MdotExch", kSourceExchangerFlow, HourlySelection::kCollectors, "[kg/s]",
     "Exch. Flow Rate", "Débit dans l'échangeur"},
    {kHourlyTPool, MonthlyHeading(kMonthlyTPool), kSourceTPool, HourlySelection::kPool, "[C]",
     "Pool Temperature", "Température de la piscine"},
    {kHourlyTMains, "TMains", kSourceTMains, HourlySelection::kPool, "[C]", "Mains Temperature",
     "Température de l'eau d'approvisionnement"},
    {kHourlyMdotMakeup, "MdotMakeup", kSourceMdotMakeup, HourlySelection::kPool, "[kg/s]",
     "Makeup Water", "Eau de remplacement"},
    {kHourlyTSoilPool, "TSoilPool", kSourceSoilTemperature, HourlySelection::kPool, "[C]",
     "Soil Temperature around Pool", "Température du sol autour de la piscine"},
}};

// The columns of one hourly-output selection: they follow each other in the file.
struct HourlyColumnRange {
    int first;
    int count;
};

constexpr HourlyColumnRange HourlySelectionRange(HourlySelection selection) {
    HourlyColumnRange range{kHourlyColumnCount, 0};
    for (const HourlyColumnInfo& column : kHourlyColumns) {
        if (column.selection != selection) continue;
        if (range.count == 0) range.first = column.id;
        ++range.count;
    }
    return range;
}

// Each table lists every column at its position, the date columns come first and the columns of
// each selection follow each other.
[[nodiscard]] constexpr bool ColumnTablesAreConsistent() {
    for (int i = 0; i < kMonthlyColumnCount; ++i)
        if (kMonthlyColumns[i].id != i) return false;
    for (int i = 0; i < kHourlyColumnCount; ++i) {
        if (kHourlyColumns[i].id != i) return false;
        const HourlyColumnRange range = HourlySelectionRange(kHourlyColumns[i].selection);
        if (i < range.first || i >= range.first + range.count) return false;
    }
    return HourlySelectionRange(HourlySelection::kAlwaysWritten).first == 0;
}
static_assert(ColumnTablesAreConsistent());

// Hourly columns always written: the date columns.
inline constexpr int kHourlyAlwaysWritten =
    HourlySelectionRange(HourlySelection::kAlwaysWritten).count;

// Column names in column order, as the writers take them.
inline constexpr std::array<const char*, kMonthlyColumnCount> kMonthlyColumnNames = [] {
    std::array<const char*, kMonthlyColumnCount> names{};
    for (int i = 0; i < kMonthlyColumnCount; ++i) names[i] = kMonthlyColumns[i].name;
    return names;
}();
inline constexpr std::array<const char*, kHourlyColumnCount> kHourlyColumnNames = [] {
    std::array<const char*, kHourlyColumnCount> names{};
    for (int i = 0; i < kHourlyColumnCount; ++i) names[i] = kHourlyColumns[i].name;
    return names;
}();
// Default choice of the hourly columns written: the always-written ones only.
inline constexpr std::array<int, kHourlyColumnCount> kHourlyDefaultFlags = [] {
    std::array<int, kHourlyColumnCount> flags{};
    for (int i = 0; i < kHourlyColumnCount; ++i)
        flags[i] = kHourlyColumns[i].selection == HourlySelection::kAlwaysWritten ? 1 : 0;
    return flags;
}();
