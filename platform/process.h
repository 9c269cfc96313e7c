// Starting another program and waiting for it: the front end runs the simulation program this
// way. Standard error of the started program is collected, so that a failure can be shown with
// the program's own words.
#pragma once

#include <string>
#include <vector>

struct ProgramOutcome {
    bool started = false;  // false: the program could not be started (`problem` says why)
    bool exited = false;   // true: it ended by itself with `exitCode`; false: `signal` ended it
    int exitCode = -1;
    int signal = 0;
    std::string errors;   // what it wrote on standard error
    std::string problem;  // why it could not be started or waited for

    [[nodiscard]] bool Succeeded() const { return started && exited && exitCode == 0; }
};

// A descriptor of the caller that the started program inherits under the same number, and the
// environment variable through which it learns that number.
struct HandedDescriptor {
    int fd = -1;  // -1: none
    std::string variable;
};

// Starts `program` (a path) with `arguments`, waits without time-out until it ends, and
// returns how it ended. Its standard input is empty; its standard output is the caller's. Of the
// caller's descriptors that close on exec, only `handed` reaches the program.
ProgramOutcome RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const HandedDescriptor& handed = {});
