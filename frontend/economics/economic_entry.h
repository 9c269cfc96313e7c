// The economics dialog's input boxes read into its data before anything is computed or stored.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "problem.h"
#include "run_economics.h"

// The input boxes, in the order they are read.
enum class EconomicField {
    CollUnitCost,
    HardwareCost,
    InstallationCost,
    MaintenanceCost,
    EnergyUnitCost,
    ElectricityUnitCost,
    DownPayment,
    LoanDuration,
    InterestRate,
    SystemLife,
    ResaleValue,
    DiscountRate,
    InflationRate,
    FuelInflationRate,
};
inline constexpr int kEconomicFieldCount = 14;
using EconomicTexts = std::array<std::string, kEconomicFieldCount>;

struct EconomicProblem {
    EconomicField field;
    std::string message;
};

// The text of an input box from `data`.
std::string EconomicFieldText(EconomicField field, const EconomicDialogData& data);

// The box the user leaves, checked alone: the message when it holds no number (170), no whole
// number of years or a value outside its range; nothing when it is right.
[[nodiscard]] std::optional<Problem> EconomicFieldProblem(EconomicField field,
                                                          const std::string& text);

// Reads every box into `data`, then checks the ranges: the first box that holds no number
// (170), no whole number of years, or a value outside its range stops it, named with its
// message; `data` keeps its earlier values then.
std::optional<EconomicProblem> ReadEconomicInputs(const EconomicTexts& texts,
                                                  EconomicDialogData& data);
