#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "simulator_strings.h"

namespace fuzz {

void WriteInput(const std::string& name, Bytes bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    Require(file != nullptr);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    Require(std::fclose(file) == 0 && written);
}

void Require(bool holds) {
    if (!holds) std::abort();
}

QuietMessages::QuietMessages() {
    if (EnglishStrings().empty()) SetEnglishStrings(SimulatorEnglishStrings());
    previous_ = SetMessageSink(this);
}

QuietMessages::~QuietMessages() {
    SetMessageSink(previous_);
}

namespace {

constexpr Target kTargets[] = {
    {"project_file", ProjectFile},       {"batch_input", BatchInput},
    {"zefir_weather", ZefirWeather},     {"ktmy_weather", KtmyWeather},
    {"text_table", TextTable},           {"message_file", MessageFile},
    {"string_table", StringTableFile},   {"config_file", ConfigFile},
    {"monthly_results", MonthlyResults}, {"report_template", ReportTemplate},
    {"result_loader", ResultLoader},     {"frontend_config", FrontEndConfig},
    {"epw_weather", EpwWeather},         {"tmy3_weather", Tmy3Weather},
    {"tmy2_weather", Tmy2Weather},
};

}  // namespace

std::span<const Target> Targets() {
    return kTargets;
}

const Target* FindTarget(std::string_view name) {
    for (const Target& target : kTargets)
        if (target.name == name) return &target;
    return nullptr;
}

}  // namespace fuzz
