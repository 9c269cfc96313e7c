// What wx and GTK draw themselves (stock buttons, the help window, the About box, print preview
// and page set-up, file choosers) in the program's language rather than the system's.
#pragma once

#include <wx/string.h>

#include "language.h"

// Loads wx's own catalog ("wxstd-3.2", Debian's wx3.2-i18n) for `language` through
// wxTranslations, which needs no French system locale, and has GTK's texts follow the same
// language. Only the messages locale changes: numbers keep the C locale.
void UseProgramLanguage(Language language);

// Titles of the file choosers in wx's own words, from its catalog: wx leaves the prompt it
// gives them by default ("Select a file") untranslated.
wxString ChooseFileTitle();
wxString SaveAsTitle();
