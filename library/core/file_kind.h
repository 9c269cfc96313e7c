// What stands at a path, told before the path is opened: opening a FIFO waits until some program
// writes to it, and a device may never end, so a file to be read is opened only when it is a
// regular one.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

// What stands at `path` when it is not a regular file ("a FIFO", "a character device", "a
// folder", ...), found without opening it; links are followed. Nothing when it is a regular file
// or when nothing stands there: opening it then says what is wrong.
std::optional<std::string_view> NotRegularFileKind(const std::string& path);

// `path` opened for reading in binary mode when it is a regular file; otherwise a stream that is
// not open (its failbit set), as for a file that cannot be opened.
std::ifstream OpenRegularFile(const std::filesystem::path& path);
