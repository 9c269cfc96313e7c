#include "user_interface.h"

#include <cstdio>
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

std::string OneSentencePerLine(std::string_view text) {
    std::string laid;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const bool paragraphEnd = c == '\n' && at + 1 < text.size() && text[at + 1] == '\n';
        if (paragraphEnd) {
            laid += "\n\n";
            ++at;
        } else if (c == '\n' || c == ' ') {
            const char before = laid.empty() ? '\n' : laid.back();
            const bool sentenceEnd = before == '.' || before == '?' || before == '!';
            if (before != '\n' && before != ' ') laid += sentenceEnd ? '\n' : ' ';
        } else {
            laid += c;
        }
    }
    return laid;
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

Progress& CurrentProgress() {
    return g_progress.Current();
}
Progress* SetProgress(Progress* progress) {
    return g_progress.Replace(progress);
}
