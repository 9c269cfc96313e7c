// Menus and accelerators, their texts from the string table.
#include "menus.h"

#include "command_ids.h"
#include "input_commands.h"
#include "simulator_strings.h"
#include "wx_headers.h"
#include "wx_text.h"

namespace {

void Append(wxMenu* menu, int id, int textId) {
    menu->Append(id, ResText(textId));
}

wxMenu* FileMenu(bool projectOpen) {
    auto* menu = new wxMenu;
    Append(menu, wxID_NEW, kStrMenuNew);
    Append(menu, wxID_OPEN, kStrMenuOpen);
    Append(menu, wxID_CLOSE, kStrMenuClose);
    if (projectOpen) {
        Append(menu, wxID_SAVE, kStrMenuSave);
        Append(menu, wxID_SAVEAS, kStrMenuSaveAs);
        menu->AppendSeparator();
        Append(menu, wxID_PRINT, kStrMenuPrint);
        Append(menu, wxID_PREVIEW, kStrMenuPrintPreview);
    }
    Append(menu, wxID_PRINT_SETUP, kStrMenuPrintSetup);
    menu->AppendSeparator();
    // The recent files go here, above Exit.
    Append(menu, wxID_EXIT, kStrMenuExit);
    return menu;
}

wxMenu* BarsMenu() {
    auto* menu = new wxMenu;
    menu->AppendCheckItem(kCmdToggleToolbar, ResText(kStrMenuToolbar));
    menu->AppendCheckItem(kCmdToggleStatusBar, ResText(kStrMenuStatusBar));
    return menu;
}

wxMenu* LanguageMenu() {
    auto* menu = new wxMenu;
    Append(menu, kCmdSetLanguage, kStrMenuSetLanguage);
    return menu;
}

wxMenu* HelpMenu() {
    auto* menu = new wxMenu;
    Append(menu, wxID_HELP_CONTENTS, kStrMenuHelpTopics);
    menu->AppendSeparator();
    Append(menu, wxID_ABOUT, kStrMenuAbout);
    return menu;
}

wxMenu* CommandMenu(std::span<const InputCommand> commands) {
    auto* menu = new wxMenu;
    for (const InputCommand& command : commands) Append(menu, command.id, command.menuTextId);
    return menu;
}

wxMenu* EditMenu() {
    auto* menu = new wxMenu;
    Append(menu, wxID_CUT, kStrMenuCut);
    Append(menu, wxID_COPY, kStrMenuCopy);
    Append(menu, wxID_PASTE, kStrMenuPaste);
    return menu;
}

wxMenu* RunMenu() {
    auto* menu = new wxMenu;
    Append(menu, kCmdSimulate, kStrMenuSimulate);
    return menu;
}

wxMenu* WindowMenu() {
    auto* menu = new wxMenu;
    Append(menu, kCmdNewWindow, kStrMenuNewWindow);
    Append(menu, kCmdCascade, kStrMenuCascade);
    Append(menu, kCmdTile, kStrMenuTile);
    Append(menu, kCmdArrangeIcons, kStrMenuArrangeIcons);
    return menu;
}

}  // namespace

wxMenuBar* CreateFrameMenuBar() {
    auto* bar = new wxMenuBar;
    bar->Append(FileMenu(false), ResText(kStrMenuFile));
    bar->Append(BarsMenu(), ResText(kStrMenuView));
    bar->Append(LanguageMenu(), ResText(kStrMenuLanguage));
    bar->Append(HelpMenu(), ResText(kStrMenuHelp));
    return bar;
}

wxMenuBar* CreateProjectMenuBar(wxMenu** fileMenu) {
    auto* bar = new wxMenuBar;
    *fileMenu = FileMenu(true);
    bar->Append(*fileMenu, ResText(kStrMenuFile));
    bar->Append(EditMenu(), ResText(kStrMenuEdit));
    bar->Append(CommandMenu(SystemCommands()), ResText(kStrMenuSystem));
    bar->Append(CommandMenu(HourlyOutputCommands()), ResText(kStrMenuHourlyOutputs));
    bar->Append(RunMenu(), ResText(kStrMenuRun));
    bar->Append(BarsMenu(), ResText(kStrMenuOptions));
    bar->Append(LanguageMenu(), ResText(kStrMenuLanguage));
    bar->Append(WindowMenu(), ResText(kStrMenuWindow));
    bar->Append(HelpMenu(), ResText(kStrMenuHelp));
    return bar;
}

wxAcceleratorTable FrameAccelerators() {
    wxAcceleratorEntry entries[] = {
        {wxACCEL_CTRL, 'N', wxID_NEW},          {wxACCEL_CTRL, 'O', wxID_OPEN},
        {wxACCEL_CTRL, 'S', wxID_SAVE},         {wxACCEL_CTRL, 'P', wxID_PRINT},
        {wxACCEL_CTRL, 'Z', wxID_UNDO},         {wxACCEL_ALT, WXK_BACK, wxID_UNDO},
        {wxACCEL_CTRL, 'X', wxID_CUT},          {wxACCEL_SHIFT, WXK_DELETE, wxID_CUT},
        {wxACCEL_CTRL, 'C', wxID_COPY},         {wxACCEL_CTRL, WXK_INSERT, wxID_COPY},
        {wxACCEL_CTRL, 'V', wxID_PASTE},        {wxACCEL_SHIFT, WXK_INSERT, wxID_PASTE},
        {wxACCEL_NORMAL, WXK_F6, kCmdNextPane}, {wxACCEL_SHIFT, WXK_F6, kCmdPreviousPane},
        {wxACCEL_NORMAL, WXK_F1, wxID_HELP},    {wxACCEL_SHIFT, WXK_F1, wxID_HELP_CONTEXT},
    };
    return wxAcceleratorTable(static_cast<int>(std::size(entries)), entries);
}
