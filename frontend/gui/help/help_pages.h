// Tidewarm's help books, English "Tidewarm.hhp" and French "TidewarmFra.hhp" in the program
// folder, one page per window. Every Help button and F1 open the page of their window.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "language.h"

class wxWindow;

// The pages, by the name the windows use; page "start" is the first run from the wizard to the
// report. The English file of page P is "Tidewarm_P.html", the French "TidewarmFra_P.html".
inline constexpr std::array<std::string_view, 17> kHelpPages = {
    "start",   "main",      "wizard", "runs",        "input", "economics",
    "sizing",  "options",   "report", "maintenance", "lists", "contact",
    "pooluse", "collector", "heater", "blanket",     "cities"};

// File name of `page` in the book of `language`.
std::string HelpPageFile(std::string_view page, Language language);

// Opens the help window of the language in force at `page`; false (after a message) when the
// book or the page cannot be shown.
bool ShowHelpPage(const std::string& page);

// Makes `window`'s Help button (wxID_HELP) and F1 open `page`.
void BindHelp(wxWindow& window, const std::string& page);

// The help window when it is open (for tests): the page it shows.
std::string OpenedHelpPage();
