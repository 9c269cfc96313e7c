// The units a run's report shows: SI as stored, or IP (inch-pound) when the run asks for it.
#pragma once

enum class UnitSystem { SI, IP };

// Million British thermal units in one gigajoule (1 Btu = 1055.05585262 J, the IT Btu).
inline constexpr double kMBtuPerGigajoule = 0.9478169879134378;

// A temperature in the report's unit from °C: °F in IP.
inline double ReportTemperature(double celsius, UnitSystem units) {
    return units == UnitSystem::IP ? celsius * 1.8 + 32 : celsius;
}

// An energy in the report's unit from GJ: MBtu in IP.
inline double ReportEnergy(double gigajoules, UnitSystem units) {
    return units == UnitSystem::IP ? gigajoules * kMBtuPerGigajoule : gigajoules;
}
