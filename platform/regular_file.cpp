#include "regular_file.h"

#include "file_kind.h"

std::optional<Problem> NotARegularFile(const std::string& path) {
    const std::optional<std::string_view> kind = NotRegularFileKind(path);
    if (!kind) return std::nullopt;
    return Problem{"Not a regular file: " + std::string(*kind)};
}
