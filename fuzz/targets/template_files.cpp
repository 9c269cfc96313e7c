// Fuzz entry of the report's template: placeholder words anywhere, cut short, repeated, joined,
// on huge lines and with any line ends.
#include <algorithm>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "report_template.h"

namespace fuzz {

namespace {

// Every word of the report, each filled with a character that no word holds, so that a word left
// in the output can only be one that filling missed or made.
constexpr const char* kWords[] = {"Clients.Name",
                                  "Clients.Info",
                                  "Installers.Name",
                                  "Runs.Comments",
                                  "Runs.City",
                                  "Runs.OpensDate",
                                  "Runs.PoolType",
                                  "Units.GJ",
                                  "Units.$_GJ",
                                  "Units.C",
                                  "Units.m2",
                                  "Economics.CollUnitCost",
                                  "Economics.CollTotalCost",
                                  "PoolUse.MinTPool",
                                  "Heaters.Name",
                                  "Heaters.EfficiencyUnits",
                                  "Runs.HeaterMonthlyUse",
                                  "Blankets.Name"};
constexpr const char* kTableWord = "Results.EnergySummaryTable";
constexpr char kFilled = '\x01';

std::size_t Count(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

}  // namespace

void ReportTemplate(Bytes bytes) {
    TemplateValues values;
    for (const char* word : kWords) values.words[word] = std::string(1, kFilled);
    values.lines[kTableWord] = std::string(1, kFilled);
    const std::string input(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::istringstream in(input);
    std::ostringstream out;
    FillTemplate(in, out, values);
    const std::string filled = out.str();
    // Every line end is kept, and no word is left or made by joining the text around a value.
    Require(Count(filled, '\n') == Count(input, '\n'));
    for (const char* word : kWords) Require(filled.find(word) == std::string::npos);
    Require(filled.find(kTableWord) == std::string::npos);
}

}  // namespace fuzz
