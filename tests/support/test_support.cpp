#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace test {

ScopedTempDir::ScopedTempDir() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "tidewarm-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    fs::current_path(path_);
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

void InstallMessageFile() {
    fs::copy_file(fs::path(TIDEWARM_RESOURCES_DIR) / "scl.err", "scl.err",
                  fs::copy_options::overwrite_existing);
}

}  // namespace test
