// The windows' logic without windows: the wizard's steps, the input form's run, checks and
// rules, the runs list, the options and the report's copy.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "collector_flow.h"
#include "data_folder_files.h"
#include "file_size_limit.h"
#include "frontend_globals.h"
#include "input_form_data.h"
#include "kill_at_rename.h"
#include "new_run_wizard.h"
#include "options.h"
#include "report_copy.h"
#include "run_economics.h"
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
    EXPECT_EQ(ExistingClientProblem().value_or(Problem{}).message,
              "List of active clients is empty. Please select other option.");
    EXPECT_EQ(ModelRunProblem().value_or(Problem{}).message,
              "There is no simulation to choose from. Please select other option.");
    StartNewRunWizard();
    g_bNewClient = g_bNewInstaller = 1;
    g_strNewClientName = "Zoë O'Hara'); DROP TABLE Runs; --";
    g_strNewInstallerName = "Solar & Co";
    EXPECT_FALSE(HaveActiveClients());
    StoreWizardContacts();
    EXPECT_FALSE(ExistingClientProblem());
    EXPECT_TRUE(HaveActiveInstallers());
    const ChoiceList clients = ReadChoiceList(ObjectType::Client);
    ASSERT_FALSE(clients.names.empty());
    EXPECT_EQ(clients.names.back(), g_strNewClientName);
    EXPECT_FALSE(HaveRuns());  // the table named in the name is still there
}

// The texts the boxes show for `data`.
InputFieldTexts ShownTexts(const InputFormData& data) {
    InputFieldTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i)
        texts[static_cast<std::size_t>(i)] = InputFieldText(static_cast<InputField>(i), data);
    return texts;
}

// Every box of the form in turn, typed into: a wrong text, a value beyond each bound, in both
// languages; the bounds in the units shown, rounded inwards to the decimals the box shows.
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
        {InputField::NumberOfBanks, "1e12", false, between + "1 and 100.", entre + "1 et 100."},
        {InputField::Slope, "-1", false, between + "0 and 90.", entre + "0 et 90."},
        {InputField::AreaPerColl, "0.09", false, between + "0.1 and 100.", entre + "0.1 et 100."},
        {InputField::AreaPerColl, "1.07", true, between + "1.1 and 1076.3.",
         entre + "1.1 et 1076.3."},
        {InputField::TotalFlow, "", false, "Enter a number.", "Entrez un nombre."},
        {InputField::TotalFlow, "0.0009", false, between + "0.01 and 10000.",
         entre + "0.01 et 10000."},
        {InputField::PoolArea, "4.9", false, between + "5 and 10000.", entre + "5 et 10000."},
        // 5 m2 is 53.8196 ft2: the box shows 53.8, which is refused, so 53.9 is named.
        {InputField::PoolArea, "53.8", true, between + "53.9 and 107639.",
         entre + "53.9 et 107639."},
    };
    for (Language language : {Language::English, Language::French}) {
        if (language == Language::French) {
            ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
        }
        for (const Case& c : cases) {
            InputFormData data = NewRunForm();
            data.units = c.ip ? UnitSystem::IP : UnitSystem::SI;
            InputFieldTexts texts = ShownTexts(data);
            InputFieldFlags changed{};
            changed.fill(true);
            ASSERT_FALSE(ReadAndCheckFields(texts, changed, data)) << "the defaults are taken";
            texts[static_cast<std::size_t>(c.field)] = c.text;
            changed[static_cast<std::size_t>(c.field)] = true;
            const std::optional<FieldProblem> problem = ReadAndCheckFields(texts, changed, data);
            ASSERT_TRUE(problem) << c.text;
            EXPECT_EQ(problem->field, c.field);
            EXPECT_EQ(problem->message, language == Language::English ? c.english : c.french)
                << c.text;
        }
    }
    DropFrenchStrings();
}

// Run asks only when the flow per collector lies outside 0.5 to 4 times the collectors' test
// flow, scaled to their area; the question gives the array's test flow in the units shown.
TEST_F(RunTest, FlowFarFromTheTestFlowIsAskedAbout) {
    InputFormData data = NewRunForm();
    data.numberOfColl = 5;
    data.numberOfBanks = 2;
    data.areaPerColl = 3;
    const CollectorTest test{2.0, 0.04};  // 0.06 kg/s for one 3 m2 collector, 0.6 for ten
    for (double flow : {0.3, 2.4, 1.5}) {
        data.totalFlow = flow;
        EXPECT_FALSE(FlowQuestion(data, test)) << flow;
    }
    data.totalFlow = 0.2999;
    EXPECT_TRUE(FlowQuestion(data, test));
    data.totalFlow = 2.4001;
    EXPECT_TRUE(FlowQuestion(data, test));
    // The flow and its unit never wrap apart: a no-break space, a word joiner after the slash.
    data.totalFlow = 4.5;
    EXPECT_EQ(FlowQuestion(data, test),
              "The total flow is 7.5 times the test flow of these collectors "
              "(0.60\u00a0kg/\u2060s for 10 collectors). Run anyway?");
    data.units = UnitSystem::IP;
    EXPECT_EQ(FlowQuestion(data, test),
              "The total flow is 7.5 times the test flow of these collectors "
              "(9.51\u00a0usgpm for 10 collectors). Run anyway?");
    data.totalFlow = 600;
    EXPECT_EQ(FlowQuestion(data, test)->substr(0, 28), "The total flow is 1000 times");
    EXPECT_FALSE(FlowQuestion(data, {0, 0.04})) << "a test without an area gives no flow";

    // The chosen collector's test from the database: 2 m2 glazed at 0.04 kg/s.
    ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
    data.collectorId = 2;
    data.numberOfBanks = 1;
    data.areaPerColl = 2;
    data.totalFlow = 1.5;
    EXPECT_EQ(FlowQuestionOfRun(data),
              "Le débit total vaut 7.5 fois le débit d'essai de ces capteurs "
              "(3.17\u00a0usgpm pour 5 capteurs). Simuler quand même ?");
    DropFrenchStrings();
    data.collectorId = kNoObjectId;
    EXPECT_FALSE(FlowQuestionOfRun(data));
}

// A box is read only when the user typed into it; a unit switch converts nothing.
TEST(InputFormRulesTest, OnlyTypedBoxesAreRead) {
    InputFormData stored;
    stored.units = UnitSystem::IP;
    stored.poolArea = 40;
    stored.areaPerColl = 3.72;
    stored.totalFlow = 1.2;
    stored.slope = 100.0 / 3;
    InputFormData data = stored;
    InputFieldFlags changed{};
    EXPECT_FALSE(ReadAndCheckFields(ShownTexts(data), changed, data));
    EXPECT_EQ(data.poolArea, 40);  // not 40.004049 from "430.6"
    EXPECT_EQ(data.areaPerColl, 3.72);
    EXPECT_EQ(data.totalFlow, 1.2);
    EXPECT_EQ(data.slope, 100.0 / 3);
    // SI, IP, SI: the members are those stored, and so are the texts.
    const std::string si =
        (data.units = UnitSystem::SI, InputFieldText(InputField::PoolArea, data));
    data.units = UnitSystem::IP;
    data.units = UnitSystem::SI;
    EXPECT_FALSE(ReadAndCheckFields(ShownTexts(data), changed, data));
    EXPECT_EQ(data.poolArea, 40);
    EXPECT_EQ(InputFieldText(InputField::PoolArea, data), si);

    // Values the boxes round to refused numbers stay as stored while unedited.
    data.units = UnitSystem::IP;
    data.poolArea = 5;
    EXPECT_EQ(InputFieldText(InputField::PoolArea, data), "53.8");
    data.units = UnitSystem::SI;
    data.totalFlow = 0.0049;
    EXPECT_EQ(InputFieldText(InputField::TotalFlow, data), "0.00");
    EXPECT_FALSE(ReadAndCheckFields(ShownTexts(data), changed, data));
    EXPECT_EQ(data.totalFlow, 0.0049);

    // Leaving a typed box: a number is taken (100 ft2 = 9.290304 m2) and its flag cleared; a
    // text that is no number leaves the member and the flag.
    data.units = UnitSystem::IP;
    const auto area = static_cast<std::size_t>(InputField::PoolArea);
    changed[area] = true;
    ReadEditedField(InputField::PoolArea, "12,5", changed, data);
    EXPECT_EQ(data.poolArea, 5);
    EXPECT_TRUE(changed[area]);
    ReadEditedField(InputField::PoolArea, "100", changed, data);
    EXPECT_DOUBLE_EQ(data.poolArea, 9.290304);
    EXPECT_FALSE(changed[area]);
    EXPECT_EQ(InputFieldText(InputField::PoolArea, data), "100.0");
    ReadEditedField(InputField::PoolArea, "200", changed, data);  // not typed since
    EXPECT_DOUBLE_EQ(data.poolArea, 9.290304);
}

TEST(InputFormRulesTest, DaysShadingAndUnits) {
    InputFormData data;
    data.poolArea = 20;
    data.units = UnitSystem::IP;
    EXPECT_EQ(InputFieldText(InputField::PoolArea, data), "215.3");
    EXPECT_EQ(InputFieldUnit(InputField::Slope, UnitSystem::IP), "");

    // The user's month change moves a late day to the month's end ...
    EXPECT_EQ(DayAfterMonthChange(31, 6), 30);
    EXPECT_EQ(DayAfterMonthChange(15, 4), 15);
    EXPECT_EQ(DayAfterMonthChange(27, 4), 30);
    EXPECT_EQ(DayAfterMonthChange(26, 2), 26);
    // ... but a stored season opens as stored: 28 May to 27 August.
    EXPECT_EQ(DayAtOpen(28, 5), 28);
    EXPECT_EQ(DayAtOpen(27, 8), 27);
    EXPECT_EQ(DayAtOpen(31, 6), 30);  // a day the month lacks
    EXPECT_EQ(DayAtOpen(0, 1), 1);

    data.shading = 35;
    EXPECT_DOUBLE_EQ(ShownShading(data), 35);  // kept when the run opens
    data.poolType = PoolType::PublicIndoor;
    EXPECT_DOUBLE_EQ(ShownShading(data), 100);
    EXPECT_DOUBLE_EQ(ShadingForNewPoolType(PoolType::PublicIndoor), 100);
    EXPECT_DOUBLE_EQ(ShadingForNewPoolType(PoolType::ResidentialAboveGround), 0);
}

// A new run is stored whole as its form opens: each list's entry and the city; an opened run
// shows its own, or names what its lists lack.
TEST_F(RunTest, FormChoicesAtOpenAndTheNewRunsRow) {
    StartNewRunWizard();
    g_bNewClient = g_bNewInstaller = 1;
    g_strNewClientName = "First client";
    g_strNewInstallerName = "Solar & Co";
    StoreWizardContacts();
    StartNewRunWizard();
    g_bNewClient = 1;
    g_strNewClientName = "Newest client";
    StoreWizardContacts();
    g_nCurrentRunId = -1;
    g_nRunCreationMode = RunCreationMode::New;
    std::optional<InputFormData> data = LoadRunForm();
    ASSERT_TRUE(data);
    const FormChoices choices = OpenFormChoices(*data);
    ASSERT_TRUE(StoreNewRunOfForm(*data));
    EXPECT_TRUE(messages.shown.empty());
    CRunsSet run;
    Select(run, g_nCurrentRunId);
    const auto first = [&](ObjectType list) {
        return choices.lists[static_cast<std::size_t>(list)].ids.front();
    };
    ASSERT_EQ(choices.lists[0].names.size(), 2u);
    EXPECT_EQ(choices.lists[0].names.back(), "Newest client");
    EXPECT_EQ(run.m_ClientId, choices.lists[0].ids.back());  // the wizard's new client
    EXPECT_EQ(run.m_InstallerId, first(ObjectType::Installer));
    EXPECT_EQ(run.m_PoolUseId, first(ObjectType::PoolUse));
    EXPECT_EQ(run.m_CollectorId, first(ObjectType::Collector));
    EXPECT_EQ(run.m_HeaterId, first(ObjectType::Heater));
    EXPECT_EQ(run.m_BlanketId, first(ObjectType::Blanket));
    for (int id : {run.m_InstallerId, run.m_PoolUseId, run.m_CollectorId}) EXPECT_GT(id, 0);
    EXPECT_EQ(run.m_City, "OTHER CITY");  // the first of the sorted list

    // An opened run whose collector left its list and whose city has no weather file.
    const int opened = AddRun([](CRunsSet& row) {
        row.m_CollectorId = 9999;
        row.m_City = "NOWHERE";
    });
    GiveEconomics(opened);
    g_nCurrentRunId = opened;
    g_nRunCreationMode = RunCreationMode::Existing;
    data = LoadRunForm();
    ASSERT_TRUE(data);
    const FormChoices reopened = OpenFormChoices(*data);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"Collector 9999 not found.",
                                        "Weather file for city NOWHERE not found."}));
    EXPECT_EQ(reopened.positions[static_cast<std::size_t>(ObjectType::Collector)], 0);
    EXPECT_EQ(data->collectorId, first(ObjectType::Collector));
    EXPECT_EQ(data->city, "OTHER CITY");
    EXPECT_EQ(reopened.positions[static_cast<std::size_t>(ObjectType::PoolUse)],
              PositionOfId(reopened.lists[2], 1));

    // A copied run keeps its city.
    messages.shown.clear();
    g_nCurrentRunId = AddRun();
    g_nRunCreationMode = RunCreationMode::Copy;
    data = LoadRunForm();
    ASSERT_TRUE(data);
    const FormChoices copied = OpenFormChoices(*data);
    EXPECT_EQ(copied.cities[static_cast<std::size_t>(copied.cityPosition)], test::kCity);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RunTest, FormRunSavedCopiedWithEconomicsAndDiscarded) {
    const int model = AddRun([](CRunsSet& run) {
        run.m_Comments = "It's \"quoted\"; DELETE FROM Runs";
        run.m_Shading = 35;
        run.m_PoolType = 1;
    });
    g_nCurrentRunId = model;
    g_nRunCreationMode = RunCreationMode::Copy;
    std::optional<InputFormData> data = LoadRunForm();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->runNumber, -1);
    EXPECT_DOUBLE_EQ(ShownShading(*data), 35);
    ASSERT_TRUE(StoreNewRunOfForm(*data));
    const int copy = g_nCurrentRunId;
    EXPECT_NE(copy, model);
    EXPECT_EQ(data->runNumber, copy);
    EXPECT_TRUE(LoadEconomicData(copy, UnitSystem::SI));

    g_nRunCreationMode = RunCreationMode::Existing;
    std::optional<InputFormData> reopened = LoadRunForm();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->comments, "It's \"quoted\"; DELETE FROM Runs");
    EXPECT_EQ(reopened->city, test::kCity);
    EXPECT_DOUBLE_EQ(reopened->shading, 35);

    // A list without a choice is refused by name.
    reopened->heaterId = 0;
    EXPECT_EQ(MissingChoiceProblem(*reopened).value_or(Problem{}).message,
              "Choose an entry in the list \"Heater\".");

    g_nRunCreationMode = RunCreationMode::Copy;  // Cancel of a form that created its run
    DiscardRunOfForm();
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].runId, model);

    g_nCurrentRunId = 9999;
    g_nRunCreationMode = RunCreationMode::Existing;
    EXPECT_FALSE(LoadRunForm());
    EXPECT_EQ(messages.shown.back(), "Run 9999 not found.");
}

// A run stored without its economics (by an older program, or an edit outside this one) is given
// a new run's when its form opens, with a note, and can then show and compute them.
TEST_F(RunTest, ARunStoredWithoutEconomicsIsGivenThemWhenItsFormOpens) {
    g_nCurrentRunId = AddRun();
    g_nRunCreationMode = RunCreationMode::Existing;
    ASSERT_TRUE(LoadRunForm());
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Run " + std::to_string(g_nCurrentRunId) +
                                       " had no economic data. It has been given the economic "
                                       "inputs of a new run."});
    const std::optional<EconomicDialogData> economics =
        LoadEconomicData(g_nCurrentRunId, UnitSystem::SI);
    ASSERT_TRUE(economics);
    EXPECT_EQ(economics->HardwareCost, 500);
    EXPECT_EQ(economics->SystemLife, 15);
    ASSERT_TRUE(LoadRunForm());
    EXPECT_EQ(messages.shown.size(), 1u);  // said once: the run has its row now
}

// Every member of the form reaches its Runs column and comes back, saved over an existing run
// and as a new one.
TEST_F(RunTest, EveryFormMemberComesBackFromItsRunsColumn) {
    g_nCurrentRunId = AddRun();
    for (bool isNew : {false, true}) {
        SCOPED_TRACE(isNew);
        g_nRunCreationMode = RunCreationMode::Existing;
        std::optional<InputFormData> data = LoadRunForm();
        ASSERT_TRUE(data);
        data->doubleRun = !data->doubleRun;
        data->comments = isNew ? "new" : "saved over";
        data->units = UnitSystem::IP;
        data->poolType = PoolType::PublicOutdoor;
        data->city = "Elsewhere";
        data->opensMonth = 5;
        data->opensDay = 3;
        data->closesMonth = 10;
        data->closesDay = 15;
        data->poolArea = 33.5;
        data->shading = 12.5;
        data->numberOfColl = 7;
        data->areaPerColl = 1.75;
        data->numberOfBanks = 3;
        data->orientation = 9;
        data->slope = 22.5;
        data->totalFlow = 0.75;
        data->heaterMonths = 0x0F0;
        data->blanketMonths = 0x00F;
        g_nRunCreationMode = isNew ? RunCreationMode::New : RunCreationMode::Existing;
        ASSERT_TRUE(SaveRunForm(*data, isNew));
        g_nRunCreationMode = RunCreationMode::Existing;
        const std::optional<InputFormData> read = LoadRunForm();
        ASSERT_TRUE(read);
        EXPECT_EQ(read->runNumber, g_nCurrentRunId);
        EXPECT_TRUE(*read == *data);
    }
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
    EXPECT_NE(LanguageChangeNotice(Language::French), LanguageChangeNotice(Language::English));
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
    // The chart `chart` that the page `page` shows.
    auto shown = [&](const std::filesystem::path& page, std::string_view chart) {
        return read(page.parent_path() / ChartSource(read(page), chart).value_or("none"));
    };
    build("first");
    const std::filesystem::path first = saved.path() / "First client.html";
    ASSERT_FALSE(SaveReportWithCharts(data.path() / "Tidewarm.html", first));
    const std::optional<std::string> daily = ChartSource(read(first), kDailyTemperatureChartFile);
    ASSERT_TRUE(daily);
    const std::string folder = daily->substr(0, daily->rfind('/') + 1);
    EXPECT_TRUE(folder.starts_with("First%20client_files/charts.")) << folder;
    EXPECT_EQ(read(first), "<p>first</p><img src=\"" + folder + "Report.TDaily.gif\"><img src=\"" +
                               folder + "Report.Energies.gif\">");
    std::map<std::filesystem::path, std::string> before;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(saved.path()))
        if (entry.is_regular_file()) before[entry.path()] = read(entry.path());
    ASSERT_EQ(before.size(), 1 + kReportChartFiles.size());

    build("second");
    const std::filesystem::path second = saved.path() / "Second.html";
    ASSERT_FALSE(SaveReportWithCharts(data.path() / "Tidewarm.html", second));
    for (const auto& [file, bytes] : before) EXPECT_EQ(read(file), bytes) << file;
    for (std::string_view chart : {kDailyTemperatureChartFile, kEnergiesChartFile})
        EXPECT_EQ(shown(second, chart), "GIF of second " + std::string(chart));
    // Nothing but the two pages and their folders.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path()),
                            std::filesystem::directory_iterator()),
              4);

    // A name typed without extension is the page of the filter's extension, with its folder.
    EXPECT_EQ(SavedReportPage(saved.path() / "Fourth"), saved.path() / "Fourth.html");
    EXPECT_EQ(SavedReportPage(second), second);
    EXPECT_EQ(SavedChartsFolder(SavedReportPage(saved.path() / "Fourth")),
              saved.path() / "Fourth_files");

    // A save over the first on a full disk fails naming the file being written and leaves the
    // first report byte for byte, with nothing temporary beside it.
    build("third");
    std::ofstream(data.path() / kReportChartFiles[2]) << std::string(64 * 1024, 'G');
    {
        test::ScopedFileSizeLimit diskFull(32 * 1024);
        const auto problem = SaveReportWithCharts(data.path() / "Tidewarm.html", first);
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->message.starts_with((saved.path() / "First client_files").string()));
        EXPECT_TRUE(
            problem->message.ends_with(std::string(kReportChartFiles[2]) + ": File too large"))
            << problem->message;
    }
    for (const auto& [file, bytes] : before) EXPECT_EQ(read(file), bytes) << file;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(saved.path() / "First client_files"),
                      std::filesystem::directory_iterator()),
        1);

    // A missing chart fails the save and leaves no page behind, nor a folder for its charts.
    std::filesystem::remove(data.path() / kReportChartFiles[0]);
    EXPECT_TRUE(SaveReportWithCharts(data.path() / "Tidewarm.html", saved.path() / "Third.html"));
    EXPECT_FALSE(std::filesystem::exists(saved.path() / "Third.html"));
    EXPECT_FALSE(std::filesystem::exists(saved.path() / "Third_files"));
}

// A save killed as it puts any of its files in place leaves the earlier saved report or the new
// one, each page with its own charts; the next start removes what the killed save left.
TEST(ReportCopyTest, ASaveKilledAtAnyRenameLeavesOneReportWhole) {
    test::ScopedTempDir data, saved;
    const std::filesystem::path report = data.path() / "Tidewarm.html";
    const std::filesystem::path target = saved.path() / "Pool.html";
    const auto build = [&](char client) {
        test::WriteFile(report, std::string("<p>") + client +
                                    "</p><img src=\"Report.TDaily.gif\">" +
                                    "<img src=\"Report.Energies.gif\">");
        for (std::string_view chart : kReportChartFiles)
            test::WriteFile(data.path() / chart, std::string(1000, client));
    };
    int status = 0;
    for (int kill = 1; kill < 100; ++kill) {
        build('a');
        ASSERT_FALSE(SaveReportWithCharts(report, target));
        build('b');
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            test::KillAtRename(kill);
            ::_exit(SaveReportWithCharts(report, target) ? 1 : 0);
        }
        ::waitpid(child, &status, 0);
        const std::string page = test::ReadFile(target);
        ASSERT_TRUE(page.starts_with("<p>a") || page.starts_with("<p>b")) << page;
        for (std::string_view chart : {kDailyTemperatureChartFile, kEnergiesChartFile})
            EXPECT_EQ(test::ReadFile(saved.path() / ChartSource(page, chart).value_or("none")),
                      std::string(1000, page[3]))
                << "killed at rename " << kill;
        if (WIFEXITED(status)) break;  // the save was made without a kill
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    RemoveReportLeftovers(data.path());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path() / "Pool_files"),
                            std::filesystem::directory_iterator()),
              1);
    for (const auto& entry : std::filesystem::directory_iterator(saved.path()))
        EXPECT_FALSE(entry.path().filename().string().ends_with(".part")) << entry.path();
    for (const auto& entry : std::filesystem::directory_iterator(data.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("Tidewarm.html."))
            << entry.path();
}

}  // namespace

namespace {

// The twelve pictures, one for each system the lists can describe, and each shows its parts.
TEST(SystemPictureTest, EachSystemHasItsOwnPicture) {
    EXPECT_EQ(SystemPictureNumber(1, HeaterKind::Fuel, 1), 188);      // collectors, fuel, blanket
    EXPECT_EQ(SystemPictureNumber(0, std::nullopt, 0), 181);          // the pool alone
    EXPECT_EQ(SystemPictureNumber(3, HeaterKind::HeatPump, 0), 191);  // collectors, heat pump
    std::set<int> numbers;
    for (int collector : {0, 1})
        for (std::optional<HeaterKind> heater :
             {std::optional<HeaterKind>(), std::optional(HeaterKind::Fuel),
              std::optional(HeaterKind::HeatPump)})
            for (int blanket : {0, 1}) {
                const int number = SystemPictureNumber(collector, heater, blanket);
                numbers.insert(number);
                const SystemPictureParts parts = PartsOfSystemPicture(number);
                EXPECT_EQ(parts.collectors, collector == 1) << number;
                EXPECT_EQ(parts.heater, heater) << number;
                EXPECT_EQ(parts.blanket, blanket == 1) << number;
            }
    EXPECT_EQ(numbers.size(), 12u);
    EXPECT_EQ(*numbers.begin(), kFirstSystemPicture);
    EXPECT_EQ(*numbers.rbegin(), kLastSystemPicture);
}

// The picture's heater: a stored 0 is fuel, any other number a heat pump, a missing row none.
TEST_F(RunTest, HeaterKindOfTheStoredRow) {
    CHeatersSet heater;
    heater.m_strFilter = "0";
    heater.Open();
    std::vector<int> ids;
    for (int type : {0, 1, 2}) {
        heater.AddNew();
        heater.m_Name = "heater";
        heater.m_Type = static_cast<std::uint8_t>(type);
        heater.Update();
        ids.push_back(static_cast<int>(heater.GetLastAddedId()));
    }
    EXPECT_EQ(HeaterKindOf(ids[0]), HeaterKind::Fuel);
    EXPECT_EQ(HeaterKindOf(ids[1]), HeaterKind::HeatPump);
    EXPECT_EQ(HeaterKindOf(ids[2]), HeaterKind::HeatPump);
    EXPECT_EQ(HeaterKindOf(ids[2] + 1), std::nullopt);
}

}  // namespace
