// The recordsets the front end's dialogs share: the object sets that fill the input form's
// choice lists, the current run while the input form edits it, and the runs list. All closed
// until a dialog opens them.
#pragma once

#include "record_sets.h"

inline CClientsSet g_ClientsSet;
inline CInstallersSet g_InstallersSet;
inline CPoolUseSet g_PoolUseSet;
inline CCollectorsSet g_CollectorsSet;
inline CHeatersSet g_HeatersSet;
inline CBlanketsSet g_BlanketsSet;
inline CRunsSet g_RunsSet;
inline CRunsManagerSet g_RunsManagerSet;
