#include "options.h"

#include <filesystem>

#include "city_list.h"
#include "database_lock.h"
#include "database_maintenance.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "user_interface.h"

namespace {

// True when `path` names the database in use, whatever the name it is given.
bool IsDatabaseInUse(const std::string& path) {
    std::error_code error;
    return std::filesystem::equivalent(path, g_strDatabasePath, error);
}

}  // namespace

bool ChangeDatabase(const std::string& path) {
    if (IsDatabaseInUse(path)) return OpenDatabase(false);
    // The new database's lock first: the one in force stays locked until the new one is in use.
    DatabaseLock lock;
    if (lock.Take(path) == DatabaseLock::Outcome::kInUse) {
        ShowMessage(FormatResString(kStrDatabaseInUse, path));
        return false;
    }
    const std::string previous = g_strDatabasePath;
    g_strDatabasePath = path;
    if (OpenDatabase(false)) {
        HeldDatabaseLock() = std::move(lock);
        return true;
    }
    lock.Abandon();
    g_strDatabasePath = previous;
    return false;
}

void ChangeClimateFolder(const std::string& folder) {
    if (folder == g_strClimateFolder) return;
    g_strClimateFolder = folder;
    LoadCityList();
}

std::string LanguageChangeNotice(Language language) {
    if (language == Language::French)
        return "Il faut redémarrer Tidewarm pour que le changement de langue prenne effet.\n\n"
               "Noter que les bases de données existantes ne sont pas traduites. Si désiré,\n"
               "utiliser le dialogue 'Options' après le redémarrage du programme\n"
               "pour créer une nouvelle base de données en français.";
    return "Please restart Tidewarm for the language change to take effect.\n\n"
           "Please note existing databases are not translated. Use the 'Options'\n"
           "dialog after restarting the program if you wish to create\n"
           "a new default database in English.";
}
