// Ids of the program's own commands, above wx's own (wxID_HIGHEST is 5999); the framework's
// commands (New, Open, Save, Print, Cut, Help...) keep wx's stock ids.
#pragma once

enum CommandId : int {
    // Input commands of a project, one range from the first to the last.
    kCmdConfigure = 6000,
    kCmdClimateData,
    kCmdAlternateInput,
    kCmdSimulationData,
    kCmdCollectorTestData,
    kCmdCollectorUseData,
    kCmdPipingData,
    kCmdHeatExchangerData,
    kCmdPoolDesignData,
    kCmdPoolUseData,
    kCmdBlanketData,
    kCmdAuxHeaterData,
    kCmdEconomicData,
    kCmdHourlyEnergies,
    kCmdHourlyPool,
    kCmdHourlyWeather,
    kCmdHourlyCollector,
    kCmdHourlyControls,
    kCmdFirstInput = kCmdConfigure,
    kCmdLastInput = kCmdHourlyControls,
    // The run, the application and the frames.
    kCmdSimulate,
    kCmdSetLanguage,
    kCmdNewWindow,
    kCmdArrangeIcons,
    kCmdCascade,
    kCmdTile,
    kCmdToggleToolbar,
    kCmdToggleStatusBar,
    kCmdNextPane,
    kCmdPreviousPane,
};
