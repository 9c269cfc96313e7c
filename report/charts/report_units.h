// The units a run's report shows: SI as stored, or IP (inch-pound) when the run asks for it.
#pragma once

#include "display_units.h"

// A temperature in the report's unit from °C: °F in IP.
inline double ReportTemperature(double celsius, UnitSystem units) {
    return units == UnitSystem::IP ? CelsiusToFahrenheit(celsius) : celsius;
}

// An energy in the report's unit from GJ: MBtu in IP.
inline double ReportEnergy(double gigajoules, UnitSystem units) {
    return units == UnitSystem::IP ? gigajoules * kGigajoulesToMBtu : gigajoules;
}
