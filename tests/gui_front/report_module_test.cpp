// The report window's module: the program file starts without WebKit and poppler and exports
// none of its functions, the module needs none of them (it is handed them) and exports only its
// entry; a module that cannot be loaded is named with the loader's reason.
#include "report_module.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "test_support.h"

namespace {

const std::string kProgram = std::string(TIDEWARM_BIN_DIR) + "/Tidewarm";
const std::string kModule = std::string(TIDEWARM_BIN_DIR) + "/" + kReportModuleName;

// What `command` writes on its standard output and error.
std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    std::array<char, 4096> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        output += buffer.data();
    pclose(pipe);
    return output;
}

// The program file started without a display (so that it ends in its start-up) with `settings`
// in its environment; the dynamic loader's list of the files it loads, and its errors.
std::string StartWithoutDisplay(const std::string& settings) {
    return OutputOf(
        "env -u DISPLAY -u WAYLAND_DISPLAY LD_DEBUG=files "
        "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 " +
        settings + " '" + kProgram + "' 2>&1");
}

// The end of the loader's list, where a failed binding is told.
std::string Tail(const std::string& output) {
    return output.substr(output.size() > 2000 ? output.size() - 2000 : 0);
}

bool Loaded(const std::string& output, const std::string& library) {
    return output.find("file=" + library) != std::string::npos;
}

// wx's message when the program reaches its windows and finds no display.
constexpr char kReachedTheWindows[] = "Unable to initialize GTK";

TEST(ReportModuleTest, TheProgramStartsWithoutWebKitAndTheModuleBindsToIt) {
    const std::string alone = StartWithoutDisplay("");
    ASSERT_NE(alone.find(kReachedTheWindows), std::string::npos) << Tail(alone);
    EXPECT_TRUE(Loaded(alone, "libwx_gtk3u_core"));
    for (const char* library : {"libwebkit2gtk", "libjavascriptcoregtk", "libpoppler",
                                "libwx_gtk3u_webview", "TidewarmReport"})
        EXPECT_FALSE(Loaded(alone, library)) << library;

    // Every symbol of the module bound before the program starts: one that the program file does
    // not hold stops it there, before its windows.
    const std::string withModule =
        StartWithoutDisplay("LD_BIND_NOW=1 LD_PRELOAD='" + kModule + "'");
    EXPECT_TRUE(Loaded(withModule, "libwebkit2gtk"));
    EXPECT_NE(withModule.find(kReachedTheWindows), std::string::npos) << Tail(withModule);

    // The program file exports none of its own functions, the module nothing but its entry and
    // its build's identity.
    const std::string programSymbols = OutputOf("nm -D --defined-only -C '" + kProgram + "'");
    for (const char* function : {"LoadResString", "ShowMessage", "BindHelp", "SaveAsTitle"})
        EXPECT_EQ(programSymbols.find(function), std::string::npos) << function;
    const std::string moduleSymbols =
        OutputOf("nm -D --defined-only '" + kModule + "' | grep -v ' A ' | cut -d' ' -f2-");
    EXPECT_EQ(moduleSymbols, "T TidewarmBuildIdentity\nT TidewarmShowReport\n");
}

TEST(ReportModuleTest, AModuleThatCannotBeLoadedIsNamedWithTheReason) {
    test::ScopedTempDir empty;
    const auto missing = LoadReportModule(empty.path().string());
    ASSERT_TRUE(std::holds_alternative<Problem>(missing));
    const std::string& problem = std::get<Problem>(missing).message;
    EXPECT_NE(problem.find(empty.path().string() + "/" + kReportModuleName), std::string::npos)
        << problem;

    // A file of that name that is no shared object.
    test::WriteFile(empty.path() / kReportModuleName, "not a module\n");
    const auto broken = LoadReportModule(empty.path().string());
    ASSERT_TRUE(std::holds_alternative<Problem>(broken));
    EXPECT_FALSE(std::get<Problem>(broken).message.empty());
}

}  // namespace
