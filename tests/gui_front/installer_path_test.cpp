// The program as an installer goes through it: the wizard for a new client and installer (with
// its Back paths and empty-list messages), the input form filled and checked, Run through
// TidewarmPro, the economics with results, the report with its charts; then the run reopened,
// duplicated and the copy removed.
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>
#include <wx/html/helpfrm.h>

#include <cstdlib>
#include <filesystem>

#include "economics_dialog.h"
#include "folders.h"
#include "front_small_windows.h"
#include "front_test_support.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "input_form.h"
#include "new_run_wizard.h"
#include "object_dialogs.h"
#include "options_dialog.h"
#include "report_print.h"
#include "report_window.h"
#include "runs_list.h"
#include "runs_manager.h"
#include "test_support.h"
#include "welcome_window.h"
#include "window_texts.h"
#include "wizard_windows.h"
#include "wx_text.h"

namespace {

using gui_test::Expect;
using gui_test::ExpectMessage;
using gui_test::PumpUntil;
using gui_test::WithModals;

constexpr char kClient[] = "Ada Lovelace";
constexpr char kInstaller[] = "Ivan Solar Ltd";
constexpr char kComments[] = "Backyard pool, O'Brien's quote";

WelcomeWindow& Welcome() {
    auto* welcome = gui_test::FindTopLevel<WelcomeWindow>();
    EXPECT_NE(welcome, nullptr);
    return *welcome;
}

void Click(wxWindow& window, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(window.FindWindow(id));
    window.ProcessWindowEvent(click);
}

// A wizard step expected as `step`, its choice set to `choice` (steps 1 and 2), ended with
// `result`.
Expect<WizardStepDialog> Step(WizardStep step, int choice, int result) {
    return Expect<WizardStepDialog>([=](WizardStepDialog* dialog) {
        EXPECT_EQ(dialog->Step(), step);
        dialog->SetChoice(choice);
        return result;
    });
}

Expect<CContactDlg> Contact(const char* name) {
    return Expect<CContactDlg>([=](CContactDlg* dialog) {
        dialog->NameEdit().SetValue(name);
        dialog->InfoEdit().SetValue("1 Harbour Road");
        return wxID_OK;
    });
}

constexpr int kBack = WizardStepDialog::ID_BACK;

// The wizard through every Back path and both empty-list messages, to its Finish.
void RunWizard() {
    const wxString noClient = ResText(kStrNoActiveClients);
    const wxString noRun = ResText(kStrNoRunToCopy);
    WithModals([] { Click(Welcome(), WelcomeWindow::ID_NEW); },
               Step(WizardStep::ClientChoice, 1, wxID_OK), ExpectMessage(noClient),
               Step(WizardStep::ClientChoice, 0, wxID_OK), Contact(kClient),
               Step(WizardStep::RunSource, 1, wxID_OK), ExpectMessage(noRun),
               Step(WizardStep::RunSource, 0, kBack), Step(WizardStep::ClientChoice, 0, wxID_OK),
               Contact(kClient), Step(WizardStep::RunSource, 0, wxID_OK),
               Step(WizardStep::NewInstaller, 0, kBack), Step(WizardStep::RunSource, 0, wxID_OK),
               Step(WizardStep::NewInstaller, 0, wxID_OK), Contact(kInstaller),
               Step(WizardStep::Final, 0, kBack), Step(WizardStep::RunSource, 0, wxID_OK),
               Step(WizardStep::NewInstaller, 0, wxID_OK), Contact(kInstaller),
               Expect<WizardStepDialog>([](WizardStepDialog* dialog) {
                   EXPECT_EQ(dialog->Step(), WizardStep::Final);
                   // Nothing is stored before Finish.
                   EXPECT_FALSE(HaveActiveClients());
                   EXPECT_FALSE(HaveActiveInstallers());
                   return wxID_OK;
               }));
}

void Choose(wxChoice& list, const wxString& entry) {
    ASSERT_NE(list.FindString(entry), wxNOT_FOUND) << entry;
    list.SetStringSelection(entry);
}

// A residential in-ground pool with unglazed collectors, a heat pump and a blanket; one refused
// field first.
void FillForm(InputFormDialog& form) {
    EXPECT_EQ(form.List(ObjectType::Client).GetStringSelection(), kClient);
    EXPECT_EQ(form.List(ObjectType::Installer).GetStringSelection(), kInstaller);
    EXPECT_EQ(form.City().GetStringSelection(), gui_test::kCity);
    form.SelectPoolType(PoolType::ResidentialInGround);
    form.Comments().SetValue(kComments);
    // The built-in unglazed collector of 3.7 m2, heat pump of 14 kW and clear bubble cover.
    Choose(form.List(ObjectType::Collector), gui_test::BuiltInName(ObjectType::Collector, 4));
    Choose(form.List(ObjectType::Heater), gui_test::BuiltInName(ObjectType::Heater, 5));
    Choose(form.List(ObjectType::Blanket), gui_test::BuiltInName(ObjectType::Blanket, 2));
    form.Field(InputField::PoolArea).SetValue("40");
    form.Field(InputField::NumberOfColl).SetValue("4");
    form.Field(InputField::AreaPerColl).SetValue("0.05");
    EXPECT_FALSE(form.Save());
    form.Field(InputField::AreaPerColl).SetValue("3.72");
    form.Field(InputField::NumberOfBanks).SetValue("2");
}

// The open report window: the client and the four charts shown, an "app:" link handled; then
// closed.
void CheckReportWindow() {
    // The report shows the client and its four charts, loaded.
    ReportWindow* report = OpenReportWindow();
    ASSERT_NE(report, nullptr);
    wxString charts, client;
    EXPECT_TRUE(PumpUntil([&] {
        return !report->View().IsBusy() &&
               report->View().RunScript(
                   "Array.from(document.images).filter(i => i.complete && i.naturalWidth > 0)"
                   ".length",
                   &charts) &&
               charts == "4";
    })) << charts;
    EXPECT_TRUE(report->View().RunScript(
        wxString("document.body.innerText.includes('") + kClient + "')", &client));
    EXPECT_EQ(client, "true");
    // An "app:" link is handled by the program and the page stays.
    bool asked = false;
    WithModals(
        [&] {
            report->View().RunScript("window.location.href = 'app:beep'");
            PumpUntil([&] { return asked; });
        },
        Expect<wxMessageDialog>([&](wxMessageDialog* box) {
            EXPECT_EQ(box->GetMessage(), "beep");
            asked = true;
            return wxID_OK;
        }));
    wxString images;
    EXPECT_TRUE(report->View().RunScript("document.images.length", &images));
    EXPECT_EQ(images, "4");
    report->Close();
}

class InstallerPathTest : public ::testing::Test {};

TEST_F(InstallerPathTest, NewRunSimulatedWithEconomicsAndReportThenDuplicatedAndRemoved) {
    RunWizard();
    int firstRun = 0;
    bool formDone = false;
    WithModals([&] { PumpUntil([&] { return formDone; }); },
               Expect<InputFormDialog>([&](InputFormDialog* form) {
                   FillForm(*form);
                   EXPECT_TRUE(form->Run());
                   firstRun = form->Data().runNumber;
                   // The report window is modal: it is looked at from a timer while it is open.
                   gui_test::RunWhen([] { return OpenReportWindow() != nullptr; },
                                     [] { CheckReportWindow(); });
                   form->ShowReport();
                   EXPECT_TRUE(form->Save());
                   formDone = true;
                   return wxID_OK;
               }),
               ExpectMessage(ToWx(FormatResString(kStrValueBetween, 0.1, 100.0))),
               Expect<EconomicsDialog>([](EconomicsDialog* economics) {
                   EXPECT_EQ(economics->Data().HaveResults, 1);
                   EXPECT_NE(economics->PaybackShown(), "-");
                   EXPECT_TRUE(economics->Accept());
                   return wxID_OK;
               }));
    ASSERT_GT(firstRun, 0);

    // Reopened from the runs manager and duplicated: the copy keeps the city and the comments.
    int copy = 0;
    WithModals([] { Click(Welcome(), WelcomeWindow::ID_OPEN); },
               Expect<RunsManagerDialog>([](RunsManagerDialog* manager) {
                   EXPECT_EQ(manager->List().GetItemCount(), 1);
                   manager->List().SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                   EXPECT_TRUE(manager->ChooseSelected(true));
                   return wxID_OK;
               }),
               Expect<InputFormDialog>([&](InputFormDialog* form) {
                   copy = form->Data().runNumber;
                   EXPECT_EQ(form->City().GetStringSelection(), gui_test::kCity);
                   EXPECT_EQ(form->Comments().GetValue(), kComments);
                   EXPECT_TRUE(form->Save());
                   return wxID_OK;
               }));
    EXPECT_GT(copy, firstRun);

    // The copy, the newest run, simulated with an hourly file cut short: the results are refused,
    // nothing of them is stored, and the economics do not open.
    const std::string program = g_strProgramFolder;
    const std::string cutShort = DataFolder() + "/cut-short";
    std::filesystem::create_directories(cutShort);
    test::WriteFile(cutShort + "/TidewarmPro", "#!/bin/sh\n'" + program +
                                                   "/TidewarmPro' \"$@\" || exit $?\ncd '" +
                                                   DataFolder() +
                                                   "' && head -n 30 Tidewarm.hly > cut && "
                                                   "mv cut Tidewarm.hly\n");
    std::filesystem::permissions(cutShort + "/TidewarmPro", std::filesystem::perms::owner_all);
    WithModals([] { Click(Welcome(), WelcomeWindow::ID_OPEN); },
               Expect<RunsManagerDialog>([](RunsManagerDialog* manager) {
                   manager->List().SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                   EXPECT_TRUE(manager->ChooseSelected(false));
                   return wxID_OK;
               }),
               Expect<InputFormDialog>([&](InputFormDialog* form) {
                   g_strProgramFolder = cutShort;
                   EXPECT_FALSE(form->Run());
                   g_strProgramFolder = program;
                   return wxID_CANCEL;
               }),
               Expect<wxMessageDialog>([](wxMessageDialog* message) {
                   // The pictures' French pass runs this test too.
                   const char* expected =
                       g_nLanguage == Language::French
                           ? "Fichier Tidewarm.hly, ligne 31 : 29 heures alors que la saison "
                           : "File Tidewarm.hly, line 31: 29 hours where the season has ";
                   EXPECT_TRUE(message->GetMessage().StartsWith(expected)) << message->GetMessage();
                   return wxID_OK;
               }));
    SQLite::Database database(g_strDatabasePath);
    EXPECT_EQ(
        database.execAndGet("SELECT COUNT(*) FROM Results WHERE RunId = " + std::to_string(copy))
            .getInt(),
        0);

    // The copy removed in the manage mode; the first run stays selected at the same place.
    RunsManagerDialog manager(&Welcome(), RunsManagerMode::Manage);
    ASSERT_EQ(manager.List().GetItemCount(), 2);
    EXPECT_EQ(manager.List().GetItemText(0), wxString::Format("%d", copy));
    manager.List().SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    manager.RemoveSelected();
    ASSERT_EQ(manager.List().GetItemCount(), 1);
    EXPECT_EQ(manager.List().GetItemText(0), wxString::Format("%d", firstRun));
    EXPECT_EQ(manager.List().GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].client, kClient);
}

}  // namespace

namespace {

// Each window shown on its own and photographed, when TIDEWARM_SCREENSHOTS names a folder (see
// docs/make_screenshots.sh); it runs after the installer's path, whose run it shows.
void Photograph(wxTopLevelWindow* window, const std::string& name) {
    window->Show();
    window->Raise();
    gui_test::Screenshot(name);
    window->Destroy();
    wxYield();
}

// F1 opens the help page of the window in front: the main window's, the options'.
TEST_F(InstallerPathTest, F1OpensTheWindowsHelpPage) {
    gui_test::SendCommand(Welcome(), wxID_HELP);
    ASSERT_TRUE(gui_test::PumpUntil([] { return !OpenedHelpPage().empty(); }));
    EXPECT_EQ(OpenedHelpPage(), HelpPageFile("main", g_nLanguage));
    OptionsDialog options(&Welcome());
    gui_test::SendCommand(options, wxID_HELP);
    const std::string optionsPage = HelpPageFile("options", g_nLanguage);
    EXPECT_TRUE(gui_test::PumpUntil([&] { return OpenedHelpPage() == optionsPage; }))
        << OpenedHelpPage();
    // The help window would stand over the windows that the next tests click on.
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* help = dynamic_cast<wxHtmlHelpFrame*>(window)) help->Close(true);
    gui_test::PumpUntil([] { return OpenedHelpPage().empty(); });
}

TEST(WindowPictures, EveryWindow) {
    if (std::getenv("TIDEWARM_SCREENSHOTS") == nullptr) GTEST_SKIP() << "no screenshot folder";
    const std::string suffix = g_nLanguage == Language::French ? "-fr" : "-en";
    PumpUntil([] { return false; }, 2500);  // the splash window gone
    gui_test::Screenshot("main" + suffix);
    for (WizardStep step : {WizardStep::ClientChoice, WizardStep::RunSource,
                            WizardStep::NewInstaller, WizardStep::Final})
        Photograph(new WizardStepDialog(&Welcome(), step),
                   "wizard" + std::to_string(static_cast<int>(step)) + suffix);
    Photograph(new CContactDlg(&Welcome(), ContactData{}, 0), "contact" + suffix);
    Photograph(new CCollectorDlg(&Welcome(), CollectorData{}, UnitSystem::SI),
               "collector" + suffix);
    Photograph(new CHeaterDlg(&Welcome(), HeaterData{}, UnitSystem::SI), "heater" + suffix);
    Photograph(new CBlanketDlg(&Welcome(), BlanketData{}, UnitSystem::SI), "blanket" + suffix);
    Photograph(new RunsManagerDialog(&Welcome(), RunsManagerMode::Open), "runs" + suffix);
    Photograph(new OptionsDialog(&Welcome()), "options" + suffix);
    {
        WaitWindow wait(ResText(kStrLoadingData));
        gui_test::Screenshot("wait" + suffix);
    }
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_FALSE(runs.empty());
    ChooseRun(runs[0].runId, false);
    g_nRunCreationMode = RunCreationMode::Existing;
    auto* form = new InputFormDialog(&Welcome());
    std::optional<EconomicDialogData> economics = LoadEconomicData(runs[0].runId, UnitSystem::SI);
    ASSERT_TRUE(economics);
    Photograph(new EconomicsDialog(&Welcome(), *economics), "economics" + suffix);
    // The report maximised, its print preview and its pages as printed (PDF), from timers while
    // the modal windows are open.
    const std::string folder = std::getenv("TIDEWARM_SCREENSHOTS");
    gui_test::RunWhen(
        [] { return OpenReportWindow() != nullptr && !OpenReportWindow()->View().IsBusy(); },
        [&] {
            ReportWindow* report = OpenReportWindow();
            if (report == nullptr) return;
            PumpUntil([] { return false; }, 1500);
            gui_test::Screenshot("report" + suffix);
            EXPECT_FALSE(PrintPageToPdf(report->View(), folder + "/report" + suffix + ".pdf"));
            gui_test::RunWhen([] { return gui_test::FindTopLevel<wxPreviewFrame>() != nullptr; },
                              [&] {
                                  gui_test::Screenshot("preview" + suffix);
                                  if (auto* preview = gui_test::FindTopLevel<wxPreviewFrame>())
                                      preview->Close();
                              });
            gui_test::SendCommand(*report, wxID_PREVIEW);
            report->Close();
        });
    form->ShowReport();
    Photograph(form, "input" + suffix);
}

}  // namespace
