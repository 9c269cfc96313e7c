// Factors of the IP display of the front end and of the report: values are stored in SI and shown
// as SI x factor; and the temperature scales both ways.
#pragma once

// The units a value is shown in. Every value is stored and computed in SI; the configuration
// file and the Runs table keep their own spellings, converted where they are read and written.
enum class UnitSystem { SI, IP };

// From 1 ft = 0.3048 m and 1 US gallon = 3.785412 L (1 kg of water taken as 1 L); Btu/h
// counts the thermochemical Btu (1054.35 J), MBtu the international one (1055.056 J).
inline constexpr double kSquareMetresToSquareFeet = 10.763910416709722;  // m2 -> ft2
inline constexpr double kKilogramsPerSecondToUsGpm = 15.85032223705108;  // kg/s -> US gal/min
inline constexpr double kWattsToBtuPerHour = 3.4144259496372174;         // W -> Btu/h
inline constexpr double kGigajoulesToMBtu = 0.9478169879134378;          // GJ -> MBtu
inline constexpr double kPerGigajouleToPerMBtu = 1.055056;               // $/GJ -> $/MBtu
inline constexpr double kPerMetreToPerFoot = 0.3048;                     // per m -> per ft
// The collectors' coefficients: 1 Btu/h/ft2/degF = 5.678 W/m2/degC; 1 Btu/h/ft2 = 3.1546 W/m2
// (thermochemical Btu, as the heater's Btu/h); 1 Btu/ft3/degF = 67066 J/m3/degC.
inline constexpr double kBtuPerHourSquareFootFahrenheit = 0.17612;           // per W/m2/degC
inline constexpr double kBtuPerHourSquareFoot = 0.317;                       // per W/m2
inline constexpr double kBtuPerCubicFootFahrenheit = 1.4910661930109238e-5;  // per J/m3/degC
// An insulation's thermal resistance.
inline constexpr double kSquareMetreCelsiusPerWattToIP = 5.678;  // m2 degC/W -> ft2 degF h/Btu
// The ways back the input form's boxes take from IP, as published (the flow's is rounded).
inline constexpr double kSquareFeetToSquareMetres = 0.09290304;  // ft2 -> m2
inline constexpr double kUsGpmToKilogramsPerSecond = 0.0630902;  // US gal/min -> kg/s

// The temperature scales: degF = degC x 1.8 + 32; a difference of 1 degC is 1.8 degF.
inline constexpr double kFahrenheitPerCelsius = 1.8;
inline constexpr double kCelsiusPerFahrenheit = 1 / kFahrenheitPerCelsius;
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;

inline constexpr double CelsiusToFahrenheit(double celsius) {
    return celsius * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius;
}
inline constexpr double FahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit - kFahrenheitAtZeroCelsius) * kCelsiusPerFahrenheit;
}
