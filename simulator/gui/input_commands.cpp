// The input commands: routing, enable rules, fill and copy-back around each dialog's window.
#include "input_commands.h"

#include <map>

#include "command_ids.h"
#include "dialog_exchange.h"
#include "simulator_strings.h"

namespace {

std::map<int, InputWindowRunner>& InputWindows() {
    static std::map<int, InputWindowRunner> windows;
    return windows;
}

bool ShowInputWindow(wxWindow* parent, InputDialog& dialog) {
    const auto window = InputWindows().find(dialog.TemplateId());
    return window != InputWindows().end() && window->second(parent, dialog);
}

// The one pattern of every input command. Fill reports its own problems and the dialog is
// still shown; CopyBack reports what it refused.
template <class Dialog>
bool RunInputDialog(CTidewarmDoc& project, wxWindow* parent) {
    Dialog dialog;
    static_cast<void>(Fill(project, dialog));  // a dialog not filled still opens
    if (!ShowInputWindow(parent, dialog)) return false;
    static_cast<void>(CopyBack(dialog, project));  // the project is modified after OK either way
    return true;
}

bool Always(const CTidewarmDoc&) {
    return true;
}
bool WithAlternateInput(const CTidewarmDoc& p) {
    return p.UseAlternateInput != 0;
}
bool WithSolar(const CTidewarmDoc& p) {
    return p.UseSolar != 0;
}
bool WithExchanger(const CTidewarmDoc& p) {
    return p.UseSolar != 0 && p.UseExchanger != 0;
}
bool WithAuxHeater(const CTidewarmDoc& p) {
    return p.UseAuxHeater != 0;
}
bool WithEconomics(const CTidewarmDoc& p) {
    return p.DoEconomics != 0;
}
bool WithHourlyOutput(const CTidewarmDoc& p) {
    return p.HourlyOutput != 0;
}

constexpr InputCommand kSystemCommands[] = {
    {kCmdConfigure, kStrMenuConfigure, Always, RunInputDialog<CPoolConfigDlg>},
    {kCmdClimateData, kStrMenuClimateData, Always, RunInputDialog<CWeatherDlg>},
    {kCmdAlternateInput, kStrMenuAlternateInput, WithAlternateInput, RunInputDialog<CAlternateDlg>},
    {kCmdSimulationData, kStrMenuSimulationData, Always, RunInputDialog<CSimulationDlg>},
    {kCmdCollectorTestData, kStrMenuCollectorTest, WithSolar, RunInputDialog<CCollectorTestDlg>},
    {kCmdCollectorUseData, kStrMenuCollectorUse, WithSolar, RunInputDialog<CCollectorUseDlg>},
    {kCmdPipingData, kStrMenuPiping, WithSolar, RunInputDialog<CPipesDlg>},
    {kCmdHeatExchangerData, kStrMenuHeatExchanger, WithExchanger,
     RunInputDialog<CHeatExchangerDlg>},
    {kCmdPoolDesignData, kStrMenuPoolDesign, Always, RunInputDialog<CPoolDesignDlg>},
    {kCmdPoolUseData, kStrMenuPoolUse, Always, RunInputDialog<CPoolUseDlg>},
    {kCmdBlanketData, kStrMenuBlanket, Always, RunInputDialog<CBlanketDlg>},
    {kCmdAuxHeaterData, kStrMenuAuxHeater, WithAuxHeater, RunInputDialog<CAuxHeaterDlg>},
    {kCmdEconomicData, kStrMenuEconomic, WithEconomics, RunInputDialog<CEconomicsDlg>},
};

constexpr InputCommand kHourlyOutputCommands[] = {
    {kCmdHourlyEnergies, kStrMenuHourlyEnergies, WithHourlyOutput,
     RunInputDialog<CHlyPrintEnergiesDlg>},
    {kCmdHourlyPool, kStrMenuHourlyPool, WithHourlyOutput, RunInputDialog<CHlyPrintPoolDlg>},
    {kCmdHourlyWeather, kStrMenuHourlyWeather, WithHourlyOutput,
     RunInputDialog<CHlyPrintWeatherDlg>},
    {kCmdHourlyCollector, kStrMenuHourlyCollector, WithHourlyOutput,
     RunInputDialog<CHlyPrintCollectorDlg>},
    {kCmdHourlyControls, kStrMenuHourlyControls, WithHourlyOutput,
     RunInputDialog<CHlyPrintControlsDlg>},
};

}  // namespace

void SetInputWindow(int templateId, InputWindowRunner runner) {
    if (runner) {
        InputWindows()[templateId] = std::move(runner);
    } else {
        InputWindows().erase(templateId);
    }
}

std::span<const InputCommand> SystemCommands() {
    return kSystemCommands;
}
std::span<const InputCommand> HourlyOutputCommands() {
    return kHourlyOutputCommands;
}

const InputCommand* FindInputCommand(int id) {
    for (auto commands : {SystemCommands(), HourlyOutputCommands()})
        for (const InputCommand& command : commands)
            if (command.id == id) return &command;
    return nullptr;
}
