#include "sizing_command.h"

#include <charconv>

#include "sizing_table.h"

std::optional<int> ParseRunNumber(const std::string& text) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

int PrintSizingStudy(int runId, std::ostream& table, std::ostream& answers) {
    const std::optional<InputFormData> run = StoredRunForm(runId);
    if (!run) return 1;
    const std::optional<std::vector<SizeFigures>> sizes = RunSizingStudy(*run);
    if (!sizes) return 1;
    table << SizingCsv(*sizes, run->doubleRun, run->units);
    answers << AnswersText(*sizes, run->units);
    return table && answers ? 0 : 1;
}
