// The IP display of the object dialogs' values: each value is stored in SI and shown as
// SI x factor + offset in IP. The way back divides by the same factor, so that a value typed in
// IP and shown again reads as typed, however often it is saved.
#pragma once

#include <string>

#include "display_units.h"
#include "number_text.h"

struct UnitConversion {
    double factor = 1;  // IP per SI
    double offset = 0;  // added in IP (temperatures)
    int siUnit = 0;     // string ids of the unit names
    int ipUnit = 0;
    NumberStyle style;  // how the shown value is written

    double Shown(double stored, UnitSystem units) const;
    double Stored(double shown, UnitSystem units) const;
    // The shown value written in its style.
    std::string Text(double stored, UnitSystem units) const;
    int UnitString(UnitSystem units) const { return units == UnitSystem::IP ? ipUnit : siUnit; }
};

// The conversions of the object dialogs' fields. C and D of a collector depend on its type.
const UnitConversion& TestAreaUnits();
const UnitConversion& TestFlowUnits();
const UnitConversion& CoefficientBUnits(int collectorType);
const UnitConversion& CoefficientCUnits(int collectorType);
const UnitConversion& CoefficientDUnits(int collectorType);
const UnitConversion& CoefficientEUnits();
const UnitConversion& HeaterCapacityUnits();
const UnitConversion& InsulationUnits();
const UnitConversion& PoolTemperatureUnits();
