#include "small_dialogs.h"

#include "messages.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "user_interface.h"

std::string ProgressText(int day, int dayCount) {
    const std::string format = LoadResString(kStrSimulatingDay);
    return FormatText(format, day, dayCount).value_or(format);
}

void CRunningDlg::SetProgress(int day, int dayCount) {
    text_ = ProgressText(day, dayCount);
    CurrentProgress().SetText(text_);
}
