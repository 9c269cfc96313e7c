#include "wx_translations.h"

#include <libintl.h>
#include <wx/intl.h>
#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

wxString ChooseFileTitle() {
    return wxGetTranslation("Choose a file");
}

wxString SaveAsTitle() {
    return wxGetTranslation("Save As");
}

void UseProgramLanguage(Language language) {
    const bool french = language == Language::French;
    auto* translations = new wxTranslations;
    translations->SetLanguage(french ? wxLANGUAGE_FRENCH : wxLANGUAGE_ENGLISH);
    // A missing catalog leaves wx's texts in English.
    translations->AddStdCatalog();
    wxTranslations::Set(translations);  // takes ownership
    // GTK (file choosers, stock button labels) translates through gettext, which takes the
    // language list of LANGUAGE before the locale's own language, but ignores it while the
    // messages locale is "C", where wx leaves it: the environment's then, else C.UTF-8.
    setenv("LANGUAGE", french ? "fr" : "en", 1);
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (messages == nullptr || std::strcmp(messages, "C") == 0 ||
        std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    // The C library's own reasons (strerror, dlerror) are shown in wx's UTF-8 texts; left to the
    // "C" character type they would lose their accents ("partag?").
    bind_textdomain_codeset("libc", "UTF-8");
}
