#include "small_dialogs.h"

#include "messages.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "user_interface.h"

void CRunningDlg::SetProgress(int day, int dayCount) {
    text_ = FormatResString(kStrSimulatingDay, day, dayCount);
    CurrentProgress().SetText(text_);
}
