// What the fuzz entries share: writing the input to a file and keeping messages quiet.
#pragma once

#include <string>

#include "fuzz_targets.h"
#include "user_interface.h"

namespace fuzz {

// Writes the bytes to `name` in the current folder; aborts when it cannot (no entry can run).
void WriteInput(const std::string& name, Bytes bytes);

// Aborts when a property that every input must keep does not hold.
void Require(bool holds);

// While alive, messages go nowhere and the English texts are in force.
class QuietMessages : public MessageSink {
  public:
    QuietMessages();
    ~QuietMessages() override;
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;
    void Show(std::string_view, MessageKind) override {}

  private:
    MessageSink* previous_ = nullptr;
};

}  // namespace fuzz
