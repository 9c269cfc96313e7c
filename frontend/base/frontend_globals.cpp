#include "frontend_globals.h"

void ResetFrontEndState() {
    g_strProgramFolder.clear();
    g_strDatabasePath.clear();
    g_strClimateFolder.clear();
    g_strNewClientName.clear();
    g_strNewClientInfo.clear();
    g_strNewInstallerName.clear();
    g_strNewInstallerInfo.clear();
    g_WeatherFileNames.clear();
    g_CityNames.clear();
    g_nUnits = 0;
    g_nCurrentRunId = 0;
    g_nLanguage = g_nNewLanguage = 0;
    g_nRunCreationMode = 0;
    g_bNewClient = g_bNewInstaller = 0;
}
