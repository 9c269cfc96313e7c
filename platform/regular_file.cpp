#include "regular_file.h"

#include <sys/stat.h>

namespace {

// What a file of type `mode` is, in a few words.
const char* FileKind(mode_t mode) {
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISSOCK(mode)) return "a socket";
    return "of an unknown kind";
}

}  // namespace

std::optional<Problem> NotARegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) return std::nullopt;
    return Problem{std::string("Not a regular file: ") + FileKind(status.st_mode)};
}
