#include "frontend_strings.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrConfigWriteFailed, "Could not write configuration file"},
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
};

}  // namespace

std::span<const StringEntry> FrontEndEnglishStrings() {
    return kEnglish;
}
