// A full disk for the files this process writes: while it lives, no file can grow past a limit
// (RLIMIT_FSIZE), so a write that would make it larger fails as a write on a full disk does.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace test {

class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(std::uintmax_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        // The write fails with EFBIG instead of ending the process.
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

}  // namespace test
