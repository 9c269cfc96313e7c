// The accepted ranges of the values that both the simulation program's input dialogs and the
// batch input file carry, so that a value the dialogs refuse cannot reach a run through the
// batch file either. Bounds are inclusive, in the units given.
#pragma once

struct ValueRange {
    double min = 0;
    double max = 0;
};

// Pool.
inline constexpr ValueRange kPoolSurfaceRange{0.01, 1e10};  // m2
// Minimum and maximum pool temperatures, and the heater's set point, degC.
inline constexpr ValueRange kPoolTemperatureRange{0, 50};
inline constexpr ValueRange kFractionRange{0, 1};
// Opening and closing hours of the pool, by the clock; the pool closes at or after it opens.
inline constexpr ValueRange kSwimmingHourRange{0, 24};
// A blanket's absorptivity (long-wave: emissivity) and transmissivity of one band: what it
// absorbs and what it lets through cannot exceed what reaches it. Decimal entries that add up to
// 1 may miss it in their last bit. MostPassed is the most it may let through of a band of which
// it absorbs `absorbed`.
[[nodiscard]] inline constexpr double MostPassed(double absorbed) {
    return 1 + 1e-12 - absorbed;
}
[[nodiscard]] inline constexpr bool AbsorbedAndPassedFit(double absorbed, double passed) {
    return passed <= MostPassed(absorbed);
}

// Auxiliary heater: capacity (W) and efficiency (%) or coefficient of performance. Both must be
// above 0: a heater of no capacity heats nothing and the fuel use divides by the efficiency.
inline constexpr ValueRange kHeaterCapacityRange{1e-6, 1e10};
inline constexpr ValueRange kHeaterEfficiencyRange{0.001, 100};

// Collectors: the test equation's intercept A (-), test area (m2), test flow (kg/s per test
// area), collectors in series and groups in parallel.
inline constexpr ValueRange kCollectorInterceptRange{0, 1};
inline constexpr ValueRange kPositiveQuantityRange{1e-6, 1e10};
inline constexpr ValueRange kCollectorCountRange{1, 1000};
// A glazed collector's temperature terms (A - B dT) and (C + D dT): B in 1/degC, C in W/m2/degC,
// D in W/m2/degC2. Its temperature without flow is found by fixed-point iteration, which settles
// within its steps for every sun, inlet and air temperature only when B and D are small beside C;
// the bounds hold every rated glazed flat plate and refuse an unglazed collector's wind terms
// (B in s/m, D in J/m3/degC, both far larger).
inline constexpr ValueRange kGlazedTemperatureSlopeRange{0, 0.0005};  // B
inline constexpr ValueRange kGlazedHeatLossRange{2.5, 20};            // C
inline constexpr ValueRange kGlazedHeatLossSlopeRange{0, 0.02};       // D
// Slope of the collector plane from the horizontal, degrees.
inline constexpr ValueRange kSlopeRange{0, 180};
