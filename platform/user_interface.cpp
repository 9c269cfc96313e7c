#include "user_interface.h"

#include <cstdio>
#include <string>

namespace {

StandardErrorSink g_standardError;
MessageSink* g_sink = nullptr;

NullProgress g_noProgress;
Progress* g_progress = nullptr;

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

MessageSink& CurrentMessageSink() {
    return g_sink ? *g_sink : g_standardError;
}

MessageSink* SetMessageSink(MessageSink* sink) {
    MessageSink* previous = g_sink ? g_sink : &g_standardError;
    g_sink = sink;
    return previous;
}

void ShowMessage(std::string_view text, MessageKind kind) {
    CurrentMessageSink().Show(text, kind);
}

Progress& CurrentProgress() {
    return g_progress ? *g_progress : g_noProgress;
}

Progress* SetProgress(Progress* progress) {
    Progress* previous = g_progress ? g_progress : &g_noProgress;
    g_progress = progress;
    return previous;
}
