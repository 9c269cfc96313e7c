#include "test_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <sstream>
#include <stdexcept>

#include "messages.h"

namespace fs = std::filesystem;

namespace test {

ScopedTempDir::ScopedTempDir() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "tidewarm-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    fs::current_path(path_);
    ForgetMessageFile();  // the message file is read from the current folder
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
    ForgetMessageFile();
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
    ForgetMessageFile();
}

bool ReturnsAtOnceBesideAFifo(const fs::path& path, const std::function<void()>& call) {
    if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
    std::future<void> done = std::async(std::launch::async, call);
    const bool atOnce = done.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        // Opening a writer ends a reader's wait in open(); the bytes end a wait in read().
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer < 0) continue;
        [[maybe_unused]] const ssize_t written = ::write(writer, "x\n", 2);
        ::close(writer);
    }
    done.get();
    return atOnce;
}

}  // namespace test
