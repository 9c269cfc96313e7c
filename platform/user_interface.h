// What the programs show the user without knowing how: message boxes go to a message sink, the
// progress of long work to a progress display. The graphical programs install their own; batch
// mode and the tests keep the defaults (messages on standard error, no progress display), so
// nothing ever waits for a click.
#pragma once

#include <string>
#include <string_view>

// A notice is information of a few sentences that a window lays out one sentence a line.
enum class MessageKind { Information, Warning, Error, Notice };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(std::string_view text, MessageKind kind) = 0;
    // Asks a question with the answers Yes (true) and No. A sink that cannot ask anybody shows
    // the question with the answer taken and returns `unattendedAnswer`.
    [[nodiscard]] virtual bool AskYesNo(std::string_view question, bool unattendedAnswer);
};

// Writes each message as one line on standard error, warnings and errors with their kind first
// ("Warning: ", "Error: ").
class StandardErrorSink final : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind kind) override;
};

// The sink in force; standard error until another is set.
MessageSink& CurrentMessageSink();
// Makes `sink` the sink in force (null: standard error again) and returns the one it replaces.
// The sink must outlive its use.
MessageSink* SetMessageSink(MessageSink* sink);

// `text` laid out for a notice: its paragraphs (parted by an empty line) kept, each sentence on
// a line of its own, the line breaks inside a sentence made spaces.
std::string OneSentencePerLine(std::string_view text);

// Shows a message through the sink in force.
void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Error);
// Asks a Yes/No question through the sink in force; `unattendedAnswer` when nobody can answer.
[[nodiscard]] bool AskYesNo(std::string_view question, bool unattendedAnswer);

// The exception being handled, for a message: its own text, or "unknown exception" when it is no
// std::exception. Call only while an exception is being handled (inside a catch block).
std::string CurrentExceptionText();

class Progress {
  public:
    virtual ~Progress() = default;
    // Shows what is being done.
    virtual void SetText(std::string_view text) = 0;
    // Marks a step of the work done; a display may use it to stay responsive.
    virtual void Step() = 0;
};

class NullProgress final : public Progress {
  public:
    void SetText(std::string_view) override {}
    void Step() override {}
};

// The progress display in force; a NullProgress until another is set.
Progress& CurrentProgress();
// Makes `progress` the display in force (null: none again) and returns the one it replaces.
Progress* SetProgress(Progress* progress);
