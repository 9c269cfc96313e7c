#include "user_interface.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

// A process-wide service: the one installed, else the default.
template <class Service>
class Installed {
  public:
    explicit Installed(Service& fallback) : fallback_(fallback) {}
    Service& Current() const { return installed_ ? *installed_ : fallback_; }
    Service* Replace(Service* service) {
        Service* previous = &Current();
        installed_ = service;
        return previous;
    }

  private:
    Service& fallback_;
    Service* installed_ = nullptr;
};

StandardErrorSink g_standardError;
Installed<MessageSink> g_sink(g_standardError);

NullProgress g_noProgress;
Installed<Progress> g_progress(g_noProgress);

}  // namespace

void StandardErrorSink::Show(std::string_view text, MessageKind kind) {
    std::string line;
    if (kind == MessageKind::Warning) line = "Warning: ";
    if (kind == MessageKind::Error) line = "Error: ";
    line.append(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

bool MessageSink::AskYesNo(std::string_view question, bool unattendedAnswer) {
    std::string line(question);
    line += unattendedAnswer ? " Yes" : " No";
    Show(line, MessageKind::Information);
    return unattendedAnswer;
}

MessageSink& CurrentMessageSink() {
    return g_sink.Current();
}
MessageSink* SetMessageSink(MessageSink* sink) {
    return g_sink.Replace(sink);
}
void ShowMessage(std::string_view text, MessageKind kind) {
    CurrentMessageSink().Show(text, kind);
}
bool AskYesNo(std::string_view question, bool unattendedAnswer) {
    return CurrentMessageSink().AskYesNo(question, unattendedAnswer);
}

std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& failure) {
        return failure.what();
    } catch (...) {
        return "unknown exception";
    }
}

Progress& CurrentProgress() {
    return g_progress.Current();
}
Progress* SetProgress(Progress* progress) {
    return g_progress.Replace(progress);
}
