// The windows' logic without windows: the wizard's steps, the input form's run, checks and
// rules, the runs list, the economics dialog's entries, the options and the report's copy.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "economic_entry.h"
#include "frontend_globals.h"
#include "input_form_data.h"
#include "new_run_wizard.h"
#include "options.h"
#include "report_copy.h"
#include "run_fixture.h"
#include "runs_list.h"
#include "simulation_bridge.h"
#include "system_picture.h"

namespace {

using test::RunTest;

TEST(NewRunWizardTest, StepsAndBackPaths) {
    struct Case {
        bool haveInstaller;
        std::vector<StepOutcome> outcomes;
        WizardStep expected;
    };
    using enum StepOutcome;
    const Case cases[] = {
        {true, {Next, Next, Next}, WizardStep::Finished},  // step 3 skipped
        {false, {Next, Next}, WizardStep::NewInstaller},
        {false, {Next, Next, Next, Back}, WizardStep::RunSource},  // 4 -> 2, not 3
        {false, {Next, Next, Back}, WizardStep::RunSource},
        {true, {Next, Back}, WizardStep::ClientChoice},
        {true, {Back}, WizardStep::Cancelled},
        {false, {Next, Next, Cancel}, WizardStep::Cancelled},
    };
    for (const Case& c : cases) {
        NewRunWizard wizard(c.haveInstaller);
        for (StepOutcome outcome : c.outcomes) wizard.Advance(outcome);
        EXPECT_EQ(wizard.Step(), c.expected) << c.outcomes.size();
    }
}

TEST_F(RunTest, WizardChecksEmptyListsAndStoresContactsOnlyAtFinish) {
    EXPECT_EQ(ExistingClientProblem().value_or(""),
              "List of active clients is empty. Please select other option.");
    EXPECT_EQ(ModelRunProblem().value_or(""),
              "There is no simulation to choose from. Please select other option.");
    StartNewRunWizard();
    g_bNewClient = g_bNewInstaller = 1;
    g_strNewClientName = "Zoë O'Hara'); DROP TABLE Runs; --";
    g_strNewInstallerName = "Solar & Co";
    EXPECT_FALSE(HaveActiveClients());
    StoreWizardContacts();
    EXPECT_FALSE(ExistingClientProblem());
    EXPECT_TRUE(HaveActiveInstallers());
    const ChoiceList clients = ReadChoiceList(ObjectList::Client);
    ASSERT_FALSE(clients.names.empty());
    EXPECT_EQ(clients.names.back(), g_strNewClientName);
    EXPECT_FALSE(HaveRuns());  // the table named in the name is still there
}

// Every box of the form in turn: a wrong text, a value beyond each bound, in both languages.
TEST_F(RunTest, InputFieldMessagesInBothLanguages) {
    struct Case {
        InputField field;
        std::string text;
        bool ip;
        std::string english, french;
    };
    const std::string between = "Value should be between ";
    const std::string entre = "La valeur doit être comprise entre ";
    const Case cases[] = {
        {InputField::Shading, "abc", false, "Enter a number.", "Entrez un nombre."},
        {InputField::Shading, "101", false, between + "0 and 100.", entre + "0 et 100."},
        {InputField::NumberOfColl, "0.5", false, between + "1 and 100.", entre + "1 et 100."},
        {InputField::NumberOfBanks, "1.5", false, "Enter an integer.", "Entrez un nombre entier."},
        {InputField::NumberOfBanks, "101", false, between + "1 and 100.", entre + "1 et 100."},
        {InputField::Slope, "-1", false, between + "0 and 90.", entre + "0 et 90."},
        {InputField::AreaPerColl, "0.09", false, between + "0.1 and 100.", entre + "0.1 et 100."},
        {InputField::TotalFlow, "", false, "Enter a number.", "Entrez un nombre."},
        {InputField::TotalFlow, "10001", false, between + "0.001 and 10000.",
         entre + "0.001 et 10000."},
        {InputField::PoolArea, "4.9", false, between + "5 and 10000.", entre + "5 et 10000."},
        // In IP the bounds are shown in the units shown (ft2).
        {InputField::PoolArea, "50", true, between + "53.8196 and 107639.",
         entre + "53.8196 et 107639."},
    };
    for (int language = 0; language < 2; ++language) {
        if (language == 1) {
            ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
        }
        for (const Case& c : cases) {
            InputFormData data = NewRunForm();
            data.unitsIP = c.ip;
            InputFieldTexts texts;
            for (int i = 0; i < kInputFieldCount; ++i)
                texts[static_cast<std::size_t>(i)] =
                    InputFieldText(static_cast<InputField>(i), data);
            ASSERT_FALSE(ReadInputFields(texts, data)) << "the defaults are accepted";
            texts[static_cast<std::size_t>(c.field)] = c.text;
            const std::optional<FieldProblem> problem = ReadInputFields(texts, data);
            ASSERT_TRUE(problem) << c.text;
            EXPECT_EQ(problem->field, c.field);
            EXPECT_EQ(problem->message, language == 0 ? c.english : c.french) << c.text;
        }
    }
    DropFrenchStrings();
}

TEST(InputFormRulesTest, UnitsDaysShadingAndCity) {
    InputFormData data;
    data.poolArea = 20;
    data.unitsIP = true;
    EXPECT_EQ(InputFieldText(InputField::PoolArea, data), "215.3");
    InputFieldTexts texts;
    texts[static_cast<std::size_t>(InputField::PoolArea)] = "100";
    ReadUnitFields(texts, data);
    EXPECT_DOUBLE_EQ(data.poolArea, 9.290304);

    EXPECT_EQ(DayAfterMonthChange(31, 6), 30);
    EXPECT_EQ(DayAfterMonthChange(15, 4), 15);
    EXPECT_EQ(DayAfterMonthChange(27, 4), 30);
    EXPECT_EQ(DayAfterMonthChange(26, 2), 26);

    data.shading = 35;
    EXPECT_DOUBLE_EQ(ShownShading(data), 35);  // kept when the run opens
    data.poolType = kIndoorPool;
    EXPECT_DOUBLE_EQ(ShownShading(data), 100);
    EXPECT_DOUBLE_EQ(ShadingForNewPoolType(kIndoorPool), 100);
    EXPECT_DOUBLE_EQ(ShadingForNewPoolType(1), 0);

    const std::vector<std::string> cities = {"A", "B", "C"};
    data.city = "C";
    bool missing = true;
    EXPECT_EQ(CityPosition(cities, data, 2, missing), 2);  // a copied run keeps its city
    EXPECT_FALSE(missing);
    EXPECT_EQ(CityPosition(cities, data, 1, missing), 0);
    data.city = "Z";
    EXPECT_EQ(CityPosition(cities, data, 0, missing), 0);
    EXPECT_TRUE(missing);
}

TEST_F(RunTest, FormRunSavedCopiedWithEconomicsAndDiscarded) {
    const int model = AddRun([](CRunsSet& run) {
        run.m_Comments = "It's \"quoted\"; DELETE FROM Runs";
        run.m_Shading = 35;
        run.m_PoolType = 1;
    });
    g_nCurrentRunId = model;
    g_nRunCreationMode = 2;
    std::optional<InputFormData> data = LoadRunForm();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->runNumber, -1);
    EXPECT_DOUBLE_EQ(ShownShading(*data), 35);
    StoreNewRunOfForm(*data);
    const int copy = g_nCurrentRunId;
    EXPECT_NE(copy, model);
    EXPECT_EQ(data->runNumber, copy);
    EXPECT_TRUE(LoadEconomicData(copy, false));

    g_nRunCreationMode = 0;
    std::optional<InputFormData> reopened = LoadRunForm();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->comments, "It's \"quoted\"; DELETE FROM Runs");
    EXPECT_EQ(reopened->city, test::kCity);
    EXPECT_DOUBLE_EQ(reopened->shading, 35);

    // A list without a choice is refused by name.
    reopened->heaterId = 0;
    EXPECT_EQ(MissingChoiceProblem(*reopened).value_or(""),
              "Choose an entry in the list \"Heater\".");

    g_nRunCreationMode = 2;  // Cancel of a form that created its run
    DiscardRunOfForm();
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].runId, model);

    g_nCurrentRunId = 9999;
    g_nRunCreationMode = 0;
    EXPECT_FALSE(LoadRunForm());
    EXPECT_EQ(messages.shown.back(), "Run 9999 not found.");
}

TEST_F(RunTest, RunsListNewestFirstAndSelectionAfterRemoval) {
    const int first = AddRun();
    const int second = AddRun();
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].runId, second);
    EXPECT_EQ(runs[1].runId, first);
    EXPECT_EQ(SelectionAfterRemoval(1, 1), 0);
    EXPECT_EQ(SelectionAfterRemoval(0, 1), 0);
    EXPECT_EQ(SelectionAfterRemoval(0, 0), -1);
}

TEST(EconomicEntryTest, EveryBoxReadAndCheckedBeforeAnythingChanges) {
    EconomicDialogData data;
    data.LoanDuration = 5;
    data.SystemLife = 15;
    EconomicTexts texts;
    for (int i = 0; i < kEconomicFieldCount; ++i)
        texts[static_cast<std::size_t>(i)] = EconomicFieldText(static_cast<EconomicField>(i), data);
    EXPECT_FALSE(ReadEconomicInputs(texts, data));

    struct Case {
        EconomicField field;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {EconomicField::HardwareCost, "12abc", "Enter a number."},
        {EconomicField::HardwareCost, "1000001", "Value should be between 0 and 1e+06."},
        {EconomicField::LoanDuration, "51", "The loan duration should be between 0 and 50 years."},
        {EconomicField::LoanDuration, "-1", "The loan duration should be between 0 and 50 years."},
        {EconomicField::LoanDuration, "1e12",
         "The loan duration should be between 0 and 50 years."},
        {EconomicField::SystemLife, "2.5", "Enter an integer."},
        {EconomicField::FuelInflationRate, "101", "Value should be between 0 and 100."},
    };
    test::FrontEndMessages messages;
    for (const Case& c : cases) {
        EconomicTexts wrong = texts;
        wrong[static_cast<std::size_t>(c.field)] = c.text;
        EconomicDialogData changed = data;
        const std::optional<EconomicProblem> problem = ReadEconomicInputs(wrong, changed);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
        EXPECT_EQ(changed.LoanDuration, 5);  // nothing taken from a refused entry
    }
    texts[static_cast<std::size_t>(EconomicField::LoanDuration)] = "50";
    EXPECT_FALSE(ReadEconomicInputs(texts, data));
    EXPECT_EQ(data.LoanDuration, 50);
}

TEST_F(RunTest, OptionsKeepTheDatabaseInForceWhenTheNewOneFails) {
    const std::string previous = g_strDatabasePath;
    EXPECT_FALSE(ChangeDatabase((folder.path() / "missing-folder" / "New.mdb").string()));
    EXPECT_EQ(g_strDatabasePath, previous);
    EXPECT_TRUE(ChangeDatabase((folder.path() / "Second.mdb").string()));  // created
    EXPECT_EQ(g_strDatabasePath, (folder.path() / "Second.mdb").string());

    const std::filesystem::path climate = folder.path() / "Weather";
    std::filesystem::create_directories(climate);
    ChangeClimateFolder(climate.string());
    EXPECT_TRUE(g_CityNames.empty());  // the list read again from the new folder
    EXPECT_NE(LanguageChangeNotice(1), LanguageChangeNotice(0));
}

// Each saved report keeps its own pictures: a second report saved into the same folder leaves
// the first one's page and pictures as they were, and its page shows its own charts.
TEST(ReportCopyTest, SecondReportSavedBesideTheFirstLeavesItWhole) {
    test::ScopedTempDir data, saved;
    auto build = [&](const std::string& client) {
        std::ofstream(data.path() / "Tidewarm.html") << "<p>" << client
                                                     << "</p>"
                                                        "<img src=\"Report.TDaily.gif\"><img "
                                                        "src=\"Report.Energies.gif\">";
        for (std::string_view chart : kReportChartFiles)
            std::ofstream(data.path() / chart) << "GIF of " << client << " " << chart;
    };
    auto read = [](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    };
    build("first");
    const std::filesystem::path first = saved.path() / "First client.html";
    ASSERT_FALSE(SaveReportWithCharts(data.path() / "Tidewarm.html", first));
    EXPECT_EQ(read(first),
              "<p>first</p><img src=\"First%20client_files/Report.TDaily.gif\"><img "
              "src=\"First%20client_files/Report.Energies.gif\">");
    std::map<std::filesystem::path, std::string> before;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(saved.path()))
        if (entry.is_regular_file()) before[entry.path()] = read(entry.path());
    ASSERT_EQ(before.size(), 1 + kReportChartFiles.size());

    build("second");
    const std::filesystem::path second = saved.path() / "Second.html";
    ASSERT_FALSE(SaveReportWithCharts(data.path() / "Tidewarm.html", second));
    for (const auto& [file, bytes] : before) EXPECT_EQ(read(file), bytes) << file;
    for (std::string_view chart : kReportChartFiles)
        EXPECT_EQ(read(saved.path() / "Second_files" / chart),
                  "GIF of second " + std::string(chart));
    EXPECT_NE(read(second).find("src=\"Second_files/Report.TDaily.gif\""), std::string::npos);
    // Nothing but the two pages and their folders.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path()),
                            std::filesystem::directory_iterator()),
              4);

    // A missing chart fails the save and leaves no page behind.
    std::filesystem::remove(data.path() / kReportChartFiles[0]);
    EXPECT_TRUE(SaveReportWithCharts(data.path() / "Tidewarm.html", saved.path() / "Third.html"));
    EXPECT_FALSE(std::filesystem::exists(saved.path() / "Third.html"));
}

}  // namespace

namespace {

// The twelve pictures, one for each system the lists can describe, and each shows its parts.
TEST(SystemPictureTest, EachSystemHasItsOwnPicture) {
    EXPECT_EQ(SystemPictureNumber(1, 1, 0, 1), 188);  // collectors, fuel heater, blanket
    EXPECT_EQ(SystemPictureNumber(0, 0, 0, 0), 181);  // the pool alone
    EXPECT_EQ(SystemPictureNumber(3, 2, 1, 0), 191);  // collectors and a heat pump
    EXPECT_EQ(SystemPictureNumber(2, 0, 1, 4), 184);  // no heater: its type is not looked at
    std::set<int> numbers;
    for (int collector : {0, 1})
        for (int heater : {0, 1, 2})
            for (int blanket : {0, 1}) {
                const int number =
                    SystemPictureNumber(collector, heater == 0 ? 0 : 1, heater - 1, blanket);
                numbers.insert(number);
                const SystemPictureParts parts = PartsOfSystemPicture(number);
                EXPECT_EQ(parts.collectors, collector == 1) << number;
                EXPECT_EQ(static_cast<int>(parts.heater), heater) << number;
                EXPECT_EQ(parts.blanket, blanket == 1) << number;
            }
    EXPECT_EQ(numbers.size(), 12u);
    EXPECT_EQ(*numbers.begin(), kFirstSystemPicture);
    EXPECT_EQ(*numbers.rbegin(), kLastSystemPicture);
}

}  // namespace
