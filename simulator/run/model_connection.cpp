// Wiring of the model before each pass: the input links, the alternate input columns, the roof
// under the unglazed collector, and the checks of every component in use.
#include <string>

#include "document.h"
#include "run_messages.h"
#include "simulator_strings.h"
#include "user_interface.h"

namespace {

// Columns of the alternate input file that replace a link, in the order they are looked up.
struct DoubleColumn {
    const char* name;
    double* InputLinks::*link;
};
struct IntColumn {
    const char* name;
    int* InputLinks::*link;
};

// Integer columns follow their place in this list: "Activity" and "BlanketOn" come after
// "TDeepGround", "CollOn" last.
constexpr DoubleColumn kAlternateDoublesFirst[] = {
    {"HGlo", &InputLinks::HGlo},
    {"TAmb", &InputLinks::TAmb},
    {"RelHum", &InputLinks::RelHum},
    {"VWind", &InputLinks::VWind},
    {"Albedo", &InputLinks::Albedo},
    {"TGlo", &InputLinks::TGlo},
    {"TAmbPool", &InputLinks::TAmbPool},
    {"RelHumPool", &InputLinks::RelHumPool},
    {"VWindPool", &InputLinks::VWindPool},
    {"HDirPool", &InputLinks::HDirPool},
    {"HDifPool", &InputLinks::HDifPool},
    {"FractionShaded", &InputLinks::FractionShaded},
    {"MdotMakeup", &InputLinks::MdotMakeup},
    {"TMains", &InputLinks::TMains},
    {"TDeepGround", &InputLinks::TDeepGround},
};
constexpr IntColumn kAlternateIntsMiddle[] = {
    {"Activity", &InputLinks::Activity},
    {"BlanketOn", &InputLinks::BlanketOn},
};
constexpr DoubleColumn kAlternateDoublesLast[] = {
    {"TSoilPipe", &InputLinks::TSoilPipe},
    {"QColl", &InputLinks::QColl},
    {"Tci", &InputLinks::Tci},
    {"Tco", &InputLinks::Tco},
    {"MdotColl", &InputLinks::MdotColl},
    {"MdotExch", &InputLinks::MdotExch},
    {"TReturn", &InputLinks::TReturn},
};
constexpr IntColumn kAlternateIntsLast[] = {{"CollOn", &InputLinks::CollOn}};

// Columns a delimited weather file must have.
constexpr const char* kWeatherColumns[] = {"HGlo", "TAmb", "RelHum", "VWind"};

// Roof layers over the space under the collector: insulated and not insulated asphalt roofs.
constexpr int kRoofLayers = 2;
constexpr double kRoofResistance[kRoofLayers] = {0.06, 0.11};  // m2 K/W
constexpr double kRoofCapacityA[kRoofLayers] = {10.7, 7.0};
constexpr double kRoofCapacityB[kRoofLayers] = {1260, 1210};
constexpr double kRoofOuterFaceResistance = 0.055;  // m2 K/W
constexpr double kRoofInnerFaceResistance = 0.11;   // m2 K/W, not insulated roof only
// A collector on insulation: one node, no boundary.
constexpr double kInsulationOne[1] = {1};

}  // namespace

int CTidewarmDoc::ConnectModel() {
    links = InputLinks{};
    const bool exchanger = ExchangerOn();

    tmyReader.SetInputs(&CurrentDay, &Hour);
    binaryWeatherReader.SetInputs(&CurrentDay, &Hour);
    textWeatherReader.SetRecordCounter(&HourIndex);

    // Links that depend on the heat exchanger.
    links.LoopSpecificHeat = exchanger ? &CollectorFluidCp : &PoolWaterCp;
    links.MdotExch = exchanger ? &exchangerPump.flow : nullptr;
    links.TReturn =
        exchanger ? &heatExchanger.coldOutletTemperature : &outletPipeInside.outletTemperature;

    if (LinkWeather() != 0) return 1;
    // Before the alternate input is bound: an alternate "TAmb" column does not change the air
    // over an outdoor pool.
    LinkPoolSurroundings();
    FlatPlateCollector* collector = SelectedCollector();
    if (collector == nullptr) {
        ShowRunMessage(kStrInvalidCollectorType);
        return 1;
    }
    LinkModelVariables(*collector);

    alternateReader.SetRecordCounter(&HourIndex);
    if (BindAlternateInput() != 0) return 1;

    sun.SetInputs(&CurrentDay, &SolarHour);
    splitter.SetInputs(links.HGlo, nullptr, nullptr, nullptr, &sun.extraterrestrialNormal,
                       &sun.zenith, &sun.airMass, links.Albedo);
    // After the binding, so that an indoor pool follows an alternate "TAmbPool" column.
    links.RadiantTemperature = IndoorPool == 1 ? links.TAmbPool : &TSky;

    if (UseSolar != 0 && ConnectCollectorLoop(exchanger) != 0) return 1;
    if (UseAuxHeater != 0) heaterProfile.SetInputs(&Month);
    ConnectPool(exchanger);
    if (ConnectHeater() != 0) return 1;
    soilTempIntegrator.SetInputs(&TSoilPrev, &pool.soilTemperatureDerivative, &TimeStep);

    BindResultColumns();
    return 0;
}

int CTidewarmDoc::LinkWeather() {
    if (WeatherSource == kWeatherTMY) {
        links.HGlo = &tmyReader.globalIrradiance;
        links.TAmb = &tmyReader.airTemperature;
        links.RelHum = &tmyReader.relativeHumidity;
        links.VWind = &tmyReader.windSpeed;
        links.Albedo = &tmyReader.groundReflectance;
    } else if (WeatherSource == kWeatherBinary) {
        links.HGlo = &binaryWeatherReader.globalIrradiance;
        links.TAmb = &binaryWeatherReader.airTemperature;
        links.RelHum = &binaryWeatherReader.relativeHumidity;
        links.VWind = &binaryWeatherReader.windSpeed;
        links.Albedo = &binaryWeatherReader.groundReflectance;
    } else if (WeatherSource == kWeatherText) {
        // A file without one of the columns would leave the model reading nothing: refused.
        double* values[std::size(kWeatherColumns)];
        for (std::size_t i = 0; i < std::size(kWeatherColumns); ++i) {
            values[i] =
                textWeatherReader.DoubleValue(textWeatherReader.FindColumn(kWeatherColumns[i]));
            if (values[i] == nullptr) {
                ShowRunMessage(kStrWeatherColumnMissing,
                               std::string("\"") + kWeatherColumns[i] + "\".");
                return 1;
            }
        }
        links.HGlo = values[0];
        links.TAmb = values[1];
        links.RelHum = values[2];
        links.VWind = values[3];
        links.Albedo = &GroundAlbedo;
    }
    return 0;
}

void CTidewarmDoc::LinkPoolSurroundings() {
    if (IndoorPool == 1) {
        links.TAmbPool = &IndoorAirTemp;
        links.RelHumPool = &IndoorRelHum;
        links.VWindPool = &IndoorAirSpeed;
        links.HDirPool = &IndoorBeamIrradiance;
        links.HDifPool = &IndoorDiffuseIrradiance;
    } else {
        links.TAmbPool = links.TAmb;
        links.RelHumPool = links.RelHum;
        links.VWindPool = links.VWind;
        links.HDirPool = &splitter.beamHorizontal;
        links.HDifPool = &splitter.diffuse;
    }
}

void CTidewarmDoc::LinkModelVariables(FlatPlateCollector& collector) {
    links.Tci = &inletPipeOutside.outletTemperature;
    links.Tco = &collector.outletTemperature;
    links.TPool = &poolPromoter.nextGuess;
    links.TSoilPipe = &PipeSurroundTemp;
    links.Activity = &Activity;
    links.TGlo = &tilter.total;
    links.MdotMakeup = &pool.waterLoss;
    links.FractionShaded = &ShadedFraction;
    links.TMains = &MainsTemp;
    links.MdotColl = &collectorPump.flow;
    links.BlanketOn = &BlanketOn;
    links.AuxOn = &HeaterOn;
    links.CollOn = &CollectorOn;
    links.TDeepGround = &DeepSoilTemp;
}

int CTidewarmDoc::ConnectCollectorLoop(bool exchanger) {
    tracker.SetInputs(&sun.zenith, &sun.azimuth);
    tilter.SetInputs(&splitter.beamHorizontal, nullptr, &splitter.diffuse,
                     &sun.extraterrestrialNormal, &sun.zenith, &sun.azimuth, &sun.airMass,
                     &tracker.slope, &tracker.surfaceAzimuth, links.Albedo);
    collectorPromoter.SetVariableAndTolerance(
        exchanger ? &heatExchanger.hotOutletTemperature : links.TPool, Tolerance);
    collectorPump.SetInputs(&collectorPromoter.nextGuess, links.LoopSpecificHeat, links.CollOn);
    inletPipeInside.SetInputs(&collectorPump.outletTemperature, links.TSoilPipe, links.MdotColl,
                              links.LoopSpecificHeat);
    inletPipeOutside.SetInputs(&inletPipeInside.outletTemperature, links.TAmb, links.MdotColl,
                               links.LoopSpecificHeat);
    outletPipeOutside.SetInputs(links.Tco, links.TAmb, links.MdotColl, links.LoopSpecificHeat);
    outletPipeInside.SetInputs(&outletPipeOutside.outletTemperature, links.TSoilPipe,
                               links.MdotColl, links.LoopSpecificHeat);
    if (Collector == CollectorKind::Glazed) {
        glazedCollector.SetInputs(links.TGlo, &tilter.incidenceAngle, nullptr, links.Tci,
                                  links.TAmb, links.MdotColl, links.LoopSpecificHeat);
    } else {
        unglazedCollector.SetInputs(
            links.TGlo, &tilter.incidenceAngle, nullptr, links.Tci, links.TAmb, &TSky, links.VWind,
            links.MdotColl, links.LoopSpecificHeat, &tracker.slope, &roof.heatFlowIn, &SolarHour);
        roofPromoter.SetVariableAndTolerance(&unglazedCollector.meanFluidTemperature, Tolerance);
        if (InitRoof() != 0) return 1;
    }
    if (exchanger) {
        exchangerPump.SetInputs(links.TPool, &PoolWaterCp, links.CollOn);
        heatExchanger.SetInputs(&exchangerPump.outletTemperature,
                                &outletPipeInside.outletTemperature, &exchangerPump.flow,
                                links.MdotColl, &PoolWaterCp, links.LoopSpecificHeat);
    }
    return 0;
}

void CTidewarmDoc::ConnectPool(bool exchanger) {
    pool.SetInputs(&Time, &poolPromoter.nextGuess, &PoolWaterCp, links.HDirPool, links.HDifPool,
                   links.RadiantTemperature, &sun.zenith, links.FractionShaded, links.Albedo,
                   links.TAmbPool, links.RelHumPool, links.VWindPool, &soilTempIntegrator.newState,
                   links.TDeepGround, links.TMains, links.MdotMakeup, links.TReturn,
                   exchanger ? links.MdotExch : links.MdotColl, links.BlanketOn, links.Activity);

    activityProfile.SetInputs(&Hour, &IsWeekend);
    blanketSeasonalProfile.SetInputs(&Month);
    if (BlanketAlways == 0) blanketDailyProfile.SetInputs(&Hour, &IsWeekend);

    controller.SetInputs(
        Collector == CollectorKind::Glazed ? links.Tco : &unglazedCollector.meanFluidTemperature,
        links.TPool);

    poolTempIntegrator.SetInputs(&PoolTempStart, &pool.poolTemperatureDerivative, &TimeStep);
}

int CTidewarmDoc::ConnectHeater() {
    if (UseAuxHeater == 0) {
        poolPromoter.SetVariableAndTolerance(&poolTempIntegrator.newState, Tolerance);
    } else if (HeaterType == HeaterKind::Fuel) {
        gasHeater.SetInputs(&poolTempIntegrator.newState, &HeaterFlow, &PoolWaterCp, links.AuxOn);
        poolPromoter.SetVariableAndTolerance(&gasHeater.outletTemperature, Tolerance);
    } else if (HeaterType == HeaterKind::HeatPump) {
        heatPump.SetInputs(&TWetBulb, &poolTempIntegrator.newState, &HeaterFlow, &PoolWaterCp,
                           links.AuxOn);
        poolPromoter.SetVariableAndTolerance(&heatPump.outletTemperature, Tolerance);
    } else {
        ShowRunMessage(kStrInvalidHeaterType);
        return 1;
    }
    return 0;
}

int CTidewarmDoc::BindAlternateInput() {
    links.QColl = nullptr;
    if (UseAlternateInput == 0) return 0;
    if (const int result = alternateReader.Open(); result != 0) {
        ShowRunMessage(kStrCannotOpenAlternateInput);
        return result;
    }
    const auto bindDoubles = [&](const auto& columns) {
        for (const DoubleColumn& column : columns)
            if (const int index = alternateReader.FindColumn(column.name); index != 0)
                links.*column.link = alternateReader.DoubleValue(index);
    };
    const auto bindInts = [&](const auto& columns) {
        for (const IntColumn& column : columns)
            if (const int index = alternateReader.FindColumn(column.name); index != 0)
                links.*column.link = alternateReader.IntValue(index);
    };
    bindDoubles(kAlternateDoublesFirst);
    bindInts(kAlternateIntsMiddle);
    bindDoubles(kAlternateDoublesLast);
    bindInts(kAlternateIntsLast);

    if (alternateReader.FindColumn("QColl") != 0 && alternateReader.FindColumn("Tco") != 0) {
        std::string text = "Both collector outlet temperature (\"Tco\") ";
        text += "and energy collected (\"QColl\") are specified in alternate input file. ";
        text += LoadResString(kStrSpecifyOnlyOne);
        ShowMessage(text);
        return 2;
    }
    return 0;
}

int CTidewarmDoc::InitRoof() {
    switch (RoofType) {
        case 0:
            roof.SetInputsAndParameters(&Time, nullptr, nullptr, 1, kInsulationOne, kInsulationOne,
                                        kInsulationOne, 0, 0);
            break;
        case 1:
        case 2:
            // Every pass starts the roof from the same state, whatever ran before.
            roof.SetNodeCount(0);
            roof.SetInputsAndParameters(
                &Time, &roofPromoter.nextGuess, RoofType == 2 ? &TUnderRoof : nullptr, kRoofLayers,
                kRoofResistance, kRoofCapacityA, kRoofCapacityB, kRoofOuterFaceResistance,
                RoofType == 2 ? kRoofInnerFaceResistance : 0.0);
            break;
        default:
            ShowRunMessage(kStrInvalidRoofType);
            return 1;
    }
    roof.heatFlowIn = 0;
    roof.heatFlowOut = 0;
    return 0;
}

int CTidewarmDoc::CheckComponent(SolarBase& component) {
    const int result = component.Check();
    if (result != 0) {
        std::string text = LoadResString(kStrInvalidComponent);
        text += component.GetName();
        text += LoadResString(kStrInvalidComponentEnd);
        text += ErrorMessageBuffer();
        ShowMessage(text);
    }
    return result;
}

int CTidewarmDoc::CheckComponents() {
    int result = 0;
    if (UseAlternateInput != 0) result |= CheckComponent(alternateReader);
    if (FileReader* weather = SelectedWeatherReader()) result |= CheckComponent(*weather);
    result |= CheckComponent(sun);
    result |= CheckComponent(splitter);
    if (UseSolar != 0) {
        for (SolarBase* component :
             {static_cast<SolarBase*>(&tracker), static_cast<SolarBase*>(&tilter),
              static_cast<SolarBase*>(&collectorPump), static_cast<SolarBase*>(&inletPipeInside),
              static_cast<SolarBase*>(&inletPipeOutside),
              static_cast<SolarBase*>(&outletPipeInside),
              static_cast<SolarBase*>(&outletPipeOutside)})
            result |= CheckComponent(*component);
        if (Collector == CollectorKind::Glazed) {
            result |= CheckComponent(glazedCollector);
        } else {
            result |= CheckComponent(unglazedCollector);
            result |= CheckComponent(roofPromoter);
            result |= CheckComponent(roof);
        }
        result |= CheckComponent(collectorPromoter);
    }
    if (ExchangerOn()) {
        result |= CheckComponent(exchangerPump);
        result |= CheckComponent(heatExchanger);
    }
    if (UseAuxHeater != 0) {
        if (HeaterType == HeaterKind::Fuel) result |= CheckComponent(gasHeater);
        if (HeaterType == HeaterKind::HeatPump) result |= CheckComponent(heatPump);
        result |= CheckComponent(heaterProfile);
    }
    result |= CheckComponent(pool);
    result |= CheckComponent(activityProfile);
    if (BlanketAlways == 0) {
        result |= CheckComponent(blanketSeasonalProfile);
        result |= CheckComponent(blanketDailyProfile);
    }
    result |= CheckComponent(controller);
    result |= CheckComponent(poolPromoter);
    result |= CheckComponent(poolTempIntegrator);
    result |= CheckComponent(soilTempIntegrator);
    monthlySummary.ResetSums();
    annualSummary.ResetSums();
    hourlySummary.ResetSums();
    result |= CheckComponent(monthlySummary);
    result |= CheckComponent(annualSummary);
    result |= CheckComponent(monthlyWriter);
    result |= CheckComponent(hourlySummary);
    result |= CheckComponent(hourlyWriter);
    return result;
}
