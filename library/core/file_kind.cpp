#include "file_kind.h"

#include <filesystem>

std::optional<std::string_view> NotRegularFileKind(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    switch (fs::status(path, error).type()) {
        case fs::file_type::regular:
        case fs::file_type::not_found:
        case fs::file_type::none:
            return std::nullopt;
        case fs::file_type::fifo:
            return "a FIFO";
        case fs::file_type::character:
            return "a character device";
        case fs::file_type::block:
            return "a block device";
        case fs::file_type::directory:
            return "a folder";
        case fs::file_type::socket:
            return "a socket";
        default:
            return "of an unknown kind";
    }
}

std::ifstream OpenRegularFile(const std::filesystem::path& path) {
    std::ifstream file;
    if (NotRegularFileKind(path.string()))
        file.setstate(std::ios::failbit);
    else
        file.open(path, std::ios::in | std::ios::binary);
    return file;
}
