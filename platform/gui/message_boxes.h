// Messages and questions of the program as modal message boxes.
#pragma once

#include "user_interface.h"

class MessageBoxSink final : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind kind) override;
    bool AskYesNo(std::string_view question, bool unattendedAnswer) override;
};
