#include "simulator_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrRegistryKey, "TidewarmPro"},
    {kStrCannotOpenProject, "Cannot open file."},
    {kStrCannotReadProject, "I/O Error. Cannot read from file."},
    {kStrCannotCreateProject, "Cannot open file."},
    {kStrProjectNotSaved, "I/O Error. File not saved."},
    {kStrNewerFileVersion, "File is from newer version of Tidewarm. Cannot load file."},
};

}  // namespace

std::span<const StringEntry> SimulatorEnglishStrings() {
    return kEnglish;
}
