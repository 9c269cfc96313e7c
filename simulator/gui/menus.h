// The menu bars of the main frame (no project open) and of a project's window, with the
// frame's accelerators.
#pragma once

class wxAcceleratorTable;
class wxMenu;
class wxMenuBar;

// The main frame's menus: File, View, Language, Help.
wxMenuBar* CreateFrameMenuBar();
// A project window's menus: File, Edit, System, Hourly Outputs, Run, Options, Language, Window,
// Help. `fileMenu` receives its File menu, where the recent files are listed.
wxMenuBar* CreateProjectMenuBar(wxMenu** fileMenu);
// The keys of the frame's commands, those that no menu text carries as well.
wxAcceleratorTable FrameAccelerators();
