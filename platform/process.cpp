#include "process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

extern char** environ;

namespace {

// Closes a file descriptor once, however the function that holds it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
};

// Reads until the writer closes its end; EINTR is retried.
std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            text.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            return text;
        }
    }
}

std::string SystemProblem(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

// The caller's environment, with the variable that names the handed descriptor set to it (or
// removed, when none is handed).
std::vector<std::string> Environment(const HandedDescriptor& handed) {
    std::vector<std::string> environment;
    const std::string prefix = handed.variable + "=";
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (handed.variable.empty() || !std::string_view(*variable).starts_with(prefix))
            environment.emplace_back(*variable);
    if (handed.fd >= 0 && !handed.variable.empty())
        environment.push_back(prefix + std::to_string(handed.fd));
    return environment;
}

}  // namespace

ProgramOutcome RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const HandedDescriptor& handed) {
    ProgramOutcome outcome;
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        outcome.problem = SystemProblem("pipe", errno);
        return outcome;
    }
    Descriptor readEnd(pipeEnds[0]);
    Descriptor writeEnd(pipeEnds[1]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDERR_FILENO);
    // A descriptor duplicated onto itself loses its close-on-exec flag in the child only.
    if (handed.fd >= 0) posix_spawn_file_actions_adddup2(&actions, handed.fd, handed.fd);
    std::vector<std::string> environment = Environment(handed);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        outcome.problem = SystemProblem(program.c_str(), spawned);
        return outcome;
    }
    outcome.started = true;
    writeEnd.Close();  // the child holds the only writing end now
    outcome.errors = ReadAll(readEnd.Get());

    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        outcome.problem = SystemProblem("waitpid", errno);
        return outcome;
    }
    if (WIFEXITED(status)) {
        outcome.exited = true;
        outcome.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        outcome.signal = WTERMSIG(status);
    }
    return outcome;
}
