// Starting another program and waiting for it: the front end runs the simulation program this
// way. Standard error of the started program is collected, so that a failure can be shown with
// the program's own words.
#pragma once

#include <string>
#include <vector>

struct ProgramOutcome {
    bool started = false;  // false: the program could not be started (`problem` says why)
    bool exited = false;   // true: it ended by itself with `exitCode`; false: a signal ended it
    int exitCode = -1;
    std::string errors;   // what it wrote on standard error
    std::string problem;  // why it could not be started or waited for

    bool Succeeded() const { return started && exited && exitCode == 0; }
};

// Starts `program` (a path) with `arguments`, waits without time-out until it ends, and
// returns how it ended. Its standard input is empty; its standard output is the caller's.
ProgramOutcome RunProgram(const std::string& program, const std::vector<std::string>& arguments);
