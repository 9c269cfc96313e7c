// Writes the four template projects that batch mode loads by pool type ("resingr.tpl",
// "resabgr.tpl", "pubout.tpl", "pubin.tpl") into the folder given, with the project's own
// project-file writer. Batch mode replaces the weather, season, pool size, shading, pool use,
// blanket, heater and collector values; everything else a run uses comes from here.
//
//   make_templates <folder>
#include <cstdio>
#include <fstream>
#include <string>

#include "batch_input.h"
#include "document.h"
#include "physical_constants.h"
#include "result_columns.h"

namespace {

// Water lost besides evaporation (spillage, backwashing, fresh water), m3 a day, as kg/s.
double DailyWaterLoss(double cubicMetres) {
    return cubicMetres * kWaterDensity / kSecondsPerDay;
}

void SetUpTemplate(CTidewarmDoc& doc, PoolType poolType) {
    const bool publicPool =
        poolType == PoolType::PublicOutdoor || poolType == PoolType::PublicIndoor;
    const bool indoor = poolType == PoolType::PublicIndoor;
    doc.SetDefaults();

    // Switches: solar collectors and a heater (the defaults), hourly output with the pool
    // temperature, swimmable days counted, weekends told apart (five days and two, the default
    // week) so that the weekend opening hours apply.
    doc.WeatherSource = kWeatherBinary;
    doc.UseExchanger = indoor ? 1 : 0;  // glazed collectors on antifreeze all year
    doc.HourlyOutput = 1;
    doc.SwimmableCriterion = 1;
    doc.UseWeekends = 1;
    doc.StartDay = 121;
    doc.EndDay = 273;
    doc.NumDays = 153;
    int flags[kHourlyColumnCount];
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    flags[kHourlyTPool] = 1;
    doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);

    // Collector loop: a booster pump, plastic pipes, unglazed collectors on an insulated
    // asphalt roof for the outdoor pools, glazed collectors behind an exchanger indoors.
    const double flow = publicPool ? 4.0 : 1.0;    // kg/s
    const double power = publicPool ? 1100 : 250;  // W
    doc.collectorPump.SetParameters(flow, power, 0.5);
    doc.exchangerPump.SetParameters(flow, power, 0.5);
    const double pipeLoss = publicPool ? 0.8 : 0.5;  // W/(m K)
    doc.inletPipeInside.SetParameters(pipeLoss, publicPool ? 10 : 5);
    doc.inletPipeOutside.SetParameters(pipeLoss, publicPool ? 40 : 15);
    doc.outletPipeInside.SetParameters(pipeLoss, publicPool ? 10 : 5);
    doc.outletPipeOutside.SetParameters(pipeLoss, publicPool ? 40 : 15);
    doc.PipeSurroundTemp = indoor ? 20 : 12;
    doc.Collector = indoor ? CollectorKind::Glazed : CollectorKind::Unglazed;
    doc.glazedCollector.SetParameters(1, publicPool ? 20 : 4, 1, 2.5, 0.75, 0, 4.5, 0.01, 0, 0.04,
                                      0, 0, nullptr, 0, nullptr);
    doc.unglazedCollector.SetParameters(1, publicPool ? 20 : 6, 1, 4.0, 0.85, 0.04, 12, 3, 0, 0.5,
                                        1.2, 0.2, 0, 0, nullptr, 0, nullptr);
    doc.RoofType = 1;
    doc.heatExchanger.SetEffectiveness(0.7);
    doc.CollectorFluidCp = indoor ? 3800 : 4200;
    doc.controller.SetParameters(4, 1.5, 30, DeltaTController::kLimitColdSide);

    // Heaters sized for the pool; the fuel heater (the default) is the one used.
    doc.gasHeater.SetParameters(26, publicPool ? 150000 : 30000, 0.8);
    doc.heatPump.SetParameters(26, publicPool ? 60000 : 15000, 5);

    // Pool: the walls of an above-ground pool stand in the open; public pools lose more water.
    const double area = publicPool ? 300 : 50;
    const double exposedWalls = poolType == PoolType::ResidentialAboveGround ? 1.0 : 0.0;
    const double floorResistance = poolType == PoolType::ResidentialAboveGround ? 1.0 : 5.0;
    doc.pool.SetDesignParameters(PoolVolume(poolType, area), area, exposedWalls, 0.9, 0.6,
                                 floorResistance, 1.25, 5e-7, 1, 0.15);
    doc.pool.SetOtherWaterLoss(DailyWaterLoss(publicPool ? 2.0 : 0.2));
    doc.IndoorPool = indoor ? 1 : 0;
    doc.IndoorAirTemp = 28;
    doc.IndoorRelHum = 0.6;
    // The soil under a heated building is warmer than the default; mains water and the indoor
    // air speed keep theirs, and the blanket is on whenever nobody swims (the default), in the
    // months the run names.
    if (indoor) doc.DeepSoilTemp = 18;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_templates <folder>\n");
        return 2;
    }
    for (const PoolType type : kPoolTypes) {
        CTidewarmDoc doc;
        SetUpTemplate(doc, type);
        const std::string path = std::string(argv[1]) + "/" + std::string(PoolTemplate(type));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out || doc.WriteProject(out) != 0 || !out.flush()) {
            std::fprintf(stderr, "make_templates: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
