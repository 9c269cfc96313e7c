// One evaluation of the pool's energy and water balance.
//
// The film correlations are the textbook ones collected by F. P. Incropera and D. P. DeWitt,
// Fundamentals of Heat and Mass Transfer (Wiley), chapters 7 (forced) and 9 (free convection);
// each is named where it is used.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "helpers.h"
#include "physical_constants.h"
#include "pool.h"
#include "psychrometrics.h"
#include "sky.h"

namespace {

// Air near the surface: kinematic viscosity, thermal diffusivity (m2/s), conductivity (W/m K),
// Prandtl number; water: kinematic viscosity (m2/s), Prandtl number, conductivity (W/m K); all
// near room temperature.
constexpr double kAirViscosity = 1.495e-5;
constexpr double kAirDiffusivity = 2.12e-5;
constexpr double kAirConductivity = 0.026;
constexpr double kAirPrandtl = 0.71;
constexpr double kWaterViscosity = 9.6e-7;
constexpr double kWaterPrandtl = 6.62;
constexpr double kWaterConductivity = 0.606;

// Resistance of one square metre of pool wall, m2 K/W.
constexpr double kWallResistance = 0.00553;
// Long-wave emissivity of water.
constexpr double kWaterEmissivity = 0.95;
// Share of the solar radiation entering the water that is not absorbed (it leaves again).
constexpr double kSolarEscape = 0.07;
// Mass-transfer coefficient (kg/s m2 Pa) per unit convection coefficient (W/m2 K), times the
// film temperature (K) and the air's conductivity: the heat and mass transfer analogy of T. H.
// Chilton and A. P. Colburn, Ind. Eng. Chem. 26(11), 1183-1187 (1934), for water vapour in air.
constexpr double kHeatMassAnalogy = 4.5718658810426715e-08;
// Where the laminar and turbulent correlations of a heated surface facing up meet.
constexpr double kTurbulentRayleigh = 4.74e6;

// Water velocity along the walls from swimming, m/s, and the factor that activity puts on the
// surface transfer.
double WaterVelocity(int activity) {
    switch (activity) {
        case 1:
            return 0.02;
        case 2:
            return 0.05;
        default:
            return 0.001;
    }
}

double ActivityFactor(int activity) {
    switch (activity) {
        case 1:
            return 1.2;
        case 2:
            return 1.6;
        default:
            return 1.0;
    }
}

// Linearised radiation conductance (W/K) between a surface at t and surroundings at t2 (K):
// sigma (t^2 + t2^2)(t + t2) area emissivity, so that the exchange is conductance x (t - t2).
double RadiationConductance(double t, double t2, double area, double emissivity) {
    return (t2 * t2 + t * t) * (t + t2) * area * emissivity * kStefanBoltzmann;
}

}  // namespace

int SwimmingPool::Compute() {
    ZeroHeatFlows();
    if (status_ != kReady) return status_;

    const double now = *time_;
    const Conditions c = ReadConditions();
    if (!(previousStepTime_ < now)) return FatalError(0x107, {now, previousStepTime_});
    LatchSurfaceTemperatures(now);
    if (const int refused = CheckConditions(c); refused != kOk) return refused;

    const double poolCelsius = KelvinToCelsius(c.tp);
    const double airCelsius = KelvinToCelsius(c.ta);
    const double surfacePressure = SatVapourPressure(poolCelsius);
    const double airPressure =
        airVapourPressure_({airCelsius, c.relativeHumidity},
                           [](const auto& in) { return VapourPressureFromRelHum(in[0], in[1]); });

    if (exposedWallArea_ > 0) ComputeSideWalls(c);
    ComputeConduction(c);

    double hc, hm;
    SurfaceCoefficients(c, hc, hm);
    const double activity = ActivityFactor(c.activity);
    hc *= activity;
    hm *= activity;
    if (c.coverOn) hm *= 1.0 - coveredFraction_;

    evaporationRate = (surfacePressure - airPressure) * surfaceArea_ * hm;
    evaporationLoss = evaporationRate * kWaterLatentHeat;
    waterLoss = evaporationRate + otherWaterLoss_;

    // Under the blanket the surface film and the blanket's insulation are in series
    // (written with conductances, so that a film coefficient of 0 needs no division).
    if (c.coverOn)
        hc =
            coveredFraction_ * hc / (1.0 + hc * blanketInsulation_) + (1.0 - coveredFraction_) * hc;
    convectionLoss = (c.tp - c.ta) * hc * surfaceArea_;

    // With the blanket on, the water's emission that passes through the blanket and the
    // blanket's own emission together can never exceed a black body's.
    const double emissivity =
        c.coverOn ? std::min(1.0, blanketLwTransmissivity_ * kWaterEmissivity + blanketEmissivity_)
                  : kWaterEmissivity;
    radiationLoss = (std::pow(c.tp, 4) -
                     skyFourthPower_({c.tsky}, [](const auto& t) { return std::pow(t[0], 4); })) *
                    surfaceArea_ * kStefanBoltzmann * emissivity;

    makeUpLoss = (c.tp - c.tm) * c.makeUpFlow * c.cp;
    totalLosses = evaporationLoss + convectionLoss + conductionLoss + radiationLoss + sideWallLoss +
                  makeUpLoss;

    solarGain = SolarGain(c);
    loopGain = (c.tr - c.tp) * c.loopFlow * c.cp;
    totalGains = solarGain + loopGain;

    poolTemperatureDerivative = (totalGains - totalLosses) / volume_ / kWaterDensity / c.cp;
    return status_;
}

SwimmingPool::Conditions SwimmingPool::ReadConditions() const {
    Conditions c;
    c.tp = CelsiusToKelvin(*poolTemperature_);
    c.tsky = CelsiusToKelvin(*skyTemperature_);
    c.ta = CelsiusToKelvin(*airTemperature_);
    c.ts = CelsiusToKelvin(*soilTemperature_);
    c.tdg = CelsiusToKelvin(*deepGroundTemperature_);
    c.tm = CelsiusToKelvin(*makeUpTemperature_);
    c.tr = CelsiusToKelvin(*loopReturnTemperature_);
    c.cp = *specificHeat_;
    c.beam = *beamHorizontal_;
    c.diffuse = *diffuseHorizontal_;
    c.zenith = *zenith_;
    c.shaded = *shadedFraction_;
    c.groundReflectance = *groundReflectance_;
    c.relativeHumidity = *relativeHumidity_;
    c.wind = *windSpeed_ * windCorrectionFactor_;
    c.makeUpFlow = *makeUpFlow_;
    c.loopFlow = *loopFlow_;
    c.coverOn = *coverOn_ != 0;
    c.activity = *activityLevel_;
    return c;
}

int SwimmingPool::CheckConditions(const Conditions& c) {
    if (!(c.cp > 0)) return DomainError(0x101, {c.cp});
    if (!(c.relativeHumidity >= 0 && c.relativeHumidity <= 1))
        return DomainError(0x102, {c.relativeHumidity * 100.0});
    if (!(c.shaded >= 0 && c.shaded <= 1)) return DomainError(0x103, {c.shaded});
    if (!(c.wind >= 0)) return DomainError(0x104, {c.wind});
    if (!(c.loopFlow >= 0)) return DomainError(0x106, {c.loopFlow});
    return kOk;
}

// The wall history advances once per new time value, so that the driver's repeated calls at
// one time start from the same previous surface temperatures.
void SwimmingPool::LatchSurfaceTemperatures(double now) {
    const bool firstCall = previousStepTime_ == kNoStep;
    if (firstCall) {
        for (int i = 0; i < 2; ++i) {
            innerSurface_[i] = CelsiusToKelvin(*poolTemperature_);
            outerSurface_[i] = CelsiusToKelvin(*airTemperature_);
        }
        latchedTime_ = now - kSecondsPerHour;
    }
    if (latchedTime_ == now) return;
    if (firstCall || now > latchedTime_) {
        for (int i = 0; i < 2; ++i) {
            previousInnerSurface_[i] = innerSurface_[i];
            previousOuterSurface_[i] = outerSurface_[i];
        }
        previousStepTime_ = latchedTime_;
    }
    if (!firstCall) latchedTime_ = now;
}

// The exposed part of the side walls, in two halves: one sunlit, one in the shade. Each half's
// outer surface balances the film to the water through the wall, convection to the air and
// long-wave exchange with ground and sky, and the sun it absorbs.
void SwimmingPool::ComputeSideWalls(const Conditions& c) {
    const double halfArea = exposedWallArea_ / 2.0;
    const double groundView = 0.7 + 0.3 * c.shaded;
    const double skyView = 1.0 - groundView;

    // Water-side film from the water's motion along the wall: the average over a laminar flat
    // plate, Nu = 0.664 Re^1/2 Pr^1/3 (Pohlhausen; Incropera and DeWitt, sec. 7.2).
    const double hWater =
        wallWaterFilm_({WaterVelocity(c.activity), sideLength_}, [](const auto& in) {
            const double waterReynolds = std::fabs(in[0] * in[1] / kWaterViscosity);
            return 0.664 * std::sqrt(waterReynolds) * std::pow(kWaterPrandtl, 0.333) *
                   kWaterConductivity / in[1];
        });
    const double wallAndFilm = kWallResistance / halfArea + 1.0 / (hWater * halfArea);

    // Forced convection on the outer face: the cross-flow correlation Nu = C Re^m Pr^0.37 of
    // A. Zukauskas, "Heat transfer from tubes in crossflow", Adv. Heat Transfer 8, 93-160 (1972),
    // for 0.667 times the wind speed.
    const double reynolds = 0.667 * c.wind * sideLength_ / kAirViscosity;
    const double forcedNusselt = wallForcedNusselt_({reynolds}, [](const auto& re) {
        const bool laminar = re[0] < 1e5;
        return (laminar ? 0.26 : 0.076) * std::pow(re[0], laminar ? 0.6 : 0.7) *
               std::pow(kAirPrandtl, 0.37);
    });

    for (int i = 0; i < 2; ++i) {
        const double tPrev = previousOuterSurface_[i];

        // The beam reaches the sunlit half only while the sun is above the horizon.
        double absorbed = 0;
        if (i == 0 && c.zenith < std::numbers::pi / 2)
            absorbed += (1.0 - c.shaded) * std::tan(c.zenith) * (exposedHeight_ * sideLength_) *
                        c.beam * wallAbsorptance_;
        absorbed += skyView * halfArea * c.diffuse * wallAbsorptance_;
        absorbed +=
            (c.beam + c.diffuse) * halfArea * c.groundReflectance * wallAbsorptance_ * groundView;

        // Natural convection on a vertical plate: S. W. Churchill and H. H. S. Chu, "Correlating
        // equations for laminar and turbulent free convection from a vertical plate", Int. J.
        // Heat Mass Transfer 18, 1323-1329 (1975), all Rayleigh numbers, with Pr = 0.71
        // (0.6929... = 0.492 / Pr, exponents 9/16 and 8/27).
        const double naturalNusselt =
            wallNaturalNusselt_[i]({exposedHeight_, c.ta, tPrev}, [](const auto& in) {
                const double rayleigh = std::fabs(std::pow(in[0], 3) * kGravity * (in[1] - in[2]) /
                                                  in[1] / kAirViscosity / kAirDiffusivity);
                return std::pow(
                    0.825 + 0.387 * std::pow(rayleigh, 0.1667) /
                                std::pow(1.0 + std::pow(0.6929577464788733, 0.5625), 0.2963),
                    2);
            });
        const double hConvection =
            std::max(forcedNusselt, naturalNusselt) * kAirConductivity / exposedHeight_;

        const double gConvection = hConvection * halfArea;
        const double gGround = RadiationConductance(tPrev, c.ta, halfArea, wallEmissivity_);
        const double gSky = RadiationConductance(tPrev, c.tsky, halfArea, wallEmissivity_);
        const double gWater = 1.0 / wallAndFilm;

        const double outer = (c.ta * (gConvection + groundView * gGround) +
                              skyView * c.tsky * gSky + c.tp * gWater + absorbed) /
                             (gConvection + groundView * gGround + skyView * gSky + gWater);
        const double loss = (c.tp - outer) * gWater;
        sideWallLoss += loss;
        outerSurface_[i] = outer;
        innerSurface_[i] = outer + loss * kWallResistance / halfArea;
    }
}

// Floor and buried walls lose heat through their insulation into a soil layer whose middle node
// is the soil input, its top the soil face under the insulation, its bottom the deep ground.
void SwimmingPool::ComputeConduction(const Conditions& c) {
    if (soilResistivity_ == 0) {
        conductionLoss = (c.tp - c.tdg) * buriedArea_ / floorResistance_;
        soilTemperatureDerivative = 0;
        return;
    }
    conductionLoss = (c.tp - c.ts) * buriedArea_ /
                     (soilResistivity_ * penetrationDepth_ / 2.0 + floorResistance_);
    const double soilFace = c.tp - floorResistance_ * conductionLoss / buriedArea_;
    soilTemperatureDerivative = (soilFace - 2.0 * c.ts + c.tdg) * 4.0 * soilDiffusivity_ /
                                (penetrationDepth_ * penetrationDepth_);
}

// Two models: fixed wind functions hc = a + b v (W/m2 K) and hm = (c + d v) / latent heat, or
// the larger of forced and free convection over the pool's side length with the Chilton-Colburn
// analogy for the mass transfer.
void SwimmingPool::SurfaceCoefficients(const Conditions& c, double& hc, double& hm) {
    if (evaporationModel_ == kEvaporationModelFixedCoefficients) {
        hc = convectionConstant_ + convectionWind_ * c.wind;
        hm = (evaporationConstant_ + evaporationWind_ * c.wind) / kWaterLatentHeat;
        return;
    }
    const double film = (c.tp + c.ta) / 2.0;
    const double reynolds = std::fabs(c.wind * sideLength_ / kAirViscosity);
    const double lengthCubed =
        sideLengthCubed_({sideLength_}, [](const auto& l) { return std::pow(l[0], 3); });
    const double rayleigh =
        std::fabs(lengthCubed * kGravity * (c.ta - c.tp) / film / kAirViscosity / kAirDiffusivity);
    // Average over a flat plate with a turbulent boundary layer throughout (Incropera and DeWitt,
    // sec. 7.2); free convection from horizontal plates: 0.27 Ra^1/4 for a cooled surface facing
    // up (W. H. McAdams, Heat Transmission, 3rd ed., McGraw-Hill 1954), 0.54 Ra^1/4 and
    // 0.15 Ra^1/3 for a heated one (J. R. Lloyd and W. R. Moran, J. Heat Transfer 96, 443-447
    // (1974)); Incropera and DeWitt, sec. 9.6.
    const double forcedNusselt = surfaceForcedNusselt_({reynolds}, [](const auto& re) {
        return 0.037 * std::pow(re[0], 0.8) * std::pow(kAirPrandtl, 0.3333);
    });
    double naturalNusselt;
    if (c.tp <= c.ta)  // cooled surface facing up
        naturalNusselt = 0.27 * std::pow(rayleigh, 0.25);
    else if (rayleigh <= kTurbulentRayleigh)  // heated surface facing up, laminar
        naturalNusselt = 0.54 * std::pow(rayleigh, 0.25);
    else  // heated surface facing up, turbulent
        naturalNusselt = 0.15 * std::pow(rayleigh, 0.3333);
    hc = std::max(forcedNusselt, naturalNusselt) * kAirConductivity / sideLength_;
    hm = (kHeatMassAnalogy / film / kAirConductivity) * hc;
}

double SwimmingPool::SolarGain(const Conditions& c) {
    const double unshaded = 1.0 - c.shaded;
    if (!c.coverOn) {
        const double beamReflectance = beamReflectance_({c.zenith}, [](const auto& zenith) {
            return FresnelReflectance(zenith[0], 1.0, kWaterRefractiveIndex);
        });
        return unshaded *
               ((1.0 - g_diffuseReflectanceWater) * c.diffuse + (1.0 - beamReflectance) * c.beam) *
               surfaceArea_ * (1.0 - kSolarEscape);
    }
    const double f = std::min(1.0, blanketAbsorptivity_ / 4.0 + blanketTransmissivity_);
    return unshaded * (c.beam + c.diffuse) * f * surfaceArea_ * (1.0 - (1.0 - f) * kSolarEscape);
}
