#include "object_units.h"

#include <cstdio>

#include "collector_kind.h"
#include "display_units.h"
#include "frontend_strings.h"
#include "number_entry.h"

double UnitConversion::Shown(double stored, UnitSystem units) const {
    return units == UnitSystem::IP ? stored * factor + offset : stored;
}

double UnitConversion::Stored(double shown, UnitSystem units) const {
    return units == UnitSystem::IP ? (shown - offset) / factor : shown;
}

std::string UnitConversion::Text(double stored, UnitSystem units) const {
    char text[64];
    std::snprintf(text, sizeof text, format, Shown(stored, units));
    return TrimRight(text);
}

namespace {

// 1 Btu/h/ft2/degF = 5.678 W/m2/degC; 1 Btu/h/ft2 = 3.1546 W/m2 (thermochemical Btu, as the
// heater's Btu/h); 1 Btu/ft3/degF = 67066 J/m3/degC.
constexpr double kBtuPerHourSquareFootFahrenheit = 0.17612;           // per W/m2/degC
constexpr double kBtuPerHourSquareFoot = 0.317;                       // per W/m2
constexpr double kBtuPerCubicFootFahrenheit = 1.4910661930109238e-5;  // per J/m3/degC
constexpr double kSquareMetreCelsiusPerWattToIP = 5.678;  // ft2 degF h/Btu per m2 degC/W

constexpr UnitConversion kTestArea{kSquareMetresToSquareFeet, 0, kStrUnitSquareMetres,
                                   kStrUnitSquareFeet};
constexpr UnitConversion kTestFlow{kKilogramsPerSecondToUsGpm, 0, kStrUnitKilogramsPerSecond,
                                   kStrUnitUsGpm};
constexpr UnitConversion kCoefficientB{1 / 1.8, 0, kStrUnitPerCelsius, kStrUnitPerFahrenheit};
constexpr UnitConversion kGlazedC{kBtuPerHourSquareFootFahrenheit, 0, kStrUnitGlazedC,
                                  kStrUnitGlazedCIP};
constexpr UnitConversion kUnglazedC{0.3048 / 1.8, 0, kStrUnitUnglazedC, kStrUnitUnglazedCIP};
constexpr UnitConversion kGlazedD{kBtuPerHourSquareFootFahrenheit / 1.8, 0, kStrUnitGlazedD,
                                  kStrUnitGlazedDIP};
constexpr UnitConversion kUnglazedD{kBtuPerCubicFootFahrenheit, 0, kStrUnitUnglazedD,
                                    kStrUnitUnglazedDIP};
constexpr UnitConversion kCoefficientE{kBtuPerHourSquareFoot, 0, kStrUnitWattsPerSquareMetre,
                                       kStrUnitBtuPerHourSquareFoot};
constexpr UnitConversion kCapacity{kWattsToBtuPerHour, 0, kStrUnitWatts, kStrUnitBtuPerHour,
                                   "%-9.0lf"};
constexpr UnitConversion kInsulation{kSquareMetreCelsiusPerWattToIP, 0, kStrUnitRSI, kStrUnitRIP,
                                     "%-9.3lg"};
constexpr UnitConversion kPoolTemperature{1.8, 32, kStrUnitCelsius, kStrUnitFahrenheit, "%-4.1lf"};

}  // namespace

const UnitConversion& TestAreaUnits() {
    return kTestArea;
}
const UnitConversion& TestFlowUnits() {
    return kTestFlow;
}
const UnitConversion& CoefficientBUnits(int) {
    return kCoefficientB;
}
const UnitConversion& CoefficientCUnits(int collectorType) {
    return StoredCollectorKind(collectorType) == CollectorKind::Glazed ? kGlazedC : kUnglazedC;
}
const UnitConversion& CoefficientDUnits(int collectorType) {
    return StoredCollectorKind(collectorType) == CollectorKind::Glazed ? kGlazedD : kUnglazedD;
}
const UnitConversion& CoefficientEUnits() {
    return kCoefficientE;
}
const UnitConversion& HeaterCapacityUnits() {
    return kCapacity;
}
const UnitConversion& InsulationUnits() {
    return kInsulation;
}
const UnitConversion& PoolTemperatureUnits() {
    return kPoolTemperature;
}
