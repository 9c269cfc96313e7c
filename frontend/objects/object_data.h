// The values of one object of the six lists as its edit dialog holds them (every quantity in SI),
// the values a new object starts with, and the checks of the dialogs' OK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "display_units.h"
#include "object_type.h"

struct ContactData {
    std::string name;
    std::string info;  // address, telephone and the like
};

struct PoolUseData {
    std::string name;
    double minTAmbSunny = 0, minTAmbCloudy = 0;  // air needed to swim, °C
    double minTPool = 0, maxTPool = 0;           // water, °C
    int weekdayOpen = 0, weekdayClose = 0, weekendOpen = 0, weekendClose = 0;  // hour 0..24
    int activityLevel = 0;                                                     // 0 low .. 2 high
};

struct CollectorData {
    std::string name;
    int type = 0;                              // 0 glazed, 1 unglazed
    double area = 0;                           // test area, m2
    double testFlowRate = 0;                   // kg/s
    double a = 0, b = 0, c = 0, d = 0, e = 0;  // SI units of the type (see object_units.h)
};

struct HeaterData {
    std::string name;
    int type = 0;              // 0 gas or oil, 1 heat pump
    double capacity = 0;       // W
    double efficiencyCOP = 0;  // percent for type 0, COP for type 1
};

struct BlanketData {
    std::string name;
    double swAbsorptivity = 0, swTransmissivity = 0, lwEmissivity = 0, lwTransmissivity = 0;
    double insulation = 0;  // m2·°C/W
};

// Clients and installers hold a ContactData.
using ObjectData = std::variant<ContactData, PoolUseData, CollectorData, HeaterData, BlanketData>;

// The values a new object of `type` starts with.
ObjectData NewObjectData(ObjectType type);

// A value the dialog refuses: the position of its edit among the dialog's checked edits (in the
// order the check lists them below) and the message to show.
struct EditProblem {
    int field = 0;
    std::string message;
};

// Each check is given the texts of the dialog's numeric edits as shown, in the order named, and
// the values already read from them (SI), shown in `units`. The first refused field is
// returned; nothing when OK may close the dialog.

// Temperatures: minimum air on a sunny day, on a cloudy day, minimum and maximum water, each in
// the pool temperatures' range and the maximum not below the minimum; then the hours: field 4
// the weekday closing hour, 5 the weekend one, each not before its opening hour. The bounds are
// given in the units shown.
std::optional<EditProblem> CheckPoolUse(const PoolUseData& data, UnitSystem units,
                                        const std::array<std::string, 4>& texts);
// Test area, test flow, A, B, C, D, E. A glazed collector's B, C and D must let the simulation
// find its temperature without flow, so their ranges are those of the batch input.
std::optional<EditProblem> CheckCollector(const CollectorData& data, UnitSystem units,
                                          const std::array<std::string, 7>& texts);
// Capacity, efficiency or COP.
std::optional<EditProblem> CheckHeater(const HeaterData& data, UnitSystem units,
                                       const std::array<std::string, 2>& texts);
// Short-wave absorptivity and transmissivity, long-wave emissivity and transmissivity (each
// pair adding up to 1 at most), insulation.
std::optional<EditProblem> CheckBlanket(const BlanketData& data, UnitSystem units,
                                        const std::array<std::string, 5>& texts);
