// One simulated day: the weather read ahead at the start of the day, then the hourly step that
// solves the collector loop, the roof and the pool by nested fixed-point iterations.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "document.h"
#include "physical_constants.h"
#include "psychrometrics.h"
#include "result_columns.h"
#include "run_messages.h"
#include "simulator_strings.h"

namespace {

// Hourly clearness from which an hour counts as sunny.
constexpr double kSunnyClearness = 0.5;
// Hours of a day that must count for the day to be swimmable: more than this.
constexpr int kSwimmableHourThreshold = 3;
// Heat balance of the space under a roof that is not insulated: the sun it gains per W/m2 of
// irradiance and its exchange with the outdoor air, K/s.
constexpr double kUnderRoofSolarGain = 9.29016e-7;
constexpr double kUnderRoofExchange = 1.04859e-4;
// Thermal resistance (m2 K/W) behind a collector in its test mounting: the loss through it is
// already part of the collector's test coefficients.
constexpr double kTestMountingResistance = 0.335;
// Outer passes over the pool loop within one hour.
constexpr int kOuterPasses = 3;

}  // namespace

bool CTidewarmDoc::InSeason(int day) const {
    if (SeasonStart < SeasonEnd) return day >= SeasonStart && day <= SeasonEnd;
    if (SeasonStart > SeasonEnd) return day >= SeasonStart || day <= SeasonEnd;
    return true;
}

int CTidewarmDoc::PrepareDay() {
    FileReader& weather = *SelectedWeatherReader();
    double dailyIrradiation = 0;  // J/m2
    int countedHours = 0;
    for (Hour = 1; Hour <= 24; ++Hour) {
        SolarHour = Hour - 0.5;
        HourIndex = DayCount * 24 + Hour;
        if (UseAlternateInput != 0) {
            if (const int result = alternateReader.Compute(); result != 0) {
                ShowRunMessage(kStrAlternateReadError);
                return result;
            }
        }
        if (const int result = weather.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleWeather);
        const double global = *links.HGlo;
        const double air = *links.TAmb;
        dailyIrradiation += global * kSecondsPerHour;
        if (SwimmableCriterion != 0 && IndoorPool != 1) {
            bool counts = air > CloudyDayMinAirTemp;
            // The sun's position is wanted only for the clearness of a mild hour (the hourly
            // step computes it again for its own use).
            if (!counts && air >= SunnyDayMinAirTemp) {
                if (const int result = sun.Compute(); result != 0)
                    return ShowComponentFailure(result, kStrTitleWeather);
                if (sun.zenith < std::numbers::pi / 2) {
                    const double clearness =
                        std::min(global / (sun.extraterrestrialNormal * std::cos(sun.zenith)), 1.0);
                    counts = clearness >= kSunnyClearness;
                }
            }
            if (counts) ++countedHours;
        }
    }
    Swimmable = (IndoorPool == 1 || countedHours > kSwimmableHourThreshold) ? 1 : 0;
    DailyClearness = DailyClearnessIndex(CurrentDay, sun.GetLatitude(), dailyIrradiation);
    return 0;
}

int CTidewarmDoc::RoofLoop(FlatPlateCollector& collector) {
    roofPromoter.ClearHistory();
    int l = 0;
    while (l < MaxIterations && roofPromoter.Compute() != 0) {
        if (const int result = roof.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleRoof);
        roof.heatFlowIn -= (roofPromoter.nextGuess - *links.TAmb) / kTestMountingResistance;
        if (const int result = collector.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleCollectorOnRoof);
        ++l;
    }
    if (l >= MaxIterations) {
        ShowRunMessage(kStrNoRoofConvergence);
        return kIterateAgain;
    }
    return 0;
}

int CTidewarmDoc::CollectorLoop(FlatPlateCollector& collector) {
    struct Step {
        SolarBase& component;
        int title;
    };
    collectorPromoter.ClearHistory();
    int k = 0;
    while (k < MaxIterations && collectorPromoter.Compute() != 0) {
        if (links.QColl != nullptr && *links.QColl != 0) *links.CollOn = 1;
        for (const Step& step : {Step{collectorPump, kStrTitleCollectorPump},
                                 Step{inletPipeInside, kStrTitleInletPipeInside},
                                 Step{inletPipeOutside, kStrTitleInletPipeOutside},
                                 Step{collector, kStrTitleCollector}})
            if (const int result = step.component.Compute(); result != 0)
                return ShowComponentFailure(result, step.title);
        if (Collector == CollectorKind::Unglazed)
            if (const int result = RoofLoop(collector); result != 0) return result;
        if (links.QColl != nullptr) {
            // The energy collected drives the loop: the outlet follows from it in the loop's
            // fluid, and it is the collector's useful gain.
            const double collected = *links.QColl;  // J in the hour
            if (collected == 0) {
                *links.Tco = *links.Tci;
            } else if (*links.MdotColl == 0) {
                ShowRunMessage(kStrCollectedWithoutFlow);
                return kDomain;
            } else {
                *links.Tco =
                    *links.Tci + collected / *links.MdotColl / *links.LoopSpecificHeat / TimeStep;
            }
            collector.usefulGain = collected / TimeStep;
        }
        for (const Step& step : {Step{outletPipeOutside, kStrTitleOutletPipeOutside},
                                 Step{outletPipeInside, kStrTitleOutletPipeInside}})
            if (const int result = step.component.Compute(); result != 0)
                return ShowComponentFailure(result, step.title);
        // Without an exchanger nothing feeds back within the loop: one pass settles it.
        if (!ExchangerOn()) break;
        if (const int result = heatExchanger.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleExchanger);
        ++k;
    }
    if (k >= MaxIterations) {
        ShowRunMessage(kStrNoCollectorConvergence);
        return kIterateAgain;
    }
    return 0;
}

int CTidewarmDoc::StepHeater() {
    HeaterOn = heaterProfile.value != 0 ? 1 : 0;
    // The heater never runs with the collector loop.
    if (UseSolar != 0 && *links.CollOn != 0) HeaterOn = 0;
    if (HeaterOffOutOfSeason != 0 && !InSeason(CurrentDay)) HeaterOn = 0;
    HeaterFlow = pool.GetVolume() * kWaterDensity / TimeStep;
    if (HeaterType == HeaterKind::Fuel) {
        if (const int result = gasHeater.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleHeater);
    } else if (HeaterType == HeaterKind::HeatPump) {
        if (const int result = heatPump.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleHeatPump);
    }
    return 0;
}

int CTidewarmDoc::SimulateHour() {
    if (UseAlternateInput != 0) {
        if (const int result = alternateReader.Compute(); result != 0) {
            ShowRunMessage(kStrAlternateReadError);
            return result;
        }
    }
    hourlySummary.ResetSums();
    if (const int result = StepSchedules(); result != 0) return result;
    if (const int result = StepWeather(); result != 0) return result;
    const bool exchanger = ExchangerOn();
    if (const int result = SolvePoolLoop(exchanger); result != 0) return result;
    // The hour ends on the temperature the loop computed from its last guess, not on the guess:
    // the heat stored is then exactly the gains less the losses of that last evaluation, with
    // the auxiliary heat.
    poolPromoter.nextGuess = poolPromoter.LoopValue();

    const double poolTemperature = *links.TPool;
    if (SwimmableCriterion != 0 && poolTemperature >= MinPoolTemp - Tolerance) ++SwimmableHours;
    SetHourEnergies(poolTemperature, exchanger);

    // The end of the hour: the states the next hour starts from.
    CollectorWasOn = CollectorOn;
    PoolTempStart = poolTemperature;
    TSoilPrev = soilTempIntegrator.newState;
    controller.LatchState();

    if (HourlyOutput != 0) return WriteHourlyLine();
    return 0;
}

int CTidewarmDoc::StepSchedules() {
    if (const int result = activityProfile.Compute(); result != 0)
        return ShowComponentFailure(result, kStrTitleActivity);
    Activity = InSeason(CurrentDay) ? static_cast<int>(activityProfile.value) : 0;
    if (SwimmableCriterion != 0 && Swimmable == 0) Activity = 0;
    if (const int result = blanketSeasonalProfile.Compute(); result != 0)
        return ShowComponentFailure(result, kStrTitleBlanketMonthly);
    if (BlanketAlways != 0) {
        BlanketOn = static_cast<int>((*links.Activity == 0 ? 1 : 0) * blanketSeasonalProfile.value);
    } else {
        if (const int result = blanketDailyProfile.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleBlanketHourly);
        BlanketOn = static_cast<int>(blanketSeasonalProfile.value * blanketDailyProfile.value);
    }
    if (*links.BlanketOn != 0 && *links.Activity != 0) {
        ShowRunMessage(kStrActivityWithBlanket);
        return kDomain;
    }
    if (UseAuxHeater != 0)
        if (const int result = heaterProfile.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleHeaterMonthly);
    return 0;
}

int CTidewarmDoc::StepWeather() {
    if (const int result = SelectedWeatherReader()->Compute(); result != 0)
        return ShowComponentFailure(result, kStrTitleWeather);
    if (const int result = StepSunAndSplit(); result != 0) return result;
    if (UseSolar != 0) {
        if (const int result = tracker.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleWeather);
        if (const int result = tilter.Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleWeather);
    }
    const double air = *links.TAmb;
    StepHourAir(air, *links.RelHum);
    TUnderRoof += (kUnderRoofSolarGain * *links.HGlo - kUnderRoofExchange * (TUnderRoof - air)) *
                  kSecondsPerHour;
    return 0;
}

int CTidewarmDoc::StepSunAndSplit() {
    if (!SunWanted()) return 0;
    const std::array<std::uint64_t, 4> inputs{
        std::bit_cast<std::uint64_t>(static_cast<double>(CurrentDay)),
        std::bit_cast<std::uint64_t>(SolarHour), std::bit_cast<std::uint64_t>(*links.HGlo),
        std::bit_cast<std::uint64_t>(*links.Albedo)};
    HourSun* slot = HourIndex >= 0 && static_cast<std::size_t>(HourIndex) < hourSun_.size()
                        ? &hourSun_[static_cast<std::size_t>(HourIndex)]
                        : nullptr;
    if (slot != nullptr && slot->held && slot->inputs == inputs) {
        sun.zenith = slot->zenith;
        sun.azimuth = slot->azimuth;
        sun.airMass = slot->airMass;
        sun.extraterrestrialNormal = slot->extraterrestrialNormal;
        splitter.global = slot->global;
        splitter.diffuse = slot->diffuse;
        splitter.beamNormal = slot->beamNormal;
        splitter.beamHorizontal = slot->beamHorizontal;
        return 0;
    }
    for (SolarBase* component : {static_cast<SolarBase*>(&sun), static_cast<SolarBase*>(&splitter)})
        if (const int result = component->Compute(); result != 0)
            return ShowComponentFailure(result, kStrTitleWeather);
    if (slot != nullptr)
        *slot = HourSun{inputs,
                        sun.zenith,
                        sun.azimuth,
                        sun.airMass,
                        sun.extraterrestrialNormal,
                        splitter.global,
                        splitter.diffuse,
                        splitter.beamNormal,
                        splitter.beamHorizontal,
                        true};
    return 0;
}

void CTidewarmDoc::StepHourAir(double air, double relativeHumidity) {
    const std::array<std::uint64_t, 4> inputs{
        std::bit_cast<std::uint64_t>(air), std::bit_cast<std::uint64_t>(relativeHumidity),
        std::bit_cast<std::uint64_t>(DailyClearness), std::bit_cast<std::uint64_t>(SolarHour)};
    HourAir unkept;
    HourAir& hour = HourIndex >= 0 && static_cast<std::size_t>(HourIndex) < hourAir_.size()
                        ? hourAir_[static_cast<std::size_t>(HourIndex)]
                        : unkept;
    if (!hour.held || hour.inputs != inputs) {
        const double dewPoint = DewPointFromRelHum(air, relativeHumidity);
        hour = HourAir{inputs, dewPoint, SkyTemperature(DailyClearness, air, dewPoint, SolarHour)};
        hour.held = true;
    }
    TSky = hour.sky;
    if (!WetBulbWanted()) return;
    if (!hour.wetBulbHeld) {
        hour.wetBulb = WetBulbFromDewPoint(air, hour.dewPoint, kStandardPressure);
        hour.wetBulbHeld = true;
    }
    TWetBulb = hour.wetBulb;
}

int CTidewarmDoc::SolvePoolLoop(bool exchanger) {
    FlatPlateCollector& collector = *SelectedCollector();
    CollectorOn = CollectorWasOn;
    ThermostatPasses seen;
    for (int i = 0; i < kOuterPasses; ++i) {
        const int savedState = *links.CollOn;
        poolPromoter.ClearHistory();
        int j = 0;
        while (j < MaxIterations && poolPromoter.Compute() != 0) {
            if (exchanger)
                if (const int result = exchangerPump.Compute(); result != 0)
                    return ShowComponentFailure(result, kStrTitleExchangerPump);
            if (UseSolar != 0)
                if (const int result = CollectorLoop(collector); result != 0) return result;
            if (const int result = pool.Compute(); result != 0)
                return ShowComponentFailure(result, kStrTitlePool);
            if (const int result = poolTempIntegrator.Compute(); result != 0)
                return ShowComponentFailure(result, kStrTitlePoolIntegrator);
            if (const int result = soilTempIntegrator.Compute(); result != 0)
                return ShowComponentFailure(result, kStrTitleSoilIntegrator);
            if (UseAuxHeater != 0)
                if (const int result = StepHeater(); result != 0) return result;
            ++j;
        }
        if (j >= MaxIterations) {
            ShowRunMessage(kStrNoPoolConvergence);
            return kIterateAgain;
        }
        if (UseSolar == 0) break;
        if (i < kOuterPasses - 1) {
            if (const int result = controller.Compute(); result != 0)
                return ShowComponentFailure(result, kStrTitleController);
            CollectorOn = CollectorStateAfterPass(savedState != 0, seen);
            if (*links.CollOn == savedState) break;
            // A thermostat that has just started its pump keeps it running while the
            // difference stays above its off setting: the next pass, with the water running,
            // is compared with that setting, not with the start setting again.
            if (CollectorOn != 0) controller.LatchState();
        }
    }
    return 0;
}

// The controller's decision on the pass just solved, as the hour counts it. A thermostat that
// starts its pump at rest and stops it running, because the running rise falls below its off
// setting, cycles the pump within the hour: the array then delivers about what it delivers
// running, which the hour counts while the running rise stays positive. An array that gains
// nothing running stays off for the hour, whatever it does at rest.
int CTidewarmDoc::CollectorStateAfterPass(bool ran, ThermostatPasses& seen) const {
    if (!ran) {
        seen.startsAtRest = controller.on != 0;
        return seen.startsAtRest && !seen.gainsNothing ? 1 : 0;
    }
    const bool gains = controller.TemperatureDifference() > 0;
    seen.gainsNothing = !gains;
    if (controller.on != 0) return 1;
    return seen.startsAtRest && gains && !controller.AboveHighLimit() ? 1 : 0;
}

void CTidewarmDoc::SetHourEnergies(double poolTemperature, bool exchanger) {
    QPumps = collectorPump.heat + (exchanger ? exchangerPump.heat : 0.0);
    QPipes = inletPipeInside.heatLoss + inletPipeOutside.heatLoss + outletPipeInside.heatLoss +
             outletPipeOutside.heatLoss;
    QRes = pool.GetVolume() * kWaterDensity * PoolWaterCp * (poolTemperature - PoolTempStart) /
           kSecondsPerHour;
    QElec = collectorPump.electricPower + (exchanger ? exchangerPump.electricPower : 0.0);
    if (UseAuxHeater != 0 && HeaterType == HeaterKind::HeatPump && heatPump.cop != 0)
        QElec += heatPump.heat / heatPump.cop;
    QPrimary = UseAuxHeater != 0 && HeaterType == HeaterKind::Fuel ? gasHeater.fuelUse : 0.0;
}

int CTidewarmDoc::WriteHourlyLine() {
    if (const int result = hourlySummary.Compute(); result != 0)
        return ShowComponentFailure(result, kStrTitleHourlySummary);
    hourlySummary.Normalise(kHourlyMonth, kHourlyQPass - kHourlyMonth);
    hourlySummary.Normalise(kHourlyHGlo, kHourlyColumnCount - kHourlyHGlo);
    if (const int result = hourlyWriter.Compute(); result != 0) {
        ShowRunMessage(kStrCannotWriteHourly);
        return result;
    }
    return 0;
}
