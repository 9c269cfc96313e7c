// What wx and GTK draw themselves (stock buttons, the help window, the About box, print preview
// and page set-up, file choosers) in the program's language rather than the system's.
#pragma once

// Loads wx's own catalog ("wxstd-3.2", Debian's wx3.2-i18n) for `language` (0 English,
// 1 French) through wxTranslations, which needs no French system locale, and has GTK's texts
// follow the same language. Only message catalogs change: numbers keep the C locale.
void UseProgramLanguage(int language);
