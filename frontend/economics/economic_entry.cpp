#include "economic_entry.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "frontend_strings.h"
#include "number_entry.h"
#include "number_text.h"
#include "window_texts.h"

namespace {

using Member = std::variant<double EconomicDialogData::*, int EconomicDialogData::*>;

const std::array<Member, kEconomicFieldCount> kMembers = {
    &EconomicDialogData::CollUnitCost,     &EconomicDialogData::HardwareCost,
    &EconomicDialogData::InstallationCost, &EconomicDialogData::MaintenanceCost,
    &EconomicDialogData::EnergyUnitCost,   &EconomicDialogData::ElectricityUnitCost,
    &EconomicDialogData::DownPayment,      &EconomicDialogData::LoanDuration,
    &EconomicDialogData::InterestRate,     &EconomicDialogData::SystemLife,
    &EconomicDialogData::ResaleValue,      &EconomicDialogData::DiscountRate,
    &EconomicDialogData::InflationRate,    &EconomicDialogData::FuelInflationRate,
};

void Assign(EconomicDialogData& data, const Member& member, double value) {
    if (const auto* whole = std::get_if<int EconomicDialogData::*>(&member))
        data.** whole = static_cast<int>(value);
    else
        data.*std::get<double EconomicDialogData::*>(member) = value;
}

// The energy unit cost is stored per GJ and shown per MBTU in IP; the other boxes show their
// members as they stand.
bool ShownPerMBtu(EconomicField field, const EconomicDialogData& data) {
    return field == EconomicField::EnergyUnitCost && data.UnitsIP == 1;
}

}  // namespace

std::string EconomicFieldText(EconomicField field, const EconomicDialogData& data) {
    const Member& member = kMembers[static_cast<std::size_t>(field)];
    if (const auto* whole = std::get_if<int EconomicDialogData::*>(&member))
        return std::to_string(data.**whole);
    return NumberText(data.*std::get<double EconomicDialogData::*>(member) *
                      (ShownPerMBtu(field, data) ? kPerGigajouleToPerMBtu : 1.0));
}

namespace {

// The value of a box's text as its member takes it; nothing after setting `problem`.
std::optional<double> CheckedValue(EconomicField field, const std::string& text,
                                   std::string& problem) {
    const Member& member = kMembers[static_cast<std::size_t>(field)];
    const std::optional<double> value = ParseNumber(text);
    if (!value) {
        problem = LoadResString(kStrEnterNumber);
        return std::nullopt;
    }
    const bool whole = std::holds_alternative<int EconomicDialogData::*>(member);
    if (whole && *value != std::floor(*value)) {
        problem = LoadResString(kStrEnterInteger);
        return std::nullopt;
    }
    // A number of years far out of range is kept out of range without overflowing an int.
    const double checked = whole ? std::clamp(*value, -1.0, kMaxYears + 1.0) : *value;
    // Each value is checked alone, on data otherwise all zeros (every range holds 0), so that
    // the message goes with its own box.
    EconomicDialogData alone;
    Assign(alone, member, checked);
    if (std::optional<Problem> outside = alone.CheckInputs()) {
        problem = std::move(outside->message);
        return std::nullopt;
    }
    return checked;
}

}  // namespace

std::optional<Problem> EconomicFieldProblem(EconomicField field, const std::string& text) {
    std::string problem;
    if (CheckedValue(field, text, problem)) return std::nullopt;
    return Problem{problem};
}

std::optional<EconomicProblem> ReadEconomicInputs(const EconomicTexts& texts,
                                                  EconomicFieldFlags& changed,
                                                  EconomicDialogData& data) {
    EconomicDialogData read = data;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!changed[i]) continue;
        const auto field = static_cast<EconomicField>(i);
        std::string problem;
        const std::optional<double> value = CheckedValue(field, texts[i], problem);
        if (!value) return EconomicProblem{field, std::move(problem)};
        Assign(read, kMembers[i], ShownPerMBtu(field, data) ? *value * kGigajoulesToMBtu : *value);
    }
    data = read;
    changed = {};
    return std::nullopt;
}
