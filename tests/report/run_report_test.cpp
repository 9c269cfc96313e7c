// The report of a run built from its rows in a copy of the reference database: the golden
// pages in both languages and both unit systems, escaping, values never computed, and each
// missing row or file reported with no report written.
#include "run_report.h"

#include <SQLiteCpp/Transaction.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "data_folder_files.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "kill_at_rename.h"
#include "report_set.h"
#include "report_values.h"
#include "string_table.h"
#include "test_support.h"
#include "user_interface.h"

namespace {

// A report page with the name of its charts' folder taken out of its pictures' addresses.
std::string WithoutChartsFolder(std::string page) {
    for (std::size_t at = page.find("src=\""); at != std::string::npos;
         at = page.find("src=\"", at + 1)) {
        const std::size_t start = at + 5;
        const std::size_t slash = page.find('/', start);
        if (slash < page.find('"', start)) page.erase(start, slash + 1 - start);
    }
    return page;
}

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(TIDEWARM_TEST_DATA_DIR) / "report";

class RecordedMessages : public MessageSink {
  public:
    RecordedMessages() { previous_ = SetMessageSink(this); }
    ~RecordedMessages() override { SetMessageSink(previous_); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;
    void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }
    std::vector<std::string> shown;

  private:
    MessageSink* previous_ = nullptr;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A copy of the reference database with one client, one installer and one run of four months
// (June to September) with its results, days and economics.
class RunReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEnglishStrings(FrontEndEnglishStrings());
        DropFrenchStrings();
        g_strDatabasePath = (folder.path() / "Tidewarm.mdb").string();
        fs::copy_file(fs::path(TIDEWARM_BIN_DIR) / "Tidewarm.ref.mdb", g_strDatabasePath);
        database = std::make_unique<SQLite::Database>(ConnectDatabase());
        clientId = AddClient("<script>alert(1)</script> & \"Co\"", "12 rue des Pins\nLyon");
        installerId = AddInstaller("Soleil & Fils", "04 72 00 00 00");
        runId = AddRun(true);
    }

    int AddClient(const std::string& name, const std::string& info) {
        CClientsSet client;
        client.Open(database.get());
        client.AddNew();
        client.m_Name = name;
        client.m_Info = info;
        client.m_Editable = client.m_Active = 1;
        client.Update();
        return static_cast<int>(client.GetLastAddedId());
    }

    int AddInstaller(const std::string& name, const std::string& info) {
        CInstallersSet installer;
        installer.Open(database.get());
        installer.AddNew();
        installer.m_Name = name;
        installer.m_Info = info;
        installer.m_Editable = installer.m_Active = 1;
        installer.Update();
        return static_cast<int>(installer.GetLastAddedId());
    }

    int AddRun(bool si) {
        CRunsSet run;
        run.Open(database.get());
        run.AddNew();
        run.m_Comments = "Backyard pool: Clients.Name asked for Units.GJ";
        run.m_ClientId = clientId;
        run.m_InstallerId = installerId;
        run.m_DoubleRun = true;
        run.m_SI = si;
        run.m_PoolType = 0;
        run.m_City = "Lyon";
        run.m_OpensMonth = 6;
        run.m_OpensDay = 1;
        run.m_ClosesMonth = 9;
        run.m_ClosesDay = 30;
        run.m_PoolArea = 40;
        run.m_Shading = 10;
        run.m_PoolUseId = 1;
        run.m_CollectorId = 4;
        run.m_NumberOfColl = 4;
        run.m_AreaPerColl = 3.72;
        run.m_NumberOfBanks = 2;
        run.m_Slope = 30;
        run.m_Orientation = 4;
        run.m_TotalFlow = 0.5;
        run.m_HeaterId = 2;
        run.m_HeaterMonthlyUse = 64 + 32;
        run.m_BlanketId = 2;
        run.m_BlanketMonthlyUse = 4095;
        run.Update();
        const int id = static_cast<int>(run.GetLastAddedId());
        AddResults(id);
        AddEconomics(id);
        return id;
    }

    void AddResults(int id) {
        CResultsSet results;
        results.Open(database.get());
        for (int k = 0; k <= 4; ++k) {
            results.AddNew();
            results.m_RunId = id;
            results.m_SortId = static_cast<std::uint8_t>(k);
            results.m_Month = static_cast<std::uint8_t>(k == 4 ? 0 : 6 + k);
            const double scale = k == 4 ? 4 : 1;
            results.m_QPass = 12.345 * scale;
            results.m_QAct = k == 4 ? 26.0 : 5.0 + k;
            results.m_QAux = 2.5 * scale;
            results.m_QRes = 0.1 * scale;
            results.m_QEvap = 9 * scale;
            results.m_QConv = 3 * scale;
            results.m_QCond = 0.5 * scale;
            results.m_QRad = 4 * scale;
            results.m_QSide = 0.25 * scale;
            results.m_QMakeup = 0.75 * scale;
            results.m_TPool = 24 + k;
            results.m_SwimDays = 20 + k;
            results.m_UsableDays = 25 + k;
            results.m_UsableDaysNoHeat = 10 + k;
            results.Update();
        }
        CDailySet daily;
        daily.Open(database.get());
        for (int day = 0; day < 122; ++day) {
            daily.AddNew();
            daily.m_RunId = id;
            daily.m_SortId = day;
            daily.m_FracMonth = 6 + day / 30.5;
            daily.m_TPool = 24 + 3 * std::sin(day / 20.0);
            daily.Update();
        }
    }

    void AddEconomics(int id) {
        CEconomicsSet economics;
        economics.Open(database.get());
        economics.AddNew();
        economics.m_RunId = id;
        economics.m_CollUnitCost = 400;
        economics.m_CollTotalCost = 3200;
        economics.m_HardwareCost = 500;
        economics.m_InstallationCost = 800;
        economics.m_InitialCosts = 4500;
        economics.m_EnergyUnitCost = 20;
        economics.m_LoanDuration = 5;
        economics.m_SystemLife = 15;
        economics.m_InterestRate = 4.5;
        for (double* computed :
             {&economics.m_EnergyAnnualCost, &economics.m_ElectricityAnnualCost,
              &economics.m_YearlyCosts, &economics.m_ValueOfEnergy, &economics.m_LoanAmount,
              &economics.m_LoanPayment, &economics.m_LifeCycleCost, &economics.m_NetPresentValue,
              &economics.m_SimplePayback})
            *computed = kEconomicsNotComputed;
        economics.Update();
    }

    // Builds the report of `id`; its text, or empty when it failed.
    std::string Build(int id, Language language) {
        std::string path;
        if (!BuildRunReport(*database, id, folder.path(), TIDEWARM_BIN_DIR, language, &path))
            return "";
        EXPECT_EQ(fs::path(path), folder.path() / kReportFile);
        return test::ReadFile(path);
    }

    void ExpectGolden(const std::string& report, const std::string& name) {
        const fs::path golden = kGoldenDir / name;
        if (std::getenv("TIDEWARM_WRITE_GOLDEN"))
            test::WriteFile(golden, WithoutChartsFolder(report));
        const std::vector<std::string> expected = Lines(test::ReadFile(golden));
        const std::vector<std::string> actual = Lines(WithoutChartsFolder(report));
        ASSERT_EQ(actual.size(), expected.size()) << name;
        for (std::size_t line = 0; line < expected.size(); ++line)
            EXPECT_EQ(actual[line], expected[line]) << name << " line " << line + 1;
    }

    test::ScopedTempDir folder;
    RecordedMessages messages;
    std::unique_ptr<SQLite::Database> database;
    int clientId = 0, installerId = 0, runId = 0;
};

TEST_F(RunReportTest, ReportsMatchTheirGoldenPagesInBothLanguagesAndUnitSystems) {
    const int ipRunId = AddRun(false);
    struct Case {
        int run;
        Language language;
        const char* golden;
    };
    for (const Case& c : {Case{runId, Language::English, "si_english.html"},
                          Case{runId, Language::French, "si_french.html"},
                          Case{ipRunId, Language::English, "ip_english.html"},
                          Case{ipRunId, Language::French, "ip_french.html"}}) {
        SCOPED_TRACE(c.golden);
        const std::string report = Build(c.run, c.language);
        ASSERT_FALSE(report.empty());
        ExpectGolden(report, c.golden);
        for (std::string_view chart : kReportChartFiles)
            EXPECT_TRUE(fs::exists(folder.path() / ChartSource(report, chart).value_or("")))
                << chart;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fs::exists(folder.path() / "Tidewarm.html.tmp"));
}

TEST_F(RunReportTest, EveryWordIsFilledAndDatabaseTextsShowAsTyped) {
    RunReportContent content;
    ASSERT_TRUE(ReadRunReport(*database, runId, Language::English, content));
    for (const Language language : {Language::English, Language::French}) {
        const std::string report = Build(runId, language);
        // No word is left, but in the comment, which holds two as the user typed them.
        std::string withoutComment = report;
        const std::string comment = "Backyard pool: Clients.Name asked for Units.GJ";
        const auto at = withoutComment.find(comment);
        ASSERT_NE(at, std::string::npos);
        withoutComment.erase(at, comment.size());
        for (const auto& [word, value] : content.values.words)
            EXPECT_EQ(withoutComment.find(word), std::string::npos) << word;
        EXPECT_EQ(report.find(kEnergySummaryTableWord), std::string::npos);
        EXPECT_NE(report.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Co&quot;"),
                  std::string::npos);
        EXPECT_EQ(report.find("<script>"), std::string::npos);
        EXPECT_NE(report.find("Soleil &amp; Fils"), std::string::npos);
        EXPECT_EQ(report.find("-9999"), std::string::npos);
        EXPECT_NE(report.find(language == Language::French ? "non calculé" : "not computed"),
                  std::string::npos);
        EXPECT_NE(report.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_EQ(report.find("<script"), std::string::npos);
        EXPECT_EQ(report.find("http"), std::string::npos);  // nothing fetched from outside
    }
}

TEST_F(RunReportTest, ValuesFollowTheRunsUnitsAndTheChartsGetTheRows) {
    RunReportContent si, ip;
    ASSERT_TRUE(ReadRunReport(*database, runId, Language::French, si));
    ASSERT_TRUE(ReadRunReport(*database, AddRun(false), Language::English, ip));
    EXPECT_EQ(si.values.words.at("Runs.OpensDate"), "01 juin");
    EXPECT_EQ(ip.values.words.at("Runs.OpensDate"), "June 01");
    EXPECT_EQ(si.values.words.at("Runs.HeaterMonthlyUse"), "-----JJ-----");
    EXPECT_EQ(si.values.words.at("Units.C"), "°C");
    EXPECT_EQ(ip.values.words.at("Units.C"), "°F");
    EXPECT_EQ(si.values.words.at("PoolUse.MinTPool"), " 24.0");
    EXPECT_EQ(ip.values.words.at("PoolUse.MinTPool"), " 75.2");
    EXPECT_EQ(si.values.words.at("Runs.PoolArea"), "    40.0");
    EXPECT_EQ(ip.values.words.at("Runs.PoolArea"), "   430.6");
    EXPECT_EQ(ip.values.words.at("Economics.EnergyUnitCost"), "21.10   ");  // per MBtu
    EXPECT_EQ(si.values.words.at("Economics.LoanDuration"), "5.00    ");
    EXPECT_EQ(si.values.words.at("Heaters.EfficiencyUnits"), "%");
    EXPECT_NE(si.values.lines.at(std::string(kEnergySummaryTableWord))
                  .find("<div id=\"LastColumns2\">    12.3</div>"),
              std::string::npos);
    EXPECT_EQ(si.charts.months.size(), 5u);
    EXPECT_EQ(si.charts.daily.size(), 122u);
    EXPECT_TRUE(si.charts.doubleRun);
    EXPECT_EQ(si.charts.units, UnitSystem::SI);
    EXPECT_EQ(ip.charts.units, UnitSystem::IP);
    EXPECT_EQ(si.charts.language, Language::French);
}

// A payback that never comes reads as the economics dialog shows it, a real one as a number;
// a heater's capacity prints in whole watts or Btu/h.
TEST_F(RunReportTest, PaybackAndCapacityPrintAsTheDialogsShowThem) {
    const int ipRunId = AddRun(false);
    database->exec("UPDATE Runs SET HeaterId = 5");
    database->exec("UPDATE Economics SET SimplePayback = 9999 WHERE RunId = " +
                   std::to_string(runId));
    database->exec("UPDATE Economics SET SimplePayback = 12.5 WHERE RunId = " +
                   std::to_string(ipRunId));
    RunReportContent english, french, ip;
    ASSERT_TRUE(ReadRunReport(*database, runId, Language::English, english));
    ASSERT_TRUE(ReadRunReport(*database, runId, Language::French, french));
    ASSERT_TRUE(ReadRunReport(*database, ipRunId, Language::English, ip));
    EXPECT_EQ(english.values.words.at("Economics.SimplePayback"), "N/A");
    EXPECT_EQ(french.values.words.at("Economics.SimplePayback"), "N/D");
    EXPECT_EQ(ip.values.words.at("Economics.SimplePayback"), "12.50   ");
    EXPECT_EQ(english.values.words.at("Heaters.Capacity"), "   14000");
    EXPECT_EQ(ip.values.words.at("Heaters.Capacity"), "   47802");
}

TEST_F(RunReportTest, CodesOutsideTheirTablesShowEmpty) {
    database->exec("UPDATE Runs SET PoolType = 9, Orientation = 31 WHERE RunId = " +
                   std::to_string(runId));
    database->exec("UPDATE PoolUse SET ActivityLevel = 5 WHERE PoolUseId = 1");
    RunReportContent content;
    ASSERT_TRUE(ReadRunReport(*database, runId, Language::English, content));
    EXPECT_EQ(content.values.words.at("Runs.PoolType"), "");
    EXPECT_EQ(content.values.words.at("Runs.Orientation"), "");
    EXPECT_EQ(content.values.words.at("PoolUse.ActivityLevel"), "");
}

TEST_F(RunReportTest, EachMissingRowIsNamedAndNoReportIsWritten) {
    const fs::path report = folder.path() / kReportFile;
    test::WriteFile(report, "earlier report");
    struct Case {
        std::string sql;
        std::string message;
    };
    const std::string id = std::to_string(runId);
    const std::vector<Case> cases{
        {"UPDATE Runs SET ClientId = 999", "Client 999 not found."},
        {"UPDATE Runs SET InstallerId = 998", "Installer 998 not found."},
        {"DELETE FROM Economics", "Economic data for run " + id + " not found."},
        {"UPDATE Runs SET PoolUseId = 997", "Pool use 997 not found."},
        {"UPDATE Runs SET CollectorId = 996", "Collector 996 not found."},
        {"UPDATE Runs SET HeaterId = 995", "Heater 995 not found."},
        {"UPDATE Runs SET BlanketId = 994", "Blanket 994 not found."},
        {"DELETE FROM Daily", "Daily temperatures not found for run " + id + "."},
        {"DELETE FROM Results", "Run " + id + " not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        SQLite::Transaction undo(*database);
        database->exec(c.sql);
        messages.shown.clear();
        EXPECT_EQ(Build(runId, Language::English), "");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], c.message);
        EXPECT_EQ(test::ReadFile(report), "earlier report");
    }
}

TEST_F(RunReportTest, AMissingTemplateIsNamedAndLeavesTheEarlierReport) {
    const fs::path report = folder.path() / kReportFile;
    test::WriteFile(report, "earlier report");
    std::string path;
    EXPECT_FALSE(BuildRunReport(*database, runId, folder.path(), folder.path() / "nowhere",
                                Language::English, &path));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Cannot open file " + (folder.path() / "nowhere" / "Report.html").string() + " ");
    EXPECT_EQ(test::ReadFile(report), "earlier report");
    EXPECT_TRUE(path.empty());
}

}  // namespace

namespace {

// A front end killed while it built a report leaves its staging folder: the next report removes
// it, but not the folder of another front end still building its own, nor a folder of the user.
TEST_F(RunReportTest, TheNextReportRemovesStaleStagingFoldersOnly) {
    const fs::path stale = folder.path() / "Tidewarm.html.a1B2c3";
    const fs::path busy = folder.path() / "Tidewarm.html.Z9y8X7";
    const fs::path users = folder.path() / "Tidewarm.html.notes";
    for (const fs::path& staging : {stale, busy, users}) {
        fs::create_directories(staging);
        test::WriteFile(staging / kEnergiesChartFile, "half a chart");
    }
    const int held = ::open(busy.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_NE(Build(runId, Language::English), "");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(busy / kEnergiesChartFile));
    EXPECT_TRUE(fs::exists(users / kEnergiesChartFile));
    ::close(held);
}

// The report is replaced as a whole even by a front end killed as it puts any of its files in
// place: the page is the earlier one or the new one, each with its own charts, and the next start
// removes every folder that the page does not show.
TEST_F(RunReportTest, AReportKilledAtAnyRenameLeavesOnePageWithItsOwnCharts) {
    struct Report {
        std::string page;
        std::map<std::string, std::string> charts;
        bool operator==(const Report&) const = default;
    };
    const auto current = [&] {
        Report report;
        report.page = test::ReadFile(folder.path() / kReportFile);
        for (std::string_view chart : kReportChartFiles)
            report.charts[std::string(chart)] =
                test::ReadFile(folder.path() / ChartSource(report.page, chart).value_or("none"));
        report.page = WithoutChartsFolder(report.page);
        return report;
    };
    ASSERT_NE(Build(runId, Language::French), "");
    const Report french = current();
    int status = 0;
    for (int kill = 1; kill < 100; ++kill) {
        ASSERT_NE(Build(runId, Language::English), "");
        const Report english = current();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            test::KillAtRename(kill);
            ::_exit(Build(runId, Language::French).empty() ? 1 : 0);
        }
        ::waitpid(child, &status, 0);
        const Report left = current();
        EXPECT_TRUE(left == english || left == french) << "killed at rename " << kill;
        if (WIFEXITED(status)) break;  // the report was made without a kill
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    RemoveReportLeftovers(folder.path());
    int folders = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(name.ends_with(".part")) << name;
        folders += name.starts_with(kReportFolderPrefix) ? 1 : 0;
    }
    EXPECT_EQ(folders, 1);
}

}  // namespace
