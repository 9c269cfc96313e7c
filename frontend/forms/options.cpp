#include "options.h"

#include "city_list.h"
#include "database_maintenance.h"
#include "frontend_globals.h"

bool ChangeDatabase(const std::string& path) {
    const std::string previous = g_strDatabasePath;
    g_strDatabasePath = path;
    if (OpenDatabase(false)) return true;
    g_strDatabasePath = previous;
    return false;
}

void ChangeClimateFolder(const std::string& folder) {
    if (folder == g_strClimateFolder) return;
    g_strClimateFolder = folder;
    LoadCityList();
}

std::string LanguageChangeNotice(int language) {
    if (language == 1)
        return "Il faut redémarrer Tidewarm pour que le changement de langue prenne effet.\n\n"
               "Noter que les bases de données existantes ne sont pas traduites. Si désiré,\n"
               "utiliser le dialogue 'Options' après le redémarrage du programme\n"
               "pour créer une nouvelle base de données en français.";
    return "Please restart Tidewarm for the language change to take effect.\n\n"
           "Please note existing databases are not translated. Use the 'Options'\n"
           "dialog after restarting the program if you wish to create\n"
           "a new default database in English.";
}
