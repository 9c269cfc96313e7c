// The two folders every part of the programs uses: the program folder, which holds the program
// and the files delivered with it, and the data folder in the user's documents, which holds the
// user's files and is the current directory of the running program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messages.h"
#include "problem.h"

// Name of the data folder inside the documents folder, and of the weather folder inside it.
inline constexpr std::string_view kDataFolderName = "Tidewarm";
inline constexpr std::string_view kClimateFolderName = "Climate";

// Files delivered next to the programs that must also be present in the data folder.
inline constexpr std::string_view kDeliveredDataFiles[] = {kMessageFileName};

// The part of a path before its last "/"; the whole path when it holds none.
std::string FolderOfPath(std::string_view path);

// Folder of the running program file, without a trailing "/"; empty when it cannot be found.
std::string ProgramFolder();

// The user's documents folder: XDG_DOCUMENTS_DIR of the user's "user-dirs.dirs" (in
// $XDG_CONFIG_HOME, else in $HOME/.config) with "$HOME" expanded, else $HOME/Documents.
// Never ends with "/".
std::string DocumentsFolder();

// The documents folder followed by "/Tidewarm".
std::string DataFolder();

// Creates `dataFolder` and its "Climate" folder when missing (a new "Climate" folder receives
// the cities delivered in the program folder's "Climate" folder), copies each delivered data file
// from `programFolder` when the data folder lacks it or holds a copy that differs from the
// program's (one of an earlier version), and makes the data
// folder the current directory. When any step failed, what failed (a line each); the steps that
// can still be done are done (a data folder that cannot be created is not entered).
[[nodiscard]] std::optional<Problem> SetUpDataFolder(const std::string& dataFolder,
                                                     const std::string& programFolder);
