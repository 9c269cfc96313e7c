// Physical constants and unit conversions that more than one component uses, each with its unit
// and source. The values are those the models were fitted or written with; where a newer
// published value differs, the comment says so (changing it would change every result).
#pragma once

// Stefan-Boltzmann constant, W/(m2 K4). The rounded textbook value (Duffie and Beckman, Solar
// Engineering of Thermal Processes); CODATA 2018 gives 5.670374419e-8.
inline constexpr double kStefanBoltzmann = 5.67e-8;

// Solar constant, W/m2: the World Radiation Center value used by Duffie and Beckman and by
// Spencer's extraterrestrial irradiance. Kopp and Lean (2011, Geophys. Res. Lett. 38, L01706)
// measured 1360.8 W/m2.
inline constexpr double kSolarConstant = 1367.0;

// Standard atmospheric pressure at sea level, Pa (ISO 2533 standard atmosphere; exact).
inline constexpr double kStandardPressure = 101325.0;

// Standard acceleration of gravity, m/s2, rounded (CGPM 1901 defines 9.80665).
inline constexpr double kGravity = 9.81;

// Celsius zero on the kelvin scale, K (exact).
inline constexpr double kZeroCelsius = 273.15;

// Liquid water near room temperature: density, kg/m3 (rounded; 998.2 at 20 degC); latent heat of
// vaporisation, J/kg (2453.5 kJ/kg at 20 degC, IAPWS steam tables); refractive index for visible
// light (1.333 at 20 degC and 589 nm).
inline constexpr double kWaterDensity = 1000.0;
inline constexpr double kWaterLatentHeat = 2.454e6;
inline constexpr double kWaterRefractiveIndex = 1.332;

// Time.
inline constexpr double kMinutesPerHour = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr int kHoursPerDay = 24;

// Energy and speed units.
inline constexpr double kJoulesPerGigajoule = 1e9;
inline constexpr double kJoulesPerKilowattHour = 3.6e6;
inline constexpr double kKilometresPerHourPerMetrePerSecond = 3.6;
