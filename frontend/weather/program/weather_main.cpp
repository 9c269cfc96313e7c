// tidewarm-weather: weather files of real places imported as cities of the data folder's
// Climate folder, or shown, without a display. Results go to standard output, every reason to
// standard error, in the front end's language; the exit status is 0 only when every file was
// imported or shown.
#include <iostream>
#include <string>
#include <vector>

#include "folders.h"
#include "frontend_config.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "weather_command.h"

int main(int argc, char** argv) {
    const std::string dataFolder = DataFolder();
    ReadFrontEndConfig(dataFolder);
    // Without its French texts the command speaks English.
    static_cast<void>(SetUpStrings(FrontEndEnglishStrings(), g_nLanguage, ProgramFolder(),
                                   kFrontEndFrenchLibrary));
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunWeatherCommand(arguments, dataFolder + "/" + std::string(kClimateFolderName),
                             std::cout, std::cerr);
}
