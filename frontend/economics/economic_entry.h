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
// Which boxes the user has typed into since they were last shown or read.
using EconomicFieldFlags = std::array<bool, kEconomicFieldCount>;

struct EconomicProblem {
    EconomicField field;
    std::string message;
};

// The text of an input box from `data`, in the units shown: the energy unit cost per MBTU in IP.
std::string EconomicFieldText(EconomicField field, const EconomicDialogData& data);

// The box the user leaves, checked alone as it shows its value: the message when it holds no
// number (170), no whole number of years or a value outside its range; nothing when it is right.
[[nodiscard]] std::optional<Problem> EconomicFieldProblem(EconomicField field,
                                                          const std::string& text);

// Reads the boxes the user typed into (`changed`) into `data`, the energy unit cost converted to
// per GJ, and clears their flags; a box only looked at is never read, so its member keeps the
// stored value, not its rounded text. The first read box that holds no number (170), no whole
// number of years, or a value outside its range stops it, named with its message; `data` and
// `changed` keep their earlier values then.
std::optional<EconomicProblem> ReadEconomicInputs(const EconomicTexts& texts,
                                                  EconomicFieldFlags& changed,
                                                  EconomicDialogData& data);
