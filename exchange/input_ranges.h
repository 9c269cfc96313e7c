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

// Auxiliary heater: capacity (W) and efficiency (%) or coefficient of performance. Both must be
// above 0: a heater of no capacity heats nothing and the fuel use divides by the efficiency.
inline constexpr ValueRange kHeaterCapacityRange{1e-6, 1e10};
inline constexpr ValueRange kHeaterEfficiencyRange{0.001, 100};

// Collectors: the test equation's intercept A (-), test area (m2), test flow (kg/s per test
// area), collectors in series and groups in parallel.
inline constexpr ValueRange kCollectorInterceptRange{0, 1};
inline constexpr ValueRange kPositiveQuantityRange{1e-6, 1e10};
inline constexpr ValueRange kCollectorCountRange{1, 1000};
// Slope of the collector plane from the horizontal, degrees.
inline constexpr ValueRange kSlopeRange{0, 180};
