#include "simulator_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrRegistryKey, "TidewarmPro"},
    {kStrNewerFileVersion, "File is from newer version of Tidewarm. Cannot load file."},
};

}  // namespace

std::span<const StringEntry> SimulatorEnglishStrings() {
    return kEnglish;
}
