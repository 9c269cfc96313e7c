#include "run_messages.h"

#include <string>

#include "component.h"
#include "messages.h"
#include "simulator_strings.h"
#include "user_interface.h"

void ShowRunMessage(int id, std::string_view detail) {
    std::string text = LoadResString(id);
    text.append(detail);
    ShowMessage(text);
}

int ShowComponentFailure(int code, int titleId) {
    std::string text = LoadResString(code == kDomain ? kStrDomainErrorIn : kStrFatalErrorIn);
    text += LoadResString(titleId);
    text += ".\n";
    text += ErrorMessageBuffer();
    text += LoadResString(kStrCheckComponent);
    ShowMessage(text);
    return code;
}
