#include "wx_translations.h"

#include <wx/intl.h>
#include <wx/translation.h>

#include <cstdlib>

void UseProgramLanguage(int language) {
    const bool french = language == 1;
    auto* translations = new wxTranslations;
    translations->SetLanguage(french ? wxLANGUAGE_FRENCH : wxLANGUAGE_ENGLISH);
    // A missing catalog leaves wx's texts in English.
    translations->AddStdCatalog();
    wxTranslations::Set(translations);  // takes ownership
    // GTK (file choosers, stock button labels) translates through gettext, which takes the
    // language list of LANGUAGE before the locale's own language.
    setenv("LANGUAGE", french ? "fr" : "en", 1);
}
