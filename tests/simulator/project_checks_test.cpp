#include "project_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

#include "batch_input.h"
#include "dialog_exchange.h"
#include "document.h"
#include "message_capture.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string ProjectText(CTidewarmDoc& doc) {
    std::ostringstream out;
    EXPECT_EQ(doc.WriteProject(out), 0);
    return out.str();
}

// The number of the first line where two texts differ, from 1.
int FirstDifferentLine(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string lineA, lineB;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(x, lineA));
        const bool moreB = static_cast<bool>(std::getline(y, lineB));
        if (!moreA && !moreB) return 0;
        if (lineA != lineB || moreA != moreB) return line;
    }
}

// The lines and the problem of a refusal "File p.tdw, line N: ..." or "..., lines A to B: ...".
struct Refusal {
    int first = 0, last = 0;
    std::string problem;
};

std::optional<Refusal> ParseRefusal(const std::string& message) {
    Refusal refusal;
    int consumed = 0;
    const char* text = message.c_str();
    if (std::sscanf(text, "File p.tdw, lines %d to %d: %n", &refusal.first, &refusal.last,
                    &consumed) != 2 ||
        consumed == 0) {
        consumed = 0;
        if (std::sscanf(text, "File p.tdw, line %d: %n", &refusal.first, &consumed) != 1 ||
            consumed == 0)
            return std::nullopt;
        refusal.last = refusal.first;
    }
    refusal.problem = message.substr(static_cast<std::size_t>(consumed));
    return refusal;
}

// One value per input dialog (and per profile editor group) set outside its range through the
// dialog's own copy-back, as a hand-edited file would hold it.
struct OutOfRange {
    const char* what;
    std::function<void(CTidewarmDoc&)> set;
    const char* refusal;  // the value as the dialog shows it and its message
};

template <class Dialog>
std::function<void(CTidewarmDoc&)> Through(std::function<void(Dialog&)> change) {
    return [change](CTidewarmDoc& doc) {
        Dialog dialog;
        ASSERT_TRUE(Fill(doc, dialog));
        change(dialog);
        ASSERT_TRUE(CopyBack(dialog, doc));
    };
}

// Every group of the dialogs refuses its value when the file is read, naming the line that holds
// it; the file reads when the value is put back in range.
TEST(ProjectChecks, AValueOutsideItsDialogsRangeIsRefusedWithItsLine) {
    test::ScopedTempDir dir;
    test::MessageCapture messages;
    const std::string templatePath = std::string(TIDEWARM_RESOURCES_DIR) + "/resingr.tpl";
    const OutOfRange cases[] = {
        {"week length", Through<CPoolConfigDlg>([](auto& d) { d.weekLength = 40000; }),
         "the value 40000 is refused. Please enter an integer between 0 and 32167."},
        {"latitude", Through<CWeatherDlg>([](auto& d) { d.latitude = 95; }),
         "the value 95 is refused. Please enter a number between -90 and 90."},
        {"precision", Through<CSimulationDlg>([](auto& d) { d.precision = 0.5; }),
         "the value 0.5 is refused. Please enter a number between 1e-06 and 0.1."},
        {"collector A", Through<CCollectorTestDlg>([](auto& d) { d.a = 1.5; }),
         "the value 1.5 is refused. Please enter a number between 0 and 1."},
        {"slope", Through<CCollectorUseDlg>([](auto& d) { d.slope = 200; }),
         "the value 200 is refused. Please enter a number between 0 and 180."},
        {"pipe surroundings", Through<CPipesDlg>([](auto& d) { d.surroundTemp = 80; }),
         "the value 80 is refused. Please enter a number between -50 and 50."},
        {"effectiveness", Through<CHeatExchangerDlg>([](auto& d) { d.effectiveness = 1.5; }),
         "the value 1.5 is refused. Please enter a number between 0 and 1."},
        {"mains water", Through<CPoolDesignDlg>([](auto& d) { d.mainsTemp = 500; }),
         "the value 500 is refused. Please enter a number between 0 and 100."},
        {"activity", Through<CPoolUseDlg>([](auto& d) { d.weekdayActivity[10] = 3; }),
         "the value 3 is refused. Please enter a number between 0 and 2."},
        {"blanket cover", Through<CBlanketDlg>([](auto& d) { d.fractionCovered = 1.2; }),
         "the value 1.2 is refused. Please enter a number between 0 and 1."},
        {"blanket band", Through<CBlanketDlg>([](auto& d) {
             d.shortWaveAbsorptivity = 0.6;
             d.shortWaveTransmissivity = 0.5;
         }),
         "the value 0.5 is refused. An absorptivity (or emissivity) and a transmissivity cannot "
         "add up to more than 1."},
        {"heater set point", Through<CAuxHeaterDlg>([](auto& d) { d.setPoint = 200; }),
         "the value 200 is refused. Please enter a number between 0 and 50."},
        {"heater efficiency", Through<CAuxHeaterDlg>([](auto& d) { d.efficiency = 500; }),
         "the value 500 is refused. Please enter a number between 0.001 and 100."},
        {"system life", Through<CEconomicsDlg>([](auto& d) { d.systemLife = 0; }),
         "the value 0 is refused. Please enter an integer between 1 and 50."},
    };
    std::unique_ptr<CTidewarmDoc> original = LoadProjectFile(templatePath, RefusedProjectValue);
    ASSERT_TRUE(original);
    const std::string valid = ProjectText(*original);
    for (const OutOfRange& value : cases) {
        SCOPED_TRACE(value.what);
        std::unique_ptr<CTidewarmDoc> doc = LoadProjectFile(templatePath, RefusedProjectValue);
        ASSERT_TRUE(doc);
        value.set(*doc);
        const std::string text = ProjectText(*doc);
        const int line = FirstDifferentLine(valid, text);
        ASSERT_GT(line, 0);
        test::WriteFile("p.tdw", text);
        messages.shown.clear();
        EXPECT_FALSE(LoadProjectFile("p.tdw", RefusedProjectValue));
        ASSERT_EQ(messages.shown.size(), 2u);
        const std::optional<Refusal> refusal = ParseRefusal(messages.shown[0]);
        ASSERT_TRUE(refusal) << messages.shown[0];
        EXPECT_LE(refusal->first, line);
        EXPECT_GE(refusal->last, line);
        EXPECT_LE(refusal->last - refusal->first, 2) << "a block of at most three lines";
        EXPECT_EQ(refusal->problem, value.refusal);
        EXPECT_EQ(messages.shown[1], "I/O Error. Cannot read from file.\nFile p.tdw, line " +
                                         std::to_string(refusal->last) + ".");
        // Without the check (as a test or tool reads a file) the same text reads.
        CTidewarmDoc unchecked;
        std::istringstream in(text);
        EXPECT_EQ(unchecked.ReadProject(in), 0);
    }
}

// Every shipped template passes the check unchanged.
TEST(ProjectChecks, TheShippedTemplatesPassTheCheck) {
    test::MessageCapture messages;
    for (const std::string_view name : kPoolTemplates) {
        CTidewarmDoc doc;
        std::istringstream in(test::ReadFile(fs::path(TIDEWARM_RESOURCES_DIR) / name));
        EXPECT_EQ(doc.ReadProject(in, {std::string(name), RefusedProjectValue}), 0) << name;
        EXPECT_FALSE(RefusedProjectValue(doc)) << name;
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
