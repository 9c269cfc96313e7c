#include "object_units.h"

#include "collector_kind.h"
#include "display_units.h"
#include "frontend_strings.h"

double UnitConversion::Shown(double stored, UnitSystem units) const {
    return units == UnitSystem::IP ? stored * factor + offset : stored;
}

double UnitConversion::Stored(double shown, UnitSystem units) const {
    return units == UnitSystem::IP ? (shown - offset) / factor : shown;
}

std::string UnitConversion::Text(double stored, UnitSystem units) const {
    return NumberText(Shown(stored, units), style);
}

namespace {

constexpr UnitConversion kTestArea{
    kSquareMetresToSquareFeet, 0, kStrUnitSquareMetres, kStrUnitSquareFeet, {}};
constexpr UnitConversion kTestFlow{
    kKilogramsPerSecondToUsGpm, 0, kStrUnitKilogramsPerSecond, kStrUnitUsGpm, {}};
constexpr UnitConversion kCoefficientB{
    kCelsiusPerFahrenheit, 0, kStrUnitPerCelsius, kStrUnitPerFahrenheit, {}};
constexpr UnitConversion kGlazedC{
    kBtuPerHourSquareFootFahrenheit, 0, kStrUnitGlazedC, kStrUnitGlazedCIP, {}};
constexpr UnitConversion kUnglazedC{
    kPerMetreToPerFoot / kFahrenheitPerCelsius, 0, kStrUnitUnglazedC, kStrUnitUnglazedCIP, {}};
constexpr UnitConversion kGlazedD{kBtuPerHourSquareFootFahrenheit / kFahrenheitPerCelsius,
                                  0,
                                  kStrUnitGlazedD,
                                  kStrUnitGlazedDIP,
                                  {}};
constexpr UnitConversion kUnglazedD{
    kBtuPerCubicFootFahrenheit, 0, kStrUnitUnglazedD, kStrUnitUnglazedDIP, {}};
constexpr UnitConversion kCoefficientE{
    kBtuPerHourSquareFoot, 0, kStrUnitWattsPerSquareMetre, kStrUnitBtuPerHourSquareFoot, {}};
constexpr UnitConversion kCapacity{kWattsToBtuPerHour, 0, kStrUnitWatts, kStrUnitBtuPerHour, {0}};
constexpr UnitConversion kInsulation{
    kSquareMetreCelsiusPerWattToIP, 0, kStrUnitRSI, kStrUnitRIP, {kShortest, 3}};
constexpr UnitConversion kPoolTemperature{
    kFahrenheitPerCelsius, kFahrenheitAtZeroCelsius, kStrUnitCelsius, kStrUnitFahrenheit, {1}};

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
