// Helpers shared by the tests: a temporary working folder, file contents, the message file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace test {

// Creates a fresh folder and makes it the current directory; restores and removes on exit.
class ScopedTempDir {
  public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& contents);

// Copies the project's message file into the current directory.
void InstallMessageFile();

// Makes a FIFO at `path`, runs `call` and tells whether it returned within a second. A call that
// waits on the FIFO meanwhile is fed by writers until it returns, so that the test still ends.
bool ReturnsAtOnceBesideAFifo(const std::filesystem::path& path, const std::function<void()>& call);

}  // namespace test
