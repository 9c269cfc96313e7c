#include "frontend_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
    {kStrRunNotFound, "Run %d not found."},
    {kStrClientNotFound, "Client %d not found."},
    {kStrInstallerNotFound, "Installer %d not found."},
    {kStrPoolUseNotFound, "Pool use %d not found."},
    {kStrCollectorNotFound, "Collector %d not found."},
    {kStrHeaterNotFound, "Heater %d not found."},
    {kStrBlanketNotFound, "Blanket %d not found."},
    {kStrCannotOpenFile, "Cannot open file %s "},
    {kStrEconomicsNotFound, "Economic data for run %d not found."},
    {kStrEnterNumber, "Enter a number."},
    {kStrValueBetween, "Value should be between %lg and %lg."},
    {kStrCompactingDatabase, "Compacting database..."},
    {kStrErrorCompacting, "Error compacting database "},
    {kStrCouldNotOpenDatabase, "Could not open database "},
    {kStrCreateMissingDatabase, "File %s not found. Create?"},
    {kStrErrorDeletingRun, "Error deleting run %d"},
    {kStrCannotOpenDatabaseAbort, "Cannot open database %s. Program aborted."},
    {kStrCannotSetUpDataFolder, "Cannot prepare the data folder:\n%s"},
    {kStrCannotCopyReference, "Could not create database %s from %s:\n%s"},
    {kStrCannotWriteFile, "Cannot write file %s:\n%s"},
};

}  // namespace

std::span<const StringEntry> FrontEndEnglishStrings() {
    return kEnglish;
}
