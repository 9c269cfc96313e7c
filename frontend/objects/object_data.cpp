#include "object_data.h"

#include <algorithm>

#include "collector_kind.h"
#include "frontend_strings.h"
#include "input_ranges.h"
#include "number_entry.h"
#include "object_units.h"
#include "string_table.h"

ObjectData NewObjectData(ObjectType type) {
    const std::string name = LoadResString(kStrEnterName);
    switch (type) {
        case ObjectType::PoolUse:
            return PoolUseData{name, 25, 27, 21, 30, 9, 19, 9, 22, 1};
        case ObjectType::Collector:
            return CollectorData{name, 0, 2.96, 0.02, 0.75, 0, 4.5, 0, 0};
        case ObjectType::Heater:
            return HeaterData{name, 0, 40000, 80};
        case ObjectType::Blanket:
            return BlanketData{name, 0.2, 0.7, 0.2, 0, 0.3};
        default:
            return ContactData{name, LoadResString(kStrEnterContactInfo)};
    }
}

namespace {

// Test area and flow: up to 100 m2 and 100 kg/s, and above 0 since the collector's test values
// are divided by them.
constexpr ValueRange kTestValueRange{kPositiveQuantityRange.min, 100};
constexpr ValueRange kHeaterCapacityEntryRange{50, 1e9};  // W
constexpr ValueRange kInsulationRange{0.001, 1000};       // m2·°C/W

std::optional<EditProblem> InRange(int field, const std::string& text, double value,
                                   ValueRange range) {
    if (auto problem = RangeEntryProblem(text, value, range.min, range.max))
        return EditProblem{field, problem->message};
    return std::nullopt;
}

std::optional<EditProblem> IsNumber(int field, const std::string& text) {
    if (auto problem = NumberEntryProblem(text)) return EditProblem{field, problem->message};
    return std::nullopt;
}

// A glazed collector's coefficient against its range, both in the units shown.
std::optional<EditProblem> GlazedCoefficient(int field, const char* name, const std::string& text,
                                             double value, const UnitConversion& conversion,
                                             UnitSystem units, ValueRange range) {
    if (auto problem = IsNumber(field, text)) return problem;
    if (value >= range.min && value <= range.max) return std::nullopt;
    return EditProblem{
        field, FormatResString(kStrGlazedCoefficientRange, name, conversion.Shown(range.min, units),
                               conversion.Shown(range.max, units),
                               LoadResString(conversion.UnitString(units)))};
}

}  // namespace

std::optional<EditProblem> CheckPoolUse(const PoolUseData& data, UnitSystem units,
                                        const std::array<std::string, 4>& texts) {
    const UnitConversion& shown = PoolTemperatureUnits();
    const ValueRange range{shown.Shown(kPoolTemperatureRange.min, units),
                           shown.Shown(kPoolTemperatureRange.max, units)};
    const double values[] = {data.minTAmbSunny, data.minTAmbCloudy, data.minTPool, data.maxTPool};
    for (int field = 0; field < 4; ++field) {
        ValueRange allowed = range;
        // The simulation refuses a pool whose water may be warmer at least than at most.
        if (field == 3) allowed.min = std::max(range.min, shown.Shown(data.minTPool, units));
        if (auto problem = InRange(field, texts[field], shown.Shown(values[field], units), allowed))
            return problem;
    }
    // A pool that closes before it opens is refused by the simulation as well.
    const int hours[][2] = {{data.weekdayOpen, data.weekdayClose},
                            {data.weekendOpen, data.weekendClose}};
    for (int day = 0; day < 2; ++day) {
        const auto [open, close] = hours[day];
        if (close < open)
            return EditProblem{4 + day, FormatResString(kStrValueBetween, static_cast<double>(open),
                                                        kSwimmingHourRange.max)};
    }
    return std::nullopt;
}

std::optional<EditProblem> CheckCollector(const CollectorData& data, UnitSystem units,
                                          const std::array<std::string, 7>& texts) {
    if (auto problem = InRange(0, texts[0], data.area, kTestValueRange)) return problem;
    if (auto problem = InRange(1, texts[1], data.testFlowRate, kTestValueRange)) return problem;
    if (auto problem = InRange(2, texts[2], data.a, kCollectorInterceptRange)) return problem;
    if (StoredCollectorKind(data.type) == CollectorKind::Glazed) {
        if (auto problem = GlazedCoefficient(3, "B", texts[3], data.b, CoefficientBUnits(0), units,
                                             kGlazedTemperatureSlopeRange))
            return problem;
        if (auto problem = GlazedCoefficient(4, "C", texts[4], data.c, CoefficientCUnits(0), units,
                                             kGlazedHeatLossRange))
            return problem;
        if (auto problem = GlazedCoefficient(5, "D", texts[5], data.d, CoefficientDUnits(0), units,
                                             kGlazedHeatLossSlopeRange))
            return problem;
    }
    for (int field = 3; field < 7; ++field) {
        if (auto problem = IsNumber(field, texts[field])) return problem;
    }
    return std::nullopt;
}

std::optional<EditProblem> CheckHeater(const HeaterData& data, UnitSystem,
                                       const std::array<std::string, 2>& texts) {
    if (auto problem = InRange(0, texts[0], data.capacity, kHeaterCapacityEntryRange))
        return problem;
    // The fuel used is the heat divided by the efficiency or COP: 0 is refused.
    return InRange(1, texts[1], data.efficiencyCOP, kHeaterEfficiencyRange);
}

std::optional<EditProblem> CheckBlanket(const BlanketData& data, UnitSystem units,
                                        const std::array<std::string, 5>& texts) {
    const double fractions[] = {data.swAbsorptivity, data.swTransmissivity, data.lwEmissivity,
                                data.lwTransmissivity};
    for (int field = 0; field < 4; ++field) {
        if (auto problem = InRange(field, texts[field], fractions[field], kFractionRange))
            return problem;
    }
    // Each band's pair, refused on its transmissivity.
    for (int band : {0, 2}) {
        if (!AbsorbedAndPassedFit(fractions[band], fractions[band + 1]))
            return EditProblem{band + 1, LoadResString(kStrBlanketSumAboveOne)};
    }
    const UnitConversion& shown = InsulationUnits();
    return InRange(
        4, texts[4], shown.Shown(data.insulation, units),
        {shown.Shown(kInsulationRange.min, units), shown.Shown(kInsulationRange.max, units)});
}
