#include "project_checks.h"

#include "dialog_exchange.h"
#include "simulator_strings.h"
#include "string_table.h"

namespace {

std::optional<std::string> RefusedField(InputDialog& dialog) {
    for (const DialogField& field : dialog.Fields())
        if (const ExchangeStatus status = CheckFieldValue(field); !status)
            return FormatResString(kStrProjectValueRefused, FieldText(field), status.message);
    return std::nullopt;
}

// What the dialog's OK refuses among values that are each in range, told on the field it names.
std::optional<std::string> RefusedOnOK(InputDialog& dialog) {
    const ExchangeStatus status = dialog.OnOK();
    if (status) return std::nullopt;
    for (const DialogField& field : dialog.Fields())
        if (field.controlId == status.controlId)
            return FormatResString(kStrProjectValueRefused, FieldText(field), status.message);
    return status.message;
}

// The dialog's own fields, then those of the editors `editors` gives for the filled dialog.
template <class Dialog, class Editors>
std::optional<std::string> RefusedIn(CTidewarmDoc& document, Editors editors) {
    Dialog dialog;
    if (!Fill(document, dialog)) return std::nullopt;
    if (auto refused = RefusedField(dialog)) return refused;
    return editors(dialog);
}

template <class Dialog>
std::optional<std::string> RefusedIn(CTidewarmDoc& document) {
    return RefusedIn<Dialog>(document, [](Dialog&) { return std::optional<std::string>(); });
}

// The first refusal among the editors.
template <class... Editors>
std::optional<std::string> FirstRefused(Editors... editors) {
    std::optional<std::string> refused;
    ((refused = refused ? refused : RefusedField(editors)), ...);
    return refused;
}

}  // namespace

std::optional<std::string> RefusedProjectValue(CTidewarmDoc& document) {
    using Refusal = std::optional<std::string>;
    Refusal refused;
    const auto first = [&](Refusal next) {
        if (!refused) refused = std::move(next);
    };
    first(RefusedIn<CPoolConfigDlg>(document));
    first(RefusedIn<CWeatherDlg>(document));
    first(RefusedIn<CSimulationDlg>(document));
    first(RefusedIn<CCollectorTestDlg>(document, [](CCollectorTestDlg& dialog) {
        // The table is edited, and checked, only with the modifiers in use.
        return dialog.modifierMode == CCollectorTestDlg::kModifierProfile
                   ? FirstRefused(dialog.ModifierEditor())
                   : Refusal();
    }));
    first(RefusedIn<CCollectorUseDlg>(document));
    first(RefusedIn<CPipesDlg>(document));
    first(RefusedIn<CHeatExchangerDlg>(document));
    first(RefusedIn<CPoolDesignDlg>(document));
    first(RefusedIn<CPoolUseDlg>(document, [](CPoolUseDlg& dialog) {
        return FirstRefused(dialog.WeekdayEditor(), dialog.WeekendEditor());
    }));
    first(RefusedIn<CBlanketDlg>(document, [](CBlanketDlg& dialog) {
        // A band that absorbs and lets through more than reaches it.
        if (auto onOK = RefusedOnOK(dialog)) return onOK;
        return FirstRefused(dialog.SeasonalEditor(), dialog.WeekdayEditor(),
                            dialog.WeekendEditor());
    }));
    first(RefusedIn<CAuxHeaterDlg>(
        document, [](CAuxHeaterDlg& dialog) { return FirstRefused(dialog.SeasonalEditor()); }));
    first(RefusedIn<CEconomicsDlg>(document));
    return refused;
}
