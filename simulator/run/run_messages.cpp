#include "run_messages.h"

#include <cstring>
#include <string>

#include "component.h"
#include "files.h"
#include "messages.h"
#include "simulator_strings.h"
#include "user_interface.h"

void ShowRunMessage(int id, std::string_view detail) {
    std::string text = LoadResString(id);
    text.append(detail);
    ShowMessage(text);
}

void ShowWeatherOpenFailure(const FileReader* weather) {
    std::string detail = "\n";
    if (const char* name = weather ? weather->GetFileName() : nullptr) {
        const int error = weather->SystemError();
        detail += FormatResString(kStrFileProblem, name,
                                  error != 0 ? std::strerror(error) : ErrorMessageBuffer());
        detail += "\n";
    }
    ShowRunMessage(kStrCannotOpenWeather, detail + LoadResString(kStrChangeWeatherFile));
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
