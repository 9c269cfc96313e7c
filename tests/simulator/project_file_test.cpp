#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>

#include "document.h"
#include "project_file_support.h"
#include "project_values.h"
#include "result_columns.h"

namespace {

TEST_F(ProjectFileTest, NewProjectWrittenReadAndWrittenAgainIsTheSame) {
    CTidewarmDoc doc;
    const std::string first = Written(doc);
    EXPECT_EQ(first.substr(0, first.find('\n')), "Tidewarm 30000 20002");
    CTidewarmDoc copy;
    test::FillProject(copy);  // everything read must replace what was there
    ASSERT_EQ(ReadText(copy, first), 0);
    EXPECT_EQ(Written(copy), first);
    test::ExpectSameProject(doc, copy);
    EXPECT_EQ(copy.pool.GetEvaporationModel(), 1);
    EXPECT_EQ(FlagsOf(copy), std::string("111") + std::string(43, '0'));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, EveryStoredValueReadsBack) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    const std::string first = Written(doc);
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, first), 0);
    EXPECT_EQ(Written(copy), first);
    test::ExpectSameProject(doc, copy);
    // Hourly columns 0 to 2 are always written, whatever the file says.
    EXPECT_EQ(FlagsOf(copy).substr(0, 3), "111");
}

TEST_F(ProjectFileTest, FileLayoutLineByLine) {
    CTidewarmDoc doc;
    std::istringstream in(Written(doc));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines[1], "1 0 1 0 0 0");
    EXPECT_EQ(lines[2], "1 365 365 0 7 2 0.0001 100 0 0 0");
    EXPECT_EQ(lines[3], "0");
    EXPECT_EQ(lines[4], "");         // location name
    EXPECT_EQ(lines[5], "");         // no weather file
    EXPECT_EQ(lines[9], "0 0 0 0");  // sun
    EXPECT_EQ(lines[10], "45 0 0");  // tracker, degrees
    EXPECT_EQ(lines.back(), std::string("111") + std::string(43, '0'));
    EXPECT_EQ(lines.size(), 50u);
}

TEST_F(ProjectFileTest, NewerFormatRefusedWithItsMessage) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    text.replace(0, text.find('\n'), "Tidewarm 30001 20002");
    CTidewarmDoc copy;
    copy.StartDay = 77;
    EXPECT_EQ(ReadText(copy, text), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "File is from newer version of Tidewarm. Cannot load file.");
    EXPECT_EQ(copy.StartDay, 77);
}

TEST_F(ProjectFileTest, SimulatedDaysOutsideTheYearRefusedWithTheirMessage) {
    CTidewarmDoc doc;
    const std::string text = Written(doc);
    const std::size_t line3 = text.find('\n', text.find('\n') + 1) + 1;
    const auto withDays = [&](const std::string& days) {
        std::string changed = text;
        changed.replace(line3, std::string("1 365").size(), days);
        return changed;
    };
    for (const char* days : {"-2147483648 365", "0 365", "1 366", "366 1", "1 0"}) {
        CTidewarmDoc copy;
        messages.shown.clear();
        EXPECT_EQ(ReadText(copy, withDays(days)), 1) << days;
        ASSERT_EQ(messages.shown.size(), 1u) << days;
        EXPECT_EQ(messages.shown[0].rfind("The first and last simulated days must lie between 1 "
                                          "and 365; the file gives ",
                                          0),
                  0u);
        EXPECT_EQ(copy.StartDay, 1) << days;
        EXPECT_EQ(copy.EndDay, 365) << days;
    }
    CTidewarmDoc copy;
    messages.shown.clear();
    EXPECT_EQ(ReadText(copy, withDays("365 1")), 0);
    EXPECT_EQ(copy.StartDay, 365);
    EXPECT_EQ(copy.EndDay, 1);
    EXPECT_TRUE(messages.shown.empty());
    // A period so long that the run's hour count would overflow.
    ASSERT_EQ(text.compare(line3, 10, "1 365 365 "), 0);
    std::string endless = text;
    endless.replace(line3, 10, "1 365 2147483647 ");
    EXPECT_EQ(ReadText(copy, endless), 1);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "The file gives 2147483647 days to simulate; at most 32167 can be simulated."});
}

TEST_F(ProjectFileTest, OtherHeaderWordRefusedWithoutMessage) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    EXPECT_EQ(ReadText(doc, "Tideward 30000 20002\n" + text.substr(text.find('\n') + 1)), 1);
    EXPECT_EQ(ReadText(doc, "Tide\n"), 1);
    EXPECT_EQ(ReadText(doc, ""), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, LocationNameLimitOnBothSides) {
    CTidewarmDoc doc;
    const std::string longest(117, 'x');
    doc.SetWeatherName(longest);
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, Written(doc)), 0);
    EXPECT_EQ(copy.GetWeatherName(), longest);

    // A longer name given to the document is cut, so what is saved reads back.
    doc.SetWeatherName(std::string(116, 'y') + "é" + "zzz");  // é is two bytes
    EXPECT_EQ(doc.GetWeatherName(), std::string(116, 'y'));
    doc.SetWeatherName("two\nlines");
    EXPECT_EQ(doc.GetWeatherName(), "two");
    ASSERT_EQ(ReadText(copy, Written(doc)), 0);
    EXPECT_EQ(copy.GetWeatherName(), "two");

    // A file with a longer name (not written by this program) fails.
    std::string text = Written(doc);
    const std::size_t start = text.find("two\n");
    text.replace(start, 3, std::string(118, 'x'));
    EXPECT_EQ(ReadText(copy, text), 1);
}

TEST_F(ProjectFileTest, UnknownWeatherSourceKeepsTheSourceHeld) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    const std::size_t third = text.find('\n', text.find('\n', text.find('\n') + 1) + 1) + 1;
    text[third] = '5';
    CTidewarmDoc copy;
    copy.WeatherSource = kWeatherText;
    ASSERT_EQ(ReadText(copy, text), 0);
    EXPECT_EQ(copy.WeatherSource, kWeatherText);
}

TEST_F(ProjectFileTest, CrLfLineEndsRead) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    std::string text = Written(doc), crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, crlf), 0);
    test::ExpectSameProject(doc, copy);
}

// ---------------------------------------------------------------------------------------------
// Files

TEST_F(ProjectFileTest, SavedFileLoadsBackUnmodified) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    doc.SetModifiedFlag(1);
    ASSERT_EQ(SaveProjectFile(doc, "pool.tdw"), 0);
    EXPECT_EQ(doc.IsModified(), 0);
    EXPECT_EQ(doc.ResultsOutOfDate(), 1);  // saving does not change it
    EXPECT_FALSE(std::filesystem::exists("pool.tdw.part"));
    std::unique_ptr<CTidewarmDoc> loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    test::ExpectSameProject(doc, *loaded);
    EXPECT_EQ(loaded->IsModified(), 0);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 1);  // no report
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, ReportNotOlderThanProjectIsUpToDate) {
    CTidewarmDoc doc;
    ASSERT_EQ(SaveProjectFile(doc, "pool.tdw"), 0);
    test::WriteFile("pool.lis", "report\n");
    const auto now = std::filesystem::last_write_time("pool.tdw");
    std::filesystem::last_write_time("pool.lis", now);
    auto loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 0);
    std::filesystem::last_write_time("pool.lis", now - std::chrono::seconds(5));
    loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 1);
    EXPECT_EQ(ReportFileName("dir.x/pool.tdw"), "dir.x/pool.lis");
    EXPECT_EQ(ReportFileName("pool"), "pool.lis");
}

TEST_F(ProjectFileTest, TruncatedOrCorruptFileLeavesTheOpenDocumentAlone) {
    CTidewarmDoc saved;
    test::FillProject(saved);
    const std::string text = Written(saved);
    auto open = std::make_unique<CTidewarmDoc>();
    open->StartDay = 99;
    CTidewarmDoc* before = open.get();

    for (std::size_t cut : {text.size() / 3, text.size() / 2, text.size() - 30}) {
        test::WriteFile("pool.tdw", text.substr(0, cut));
        messages.shown.clear();
        std::unique_ptr<CTidewarmDoc> loaded = LoadProjectFile("pool.tdw");
        EXPECT_EQ(loaded, nullptr) << cut;
        ASSERT_EQ(messages.shown.size(), 1u);
        // Reading stops in the line that the cut ends.
        const std::string line = std::to_string(
            std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(cut), '\n') + 1);
        EXPECT_EQ(messages.shown[0],
                  "I/O Error. Cannot read from file.\nFile pool.tdw, line " + line + ".");
    }
    std::string corrupt = text;
    const std::size_t corruptLine = corrupt.find("\n121 273") + 1;
    corrupt.replace(corruptLine, 3, "abc");
    test::WriteFile("pool.tdw", corrupt);
    messages.shown.clear();
    EXPECT_EQ(LoadProjectFile("pool.tdw"), nullptr);
    const auto linesBefore = std::count(
        corrupt.begin(), corrupt.begin() + static_cast<std::ptrdiff_t>(corruptLine), '\n');
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"I/O Error. Cannot read from file.\nFile pool.tdw, line " +
                                       std::to_string(linesBefore + 1) + "."});
    EXPECT_EQ(open.get(), before);
    EXPECT_EQ(open->StartDay, 99);
    EXPECT_EQ(open->UseSolar, 1);

    messages.shown.clear();
    EXPECT_EQ(LoadProjectFile("missing.tdw"), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Cannot open file.");
}

TEST_F(ProjectFileTest, FailedSaveKeepsThePreviousFile) {
    CTidewarmDoc doc;
    doc.SetModifiedFlag(1);
    EXPECT_EQ(SaveProjectFile(doc, "no such folder/pool.tdw"), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Cannot open file.\nno such folder/pool.tdw: No such file or directory");
    EXPECT_EQ(doc.IsModified(), 1);

    // The target cannot be replaced (a folder that holds a file): the write is not put in place.
    std::filesystem::create_directory("pool.tdw");
    test::WriteFile("pool.tdw/keep", "x");
    messages.shown.clear();
    EXPECT_EQ(SaveProjectFile(doc, "pool.tdw"), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("I/O Error. File not saved.\npool.tdw: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory("pool.tdw"));
    EXPECT_FALSE(std::filesystem::exists("pool.tdw.part"));
    EXPECT_EQ(doc.IsModified(), 1);
}

}  // namespace
