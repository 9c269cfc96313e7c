// What stopped one of the system's operations, in the words the user is shown. An operation that
// shows its own messages returns a bool; one that leaves the telling to its caller returns
// std::optional<Problem>, empty when it succeeded, or, when it gives a value on success, a
// std::variant of that value and the Problem.
#pragma once

#include <string>

struct Problem {
    std::string message;

    bool operator==(const Problem&) const = default;
};
