#include "command_line.h"

#include <string_view>

bool IsBatchCommandLine(int argc, const char* const* argv) {
    if (argc < 2 || !argv || !argv[1]) return false;
    return std::string_view(argv[1]).starts_with("-batch");
}
