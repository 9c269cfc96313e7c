// The windows of the input dialogs, the profile editors and the hourly-output selections:
// each dialog's layout with what it does beyond its fields (dates, file choosers, profiles,
// a change of heater type), made the windows of the input commands.
#pragma once

#include <memory>
#include <string>

#include "input_window.h"
#include "profile_editors.h"

// "File not found." with the exclamation icon and `buttons` (wxOK, wxCANCEL), in a box wide
// enough for its whole title; ShowModal gives the button pressed.
class FileNotFoundBox : public wxDialog {
  public:
    FileNotFoundBox(wxWindow& parent, long buttons);
};

// Makes these windows the windows of the input commands.
void RegisterInputWindows();

// The window of `dialog` (any input dialog, profile editor or hourly-output selection) over
// `parent`; the caller runs it.
std::unique_ptr<CInputWindow> MakeInputWindow(wxWindow* parent, InputDialog& dialog);

// A file filter of the string table ("Name (*.ext) | *.ext | ... ||") as a wx wildcard whose
// patterns match any letter case; "*.*" matches every file.
wxString WildcardOf(const std::string& filter);
