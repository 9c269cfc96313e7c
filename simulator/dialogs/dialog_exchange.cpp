#include "dialog_exchange.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "result_columns.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "user_interface.h"

namespace {

void Show(int id, MessageKind kind = MessageKind::Warning) {
    ShowMessage(LoadResString(id), kind);
}

// A reader's file name as a dialog shows it: the "(no selection)" text when it has none.
std::string ShownFileName(const FileIO& reader, int noSelectionId) {
    const char* name = reader.GetFileName();
    return name ? name : LoadResString(noSelectionId);
}

// The model's value for a dialog's value shown in other units: Fill showed `model` as
// `model x factor`. An unchanged value goes back as the model's own, to the last bit (the
// conversion there and back need not give it exactly); a changed one as shown / factor.
double FromShown(double shown, double model, double factor) {
    return shown == model * factor ? model : shown / factor;
}

// The file name a dialog hands back: none when it still shows the "(no selection)" text.
const char* ChosenFileName(const std::string& shown, int noSelectionId) {
    return shown == LoadResString(noSelectionId) ? nullptr : shown.c_str();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Configuration

bool Fill(CTidewarmDoc& doc, CPoolConfigDlg& dialog) {
    dialog.useSolar = doc.UseSolar;
    dialog.useExchanger = doc.UseSolar && doc.UseExchanger ? 1 : 0;
    dialog.useAuxHeater = doc.UseAuxHeater;
    dialog.useAlternateInput = doc.UseAlternateInput;
    dialog.useWeekends = doc.UseWeekends;
    dialog.weekLength = doc.WeekLength;
    dialog.weekendLength = doc.WeekendLength;
    dialog.hourlyOutput = doc.HourlyOutput;
    dialog.doEconomics = doc.DoEconomics;
    dialog.swimmableCriterion = doc.SwimmableCriterion;
    dialog.referenceRun = doc.ReferenceRun;
    return true;
}

bool CopyBack(const CPoolConfigDlg& dialog, CTidewarmDoc& doc) {
    doc.UseSolar = dialog.useSolar;
    doc.UseExchanger = dialog.useSolar && dialog.useExchanger ? 1 : 0;
    doc.UseAuxHeater = dialog.useAuxHeater;
    doc.UseAlternateInput = dialog.useAlternateInput;
    doc.UseWeekends = dialog.useWeekends;
    doc.WeekLength = dialog.weekLength;
    doc.WeekendLength = dialog.weekendLength;
    doc.HourlyOutput = dialog.hourlyOutput;
    doc.DoEconomics = dialog.doEconomics;
    doc.SwimmableCriterion = dialog.swimmableCriterion;
    doc.ReferenceRun = dialog.swimmableCriterion && dialog.referenceRun ? 1 : 0;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Weather and alternate input

bool Fill(CTidewarmDoc& doc, CWeatherDlg& dialog) {
    const FileReader* reader = doc.SelectedWeatherReader();
    dialog.fileName = reader ? ShownFileName(*reader, kStrNoWeatherSelection)
                             : LoadResString(kStrNoWeatherSelection);
    dialog.cityName = doc.GetWeatherName();
    dialog.format = doc.WeatherSource;
    double latitude = 0, longitude = 0, meridian = 0;
    int clockTime = 0;
    doc.sun.GetParameters(latitude, clockTime, longitude, meridian);
    dialog.latitude = latitude * kDegreesPerRadian;
    dialog.timeBase = clockTime ? CWeatherDlg::kStandardTimeBase : CWeatherDlg::kSolarTimeBase;
    dialog.stationLongitude = longitude * kDegreesPerRadian;
    dialog.meridianLongitude = meridian * kDegreesPerRadian;
    return true;
}

bool CopyBack(const CWeatherDlg& dialog, CTidewarmDoc& doc) {
    double held = 0, heldLongitude = 0, heldMeridian = 0;
    int clockTime = 0;
    doc.sun.GetParameters(held, clockTime, heldLongitude, heldMeridian);
    const double latitude = FromShown(dialog.latitude, held, kDegreesPerRadian);
    if (dialog.format == CWeatherDlg::kKorvexTmy) {
        doc.WeatherSource = kWeatherTMY;
        doc.sun.SetParameters(latitude, 0, 0, 0);
    } else if (dialog.format == CWeatherDlg::kDelimitedAscii ||
               dialog.format == CWeatherDlg::kZefirBinary) {
        doc.WeatherSource =
            dialog.format == CWeatherDlg::kDelimitedAscii ? kWeatherText : kWeatherBinary;
        doc.sun.SetParameters(latitude, dialog.timeBase == CWeatherDlg::kStandardTimeBase ? 1 : 0,
                              FromShown(dialog.stationLongitude, heldLongitude, kDegreesPerRadian),
                              FromShown(dialog.meridianLongitude, heldMeridian, kDegreesPerRadian));
    }
    if (FileReader* reader = doc.SelectedWeatherReader()) {
        const char* name = ChosenFileName(dialog.fileName, kStrNoWeatherSelection);
        // The delimited reader keeps its reading set-up with the new name.
        if (reader == &doc.textWeatherReader)
            doc.textWeatherReader.SetFile(name, 0, 1023, ", \t");
        else
            reader->SetFileName(name);
    }
    doc.SetWeatherName(dialog.cityName);
    return true;
}

bool Fill(CTidewarmDoc& doc, CAlternateDlg& dialog) {
    dialog.fileName = ShownFileName(doc.alternateReader, kStrNoAlternateSelection);
    return true;
}

bool CopyBack(const CAlternateDlg& dialog, CTidewarmDoc& doc) {
    doc.alternateReader.SetFile(ChosenFileName(dialog.fileName, kStrNoAlternateSelection), 0, 1023,
                                ", \t");
    return true;
}

// ---------------------------------------------------------------------------------------------
// Simulation

bool Fill(CTidewarmDoc& doc, CSimulationDlg& dialog) {
    dialog.SetPeriod(doc.StartDay, doc.EndDay, doc.NumDays);
    dialog.precision = doc.Tolerance;
    dialog.maxIterations = doc.MaxIterations;
    dialog.printParameters = doc.PrintParameters;
    return true;
}

bool CopyBack(const CSimulationDlg& dialog, CTidewarmDoc& doc) {
    doc.StartDay = dialog.startDayOfYear;
    doc.EndDay = dialog.endDayOfYear;
    doc.NumDays = dialog.numDays;
    doc.Tolerance = dialog.precision;
    doc.MaxIterations = dialog.maxIterations;
    doc.PrintParameters = dialog.printParameters;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Collectors

namespace {

// The ten rows the test dialog edits from a collector's modifier table: its first ten points;
// a shorter table goes on along its last segment up to 90 degrees (flat for a single point), so
// the ten points describe the same modifier; no table gives 0, 10, ..., 90 degrees with 1.
void ShowModifierTable(const CollectorTestParameters& test, CCollectorTestDlg& dialog) {
    constexpr int kPoints = CCollectorTestDlg::kPoints;
    const int count = std::min(test.count1, kPoints);
    if (count <= 0 || test.table1 == nullptr) {
        dialog.SetDefaultModifiers();
        return;
    }
    for (int i = 0; i < count; ++i) {
        dialog.angles[i] = test.table1[0][i];
        dialog.modifiers[i] = test.table1[1][i];
    }
    const double lastAngle = dialog.angles[count - 1];
    const double lastModifier = dialog.modifiers[count - 1];
    double slope = 0;
    if (count >= 2 && dialog.angles[count - 1] != dialog.angles[count - 2])
        slope =
            (lastModifier - dialog.modifiers[count - 2]) / (lastAngle - dialog.angles[count - 2]);
    const double step = lastAngle < 90 ? (90 - lastAngle) / (kPoints - count) : 1;
    for (int i = count; i < kPoints; ++i) {
        dialog.angles[i] = lastAngle + step * (i - count + 1);
        dialog.modifiers[i] = lastModifier + slope * (dialog.angles[i] - lastAngle);
    }
}

CollectorTestParameters TestParametersOf(CTidewarmDoc& doc) {
    return doc.Collector == CollectorKind::Glazed ? doc.glazedCollector.GetTestParameters()
                                                  : doc.unglazedCollector.GetTestParameters();
}

}  // namespace

bool Fill(CTidewarmDoc& doc, CCollectorTestDlg& dialog) {
    if (doc.Collector != CollectorKind::Glazed && doc.Collector != CollectorKind::Unglazed) {
        Show(kStrUnknownCollectorType);
        return false;
    }
    dialog.collectorType =
        LoadResString(doc.Collector == CollectorKind::Glazed ? kStrGlazed : kStrUnglazed);
    const CollectorTestParameters test = TestParametersOf(doc);
    dialog.area = test.collectorArea;
    dialog.a = test.a;
    dialog.b = test.b;
    dialog.c = test.c;
    dialog.d = test.d;
    dialog.e = test.e;
    dialog.testFlow = test.testFlowRate;
    dialog.modifierMode = test.modifierMode;
    ShowModifierTable(test, dialog);
    return true;
}

bool CopyBack(const CCollectorTestDlg& dialog, CTidewarmDoc& doc) {
    std::optional<CollectorKind> chosen;
    if (dialog.IsGlazed()) chosen = CollectorKind::Glazed;
    if (dialog.IsUnglazed()) chosen = CollectorKind::Unglazed;
    if (!chosen) {
        Show(kStrUnknownCollectorType);
        return false;
    }
    const CollectorKind collector = *chosen;
    doc.Collector = collector;
    const CollectorTestParameters present = TestParametersOf(doc);
    // Without modifiers the collector keeps its own table; it is copied first, since setting
    // the parameters replaces the table the collector holds.
    std::vector<double> keptAngles, keptModifiers;
    if (present.count1 > 0 && present.table1 != nullptr) {
        keptAngles.assign(present.table1[0], present.table1[0] + present.count1);
        keptModifiers.assign(present.table1[1], present.table1[1] + present.count1);
    }
    CollectorTestParameters test;
    test.collectorArea = dialog.area;
    test.a = dialog.a;
    test.b = dialog.b;
    test.c = dialog.c;
    test.d = dialog.d;
    test.e = dialog.e;
    test.testFlowRate = dialog.testFlow;
    test.modifierMode = dialog.modifierMode;
    const double* table[2] = {dialog.angles.data(), dialog.modifiers.data()};
    const double* kept[2] = {keptAngles.data(), keptModifiers.data()};
    if (dialog.modifierMode != CCollectorTestDlg::kNoModifiers) {
        test.count1 = CCollectorTestDlg::kPoints;
        test.table1 = table;
    } else if (!keptAngles.empty()) {
        test.count1 = static_cast<int>(keptAngles.size());
        test.table1 = kept;
    }
    if (collector == CollectorKind::Glazed)
        doc.glazedCollector.SetTestParameters(test);
    else
        doc.unglazedCollector.SetTestParameters(test);
    return true;
}

bool Fill(CTidewarmDoc& doc, CCollectorUseDlg& dialog) {
    if (doc.Collector == CollectorKind::Glazed) {
        doc.glazedCollector.GetUseParameters(dialog.inSeries, dialog.groupsInParallel,
                                             dialog.banks);
        dialog.windCorrection = 1;
        dialog.windThreshold = 0;
        dialog.unglazed = 0;
    } else if (doc.Collector == CollectorKind::Unglazed) {
        doc.unglazedCollector.GetUseParameters(dialog.inSeries, dialog.groupsInParallel,
                                               dialog.banks, dialog.windCorrection,
                                               dialog.windThreshold);
        dialog.unglazed = 1;
    } else {
        Show(kStrUnknownCollectorType);
    }
    dialog.roofType = doc.RoofType;
    int mode = 0;
    double slope = 0, azimuth = 0;
    doc.tracker.GetParameters(mode, slope, azimuth);
    dialog.slope = slope * kDegreesPerRadian;
    dialog.azimuth = azimuth * kDegreesPerRadian;
    int limitMode = 0;
    doc.controller.GetParameters(dialog.deltaTOn, dialog.deltaTOff, dialog.tMaxPool, limitMode);
    doc.collectorPump.GetParameters(dialog.pumpFlow, dialog.pumpPower, dialog.pumpFraction);
    return true;
}

bool CopyBack(const CCollectorUseDlg& dialog, CTidewarmDoc& doc) {
    doc.glazedCollector.SetUseParameters(dialog.inSeries, dialog.groupsInParallel, dialog.banks);
    // The wind values the dialog shows for a glazed collector (1 and 0) are not the unglazed
    // array's: they reach it only when it is the one shown.
    double windCorrection = dialog.windCorrection, windThreshold = dialog.windThreshold;
    if (!dialog.unglazed) {
        int series = 0, banks = 0;
        double groups = 0;
        doc.unglazedCollector.GetUseParameters(series, groups, banks, windCorrection,
                                               windThreshold);
    }
    doc.unglazedCollector.SetUseParameters(dialog.inSeries, dialog.groupsInParallel, dialog.banks,
                                           windCorrection, windThreshold);
    doc.RoofType = dialog.roofType;
    int mode = 0;
    double slope = 0, azimuth = 0;
    doc.tracker.GetParameters(mode, slope, azimuth);
    doc.tracker.SetParameters(0, FromShown(dialog.slope, slope, kDegreesPerRadian),
                              FromShown(dialog.azimuth, azimuth, kDegreesPerRadian));
    doc.controller.SetParameters(dialog.deltaTOn, dialog.deltaTOff, dialog.tMaxPool, 0);
    doc.collectorPump.SetParameters(dialog.pumpFlow, dialog.pumpPower, dialog.pumpFraction);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Pipes and heat exchanger

bool Fill(CTidewarmDoc& doc, CPipesDlg& dialog) {
    double coefficient = 0;
    doc.inletPipeInside.GetParameters(coefficient, dialog.inletInside);
    doc.inletPipeOutside.GetParameters(coefficient, dialog.inletOutside);
    doc.outletPipeInside.GetParameters(dialog.lossInside, dialog.outletInside);
    doc.outletPipeOutside.GetParameters(dialog.lossOutside, dialog.outletOutside);
    dialog.surroundTemp = doc.PipeSurroundTemp;
    return true;
}

bool CopyBack(const CPipesDlg& dialog, CTidewarmDoc& doc) {
    doc.inletPipeInside.SetParameters(dialog.lossInside, dialog.inletInside);
    doc.inletPipeOutside.SetParameters(dialog.lossOutside, dialog.inletOutside);
    doc.outletPipeInside.SetParameters(dialog.lossInside, dialog.outletInside);
    doc.outletPipeOutside.SetParameters(dialog.lossOutside, dialog.outletOutside);
    doc.PipeSurroundTemp = dialog.surroundTemp;
    return true;
}

bool Fill(CTidewarmDoc& doc, CHeatExchangerDlg& dialog) {
    dialog.effectiveness = doc.heatExchanger.GetEffectiveness();
    doc.exchangerPump.GetParameters(dialog.pumpFlow, dialog.pumpPower, dialog.pumpFraction);
    dialog.fluidCp = doc.CollectorFluidCp;
    return true;
}

bool CopyBack(const CHeatExchangerDlg& dialog, CTidewarmDoc& doc) {
    doc.heatExchanger.SetEffectiveness(dialog.effectiveness);
    doc.exchangerPump.SetParameters(dialog.pumpFlow, dialog.pumpPower, dialog.pumpFraction);
    doc.CollectorFluidCp = dialog.fluidCp;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Pool

bool Fill(CTidewarmDoc& doc, CPoolDesignDlg& dialog) {
    double soilResistivity = 0, soilDiffusivity = 0;
    int evaporationModel = 0;
    doc.pool.GetDesignParameters(dialog.volume, dialog.surface, dialog.fractionAboveGround,
                                 dialog.wallEmissivity, dialog.wallAbsorptivity, dialog.insulation,
                                 soilResistivity, soilDiffusivity, evaporationModel,
                                 dialog.windCorrection);
    dialog.sitsAbove =
        soilResistivity != 0 ? CPoolDesignDlg::kSoil : CPoolDesignDlg::kMechanicalRoom;
    dialog.poolType = doc.IndoorPool;
    dialog.mainsTemp = doc.MainsTemp;
    dialog.shadedFraction = doc.ShadedFraction;
    dialog.indoorTemp = doc.IndoorAirTemp;
    dialog.indoorRelHum = doc.IndoorRelHum * 100;
    dialog.ventilation = doc.IndoorAirSpeed;
    dialog.deepSoilTemp = doc.DeepSoilTemp;
    return true;
}

bool CopyBack(const CPoolDesignDlg& dialog, CTidewarmDoc& doc) {
    doc.pool.SetDesignParameters(dialog.volume, dialog.surface, dialog.fractionAboveGround,
                                 dialog.wallEmissivity, dialog.wallAbsorptivity, dialog.insulation,
                                 dialog.sitsAbove == CPoolDesignDlg::kSoil ? kSoilResistivity : 0,
                                 kSoilDiffusivity, 1, dialog.windCorrection);
    doc.IndoorPool = dialog.poolType;
    doc.MainsTemp = dialog.mainsTemp;
    doc.ShadedFraction = dialog.shadedFraction;
    doc.IndoorAirTemp = dialog.indoorTemp;
    doc.IndoorRelHum = FromShown(dialog.indoorRelHum, doc.IndoorRelHum, 100);
    doc.IndoorAirSpeed = dialog.ventilation;
    doc.DeepSoilTemp = dialog.deepSoilTemp;
    return true;
}

bool Fill(CTidewarmDoc& doc, CPoolUseDlg& dialog) {
    dialog.SetSeason(doc.SeasonStart, doc.SeasonEnd);
    dialog.spillage = doc.pool.GetOtherWaterLoss() * kCubicMetresPerDayPerKgPerS;
    dialog.initialTemp = doc.InitialPoolTemp;
    dialog.sunnyMinAirTemp = doc.SunnyDayMinAirTemp;
    dialog.cloudyMinAirTemp = doc.CloudyDayMinAirTemp;
    dialog.minPoolTemp = doc.MinPoolTemp;
    doc.activityProfile.GetValues(dialog.weekdayActivity.data(), dialog.weekendActivity.data());
    dialog.useWeekends = doc.UseWeekends;
    dialog.swimmableCriterion = doc.SwimmableCriterion;
    return true;
}

bool CopyBack(const CPoolUseDlg& dialog, CTidewarmDoc& doc) {
    doc.pool.SetOtherWaterLoss(
        FromShown(dialog.spillage, doc.pool.GetOtherWaterLoss(), kCubicMetresPerDayPerKgPerS));
    doc.activityProfile.SetValues(dialog.weekdayActivity.data(), dialog.weekendActivity.data());
    doc.InitialPoolTemp = dialog.initialTemp;
    doc.SeasonStart = dialog.SeasonStart();
    doc.SeasonEnd = dialog.SeasonEnd();
    doc.SunnyDayMinAirTemp = dialog.sunnyMinAirTemp;
    doc.CloudyDayMinAirTemp = dialog.cloudyMinAirTemp;
    doc.MinPoolTemp = dialog.minPoolTemp;
    return true;
}

bool Fill(CTidewarmDoc& doc, CBlanketDlg& dialog) {
    doc.pool.GetBlanketParameters(dialog.shortWaveAbsorptivity, dialog.shortWaveTransmissivity,
                                  dialog.longWaveEmissivity, dialog.longWaveTransmissivity,
                                  dialog.insulation, dialog.fractionCovered);
    dialog.dailyUse =
        doc.BlanketAlways == 1 ? CBlanketDlg::kAlwaysWhenNotInUse : CBlanketDlg::kFollowProfiles;
    dialog.useWeekends = doc.UseWeekends;
    doc.blanketSeasonalProfile.GetValues(dialog.seasonal.data());
    doc.blanketDailyProfile.GetValues(dialog.weekday.data(), dialog.weekend.data());
    return true;
}

bool CopyBack(const CBlanketDlg& dialog, CTidewarmDoc& doc) {
    doc.pool.SetBlanketParameters(dialog.shortWaveAbsorptivity, dialog.shortWaveTransmissivity,
                                  dialog.longWaveEmissivity, dialog.longWaveTransmissivity,
                                  dialog.insulation, dialog.fractionCovered);
    doc.BlanketAlways = dialog.dailyUse == CBlanketDlg::kAlwaysWhenNotInUse ? 1 : 0;
    doc.blanketSeasonalProfile.SetValues(dialog.seasonal.data());
    doc.blanketDailyProfile.SetValues(dialog.weekday.data(), dialog.weekend.data());
    return true;
}

bool Fill(CTidewarmDoc& doc, CAuxHeaterDlg& dialog) {
    dialog.heaterType = static_cast<int>(doc.HeaterType);
    // Each heater shows its own values; the other one's wait for a change of type.
    double fraction = 0;
    HeaterValues fuel, pump;
    doc.gasHeater.GetParameters(fuel.setPoint, fuel.capacity, fraction);
    fuel.efficiency = fraction * 100;
    doc.heatPump.GetParameters(pump.setPoint, pump.capacity, pump.efficiency);
    if (doc.HeaterType == HeaterKind::Fuel) {
        dialog.Show(fuel);
        dialog.other = pump;
    } else if (doc.HeaterType == HeaterKind::HeatPump) {
        dialog.Show(pump);
        dialog.other = fuel;
    } else {
        Show(kStrInvalidHeaterTypeShown, MessageKind::Error);
    }
    doc.heaterProfile.GetValues(dialog.seasonal.data());
    dialog.offOutOfSeason = doc.HeaterOffOutOfSeason;
    return true;
}

bool CopyBack(const CAuxHeaterDlg& dialog, CTidewarmDoc& doc) {
    doc.HeaterType = dialog.Kind();
    // Both heaters, each with the values the dialog held for it: what the user did not change
    // goes back as it came.
    const bool fuelShown = doc.HeaterType == HeaterKind::Fuel;
    if (fuelShown || doc.HeaterType == HeaterKind::HeatPump) {
        const HeaterValues fuel = fuelShown ? dialog.Shown() : dialog.other;
        const HeaterValues pump = fuelShown ? dialog.other : dialog.Shown();
        double setPoint = 0, capacity = 0, fraction = 0;
        doc.gasHeater.GetParameters(setPoint, capacity, fraction);
        doc.gasHeater.SetParameters(fuel.setPoint, fuel.capacity,
                                    FromShown(fuel.efficiency, fraction, 100));
        doc.heatPump.SetParameters(pump.setPoint, pump.capacity, pump.efficiency);
    } else {
        Show(kStrInvalidHeaterTypeStored, MessageKind::Error);
    }
    doc.heaterProfile.SetValues(dialog.seasonal.data());
    doc.HeaterOffOutOfSeason = dialog.offOutOfSeason;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Economics and hourly output

bool Fill(CTidewarmDoc& doc, CEconomicsDlg& dialog) {
    const EconomicData& data = doc.economicData;
    dialog.systemLife = data.systemLife;
    dialog.costPerCollector = data.costPerCollector;
    dialog.installationCost = data.installationCost;
    dialog.maintenanceCost = data.maintenanceCost;
    dialog.resaleValue = data.resaleValue;
    dialog.downPayment = data.downPayment;
    dialog.interestRate = data.interestRate * 100;
    dialog.discountRate = data.discountRate * 100;
    dialog.inflationRate = data.inflationRate * 100;
    dialog.fuelInflationRate = data.fuelInflationRate * 100;
    dialog.primaryEnergyCost = data.primaryEnergyCost;
    dialog.electricityCost = data.electricityCost;
    return true;
}

bool CopyBack(const CEconomicsDlg& dialog, CTidewarmDoc& doc) {
    const EconomicData& held = doc.economicData;
    doc.economicData.SetData(dialog.systemLife, dialog.costPerCollector, dialog.installationCost,
                             dialog.maintenanceCost, dialog.resaleValue, dialog.downPayment,
                             FromShown(dialog.interestRate, held.interestRate, 100),
                             FromShown(dialog.discountRate, held.discountRate, 100),
                             FromShown(dialog.inflationRate, held.inflationRate, 100),
                             FromShown(dialog.fuelInflationRate, held.fuelInflationRate, 100),
                             dialog.primaryEnergyCost, dialog.electricityCost);
    return true;
}

bool Fill(CTidewarmDoc& doc, CHlyPrintDlg& dialog) {
    int flags[kHourlyColumnCount] = {};
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    dialog.TakeFlags(flags);
    return true;
}

bool CopyBack(const CHlyPrintDlg& dialog, CTidewarmDoc& doc) {
    int flags[kHourlyColumnCount] = {};
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    dialog.GiveFlags(flags);
    doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    return true;
}
