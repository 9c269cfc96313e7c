// Captures what the program shows, with the English texts and the message file in place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "simulator_strings.h"
#include "test_support.h"
#include "user_interface.h"

namespace test {

class MessageCapture : public MessageSink {
  public:
    MessageCapture() {
        SetEnglishStrings(SimulatorEnglishStrings());
        previous_ = SetMessageSink(this);
    }
    ~MessageCapture() override { SetMessageSink(previous_); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }

    std::vector<std::string> shown;

  private:
    MessageSink* previous_ = nullptr;
};

}  // namespace test
