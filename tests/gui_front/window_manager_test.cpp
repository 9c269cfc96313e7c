// The windows as a user meets them under a window manager (openbox, started for these tests),
// with real clicks and keys: the report window over the input form closes from its title bar
// and with Alt+F4 and leaves the form open, its print preview with Alt+F4; a failed run's
// message, and the options' question whether to create a new database, are shown with no wait
// window over them and answered with a key; a collector flow far from the collectors' own is
// asked about, and No runs nothing; Enter goes through the wizard to its Finish, which stores
// the installer typed in its third step and entered with Enter; Enter in the economics stores
// them; Escape on a new run's changed form asks, and No keeps it; No to replacing a saved
// report's pictures goes back to the file chooser; an EPW file imported through Maintenance >
// Cities and its file chooser is a city of the input form at once, simulated, then removed. Runs
// after the installer's path, whose run and client it uses.
#include <gtest/gtest.h>
#include <wx/print.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "city_list.h"
#include "city_manager.h"
#include "economics_dialog.h"
#include "folders.h"
#include "front_test_support.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "input_form.h"
#include "maintenance_window.h"
#include "object_dialogs.h"
#include "options_dialog.h"
#include "recordset.h"
#include "report_window.h"
#include "sizing_window.h"
#include "test_support.h"
#include "welcome_window.h"
#include "window_texts.h"
#include "wizard_windows.h"
#include "wx_text.h"

namespace {

using gui_test::InputScript;
using gui_test::ModalWatch;
using gui_test::RealInput;

class UnderWindowManager : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        manager_ = new gui_test::WindowManager;
        ASSERT_TRUE(manager_->Started()) << "openbox not started";
    }

    static void TearDownTestSuite() {
        delete manager_;
        manager_ = nullptr;
    }

    // The input form on the installer's run, shown modally over the main window while `script`
    // runs; the script ends the form in its last step.
    static void ShowFormWith(InputScript& script, InputFormDialog*& shown) {
        WelcomeWindow* welcome = gui_test::ChooseLastRun();
        ASSERT_NE(welcome, nullptr);
        InputFormDialog form(welcome);
        ASSERT_TRUE(form.Loaded());
        shown = &form;
        EXPECT_TRUE(script.RunWith([&] { form.ShowModal(); }));
        shown = nullptr;
    }

    // The form shown, placed and given the focus by the window manager: clicks find it where
    // it stays.
    bool FormReady() const {
        auto* form = watch_.Open<InputFormDialog>(500);
        return form != nullptr && form->IsActive();
    }

    ModalWatch watch_;
    static gui_test::WindowManager* manager_;
};

gui_test::WindowManager* UnderWindowManager::manager_ = nullptr;

std::string LanguageSuffix() {
    return g_nLanguage == Language::French ? "-fr" : "-en";
}

// The value the query `sql` gives with `id` bound (its first row's first column); NaN without a
// row.
double StoredValue(const char* sql, int id) {
    SQLite::Database database = ConnectDatabase();
    SQLite::Statement query(database, sql);
    query.bind(1, id);
    return query.executeStep() ? query.getColumn(0).getDouble() : std::nan("");
}

bool PageShown() {
    ReportWindow* report = OpenReportWindow();
    return report != nullptr && report->IsShownOnScreen() &&
           gui_test::FilePageLoaded(report->View());
}

// The close button of `window`'s title bar: openbox's default theme puts it last at the right
// end, a square as high as the title bar.
void ClickCloseButton(const wxTopLevelWindow& window) {
    const wxRect outer = window.GetScreenRect();
    const auto* frame = dynamic_cast<const wxFrame*>(&window);
    const int clientTop = frame != nullptr && frame->GetMenuBar() != nullptr
                              ? frame->GetMenuBar()->GetScreenRect().GetTop()
                              : window.ClientToScreen(wxPoint(0, 0)).y;
    const int title = clientTop - outer.GetTop();
    RealInput("mousemove --sync " + std::to_string(outer.GetRight() - title / 2) + " " +
              std::to_string(outer.GetTop() + title / 2) + " click 1");
}

TEST_F(UnderWindowManager, ReportWindowClosesFromItsTitleBarAndWithAltF4OverTheForm) {
    InputFormDialog* form = nullptr;
    bool closedByButton = false, previewClosed = false, closedByKeys = false, formOpenAfter = false;
    auto clickReport = [&] { gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_REPORT)); };
    auto reportClosed = [] { return OpenReportWindow() == nullptr; };
    // A failed step would leave the report window open over the form, whose end waits for it.
    wxTimer rescue;
    rescue.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        if (auto* preview = gui_test::FindTopLevel<wxPreviewFrame>()) preview->Close();
        if (ReportWindow* report = OpenReportWindow()) report->Close();
    });
    rescue.StartOnce(60000);
    InputScript script;
    script.Then([&] { return FormReady(); }, clickReport)
        .Then(PageShown,
              [] {
                  gui_test::Screenshot("report-title-bar" + LanguageSuffix());
                  ClickCloseButton(*OpenReportWindow());
              })
        .Then(reportClosed,
              [&] {
                  closedByButton = true;
                  clickReport();
              })
        // Keys go to the window clicked last.
        .Then(PageShown, [] { gui_test::ClickOn(OpenReportWindow()->View()); })
        // File > Print Preview, by its keys in both languages.
        .Then([] { return OpenReportWindow()->IsActive(); },
              [] { RealInput("key alt+f sleep 0.3 key v"); })
        // The window manager closes the active window: the preview, then the report.
        .Then(
            [] {
                auto* preview = gui_test::FindTopLevel<wxPreviewFrame>();
                return preview != nullptr && preview->IsActive();
            },
            [] {
                gui_test::Screenshot("preview-title-bar" + LanguageSuffix());
                RealInput("key alt+F4");
            })
        .Then(
            [] {
                return gui_test::FindTopLevel<wxPreviewFrame>() == nullptr &&
                       OpenReportWindow() != nullptr && OpenReportWindow()->IsActive();
            },
            [&] {
                previewClosed = true;
                RealInput("key alt+F4");
            })
        .Then(reportClosed, [&] {
            closedByKeys = true;
            formOpenAfter = form->IsModal() && form->IsShownOnScreen();
            form->EndModal(wxID_CANCEL);
        });
    ShowFormWith(script, form);
    EXPECT_TRUE(closedByButton);
    EXPECT_TRUE(previewClosed);
    EXPECT_TRUE(closedByKeys);
    EXPECT_TRUE(formOpenAfter);
}

// The wait windows on the screen: frames without title or taskbar entry.
int WaitWindowsShown() {
    int shown = 0;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* frame = dynamic_cast<wxFrame*>(window); frame != nullptr && frame->IsShown() &&
                                                          frame->GetTitle().empty() &&
                                                          frame->HasFlag(wxFRAME_NO_TASKBAR))
            ++shown;
    return shown;
}

TEST_F(UnderWindowManager, FailedRunsMessageIsAnsweredWithNoWaitWindowOverIt) {
    // The city's weather file gone since the start: TidewarmPro cannot read it.
    const std::string weather = DataFolder() + "/Climate/Sample.zfw";
    std::filesystem::rename(weather, weather + ".away");
    InputFormDialog* form = nullptr;
    std::string message;
    int waitWindowsWithMessage = -1;
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] { gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_RUN)); })
        .Then([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
              [&] {
                  message = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                  waitWindowsWithMessage = WaitWindowsShown();
                  gui_test::Screenshot(std::string("run-failed") +
                                       (g_nLanguage == Language::French ? "-fr" : "-en"));
                  RealInput("key Return");
              })
        // The economics open after a failed run, without results.
        .Then([&] { return watch_.Open<EconomicsDialog>() != nullptr; },
              [&] { watch_.Open<EconomicsDialog>()->EndModal(wxID_CANCEL); })
        .Then([&] { return watch_.Open<EconomicsDialog>(0) == nullptr; },
              [&] { form->EndModal(wxID_CANCEL); });
    ShowFormWith(script, form);
    std::filesystem::rename(weather + ".away", weather);
    EXPECT_NE(message.find("Sample.zfw"), std::string::npos) << message;
    EXPECT_EQ(waitWindowsWithMessage, 0);
}

TEST_F(UnderWindowManager, FlowFarFromTheCollectorsOwnIsAskedAndNoRunsNothing) {
    InputFormDialog* form = nullptr;
    std::string question;
    bool formOpenAfter = false, economicsAfter = true;
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] {
                  // Some 19 kg/s in either unit, far above the flow any array of the form's
                  // collectors was tested at.
                  gui_test::TypeInto(form->Field(InputField::TotalFlow), "300");
                  gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_RUN));
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
              [&] {
                  question = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                  gui_test::Screenshot("flow-question" + LanguageSuffix());
                  RealInput("key Escape");
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(0) == nullptr && form->IsActive(); },
              [&] {
                  formOpenAfter = form->IsModal();
                  economicsAfter = watch_.Open<EconomicsDialog>(0) != nullptr;
                  form->EndModal(wxID_CANCEL);
              });
    ShowFormWith(script, form);
    EXPECT_EQ(
        question.rfind(
            g_nLanguage == Language::French ? "Le débit total vaut " : "The total flow is ", 0),
        0u)
        << question;
    EXPECT_TRUE(formOpenAfter);
    EXPECT_FALSE(economicsAfter);
}

TEST_F(UnderWindowManager, OptionsQuestionIsAnsweredWithNoWaitWindowOverIt) {
    const std::string previous = g_strDatabasePath;
    const std::string missing = DataFolder() + "/Elsewhere.mdb";
    std::string question;
    int waitWindowsWithQuestion = -1;
    InputScript script;
    script
        .Then([&] { return watch_.Open<OptionsDialog>(500) != nullptr; },
              [&] {
                  OptionsDialog* options = watch_.Open<OptionsDialog>();
                  gui_test::TypeInto(options->DatabasePath(), missing);
                  gui_test::ClickOn(*options->FindWindow(wxID_OK));
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
              [&] {
                  question = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                  waitWindowsWithQuestion = WaitWindowsShown();
                  // No: the database in force stays.
                  RealInput("key Escape");
              });
    auto* welcome = gui_test::FindTopLevel<WelcomeWindow>();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(script.RunWith([&] {
        wxCommandEvent click(wxEVT_BUTTON, WelcomeWindow::ID_OPTIONS);
        welcome->ProcessWindowEvent(click);
    }));
    EXPECT_NE(question.find(missing), std::string::npos) << question;
    EXPECT_EQ(waitWindowsWithQuestion, 0);
    EXPECT_EQ(g_strDatabasePath, previous);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(UnderWindowManager, EnterGoesThroughTheWizardAndFinishStoresTheTypedInstaller) {
    // No active installer: the wizard asks for one in its third step.
    SQLite::Database database = ConnectDatabase();
    std::vector<int> active;
    for (SQLite::Statement rows(database, "SELECT [InstallerId] FROM [Installers] WHERE [Active]");
         rows.executeStep();)
        active.push_back(rows.getColumn(0).getInt());
    database.exec("UPDATE [Installers] SET [Active] = 0");
    auto stepShown = [this](WizardStep step) {
        return [this, step] {
            WizardStepDialog* shown = watch_.Open<WizardStepDialog>();
            return shown != nullptr && shown->Step() == step && shown->IsActive();
        };
    };
    auto enter = [] { RealInput("key Return"); };
    constexpr char kTyped[] = "Enter Key Pools";
    bool formOpened = false;
    InputScript script;
    script.Then(stepShown(WizardStep::ClientChoice), enter)
        .Then(stepShown(WizardStep::RunSource), enter)
        .Then(stepShown(WizardStep::NewInstaller), enter)
        .Then([&] { return watch_.Open<CContactDlg>() != nullptr; },
              [&] {
                  CContactDlg* contact = watch_.Open<CContactDlg>();
                  gui_test::TypeInto(contact->NameEdit(), kTyped);
                  // Enter in the name's box is OK.
                  enter();
              })
        .Then(stepShown(WizardStep::Final),
              [&] {
                  gui_test::Screenshot("wizard-final-focus" + LanguageSuffix());
                  enter();
              })
        .Then([&] { return watch_.Open<InputFormDialog>() != nullptr; },
              [&] {
                  formOpened = true;
                  watch_.Open<InputFormDialog>()->EndModal(wxID_CANCEL);
              });
    auto* welcome = gui_test::FindTopLevel<WelcomeWindow>();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(script.RunWith([&] {
        wxCommandEvent click(wxEVT_BUTTON, WelcomeWindow::ID_NEW);
        welcome->ProcessWindowEvent(click);
        gui_test::PumpUntil([&] { return formOpened && watch_.Open<wxDialog>(0) == nullptr; });
    }));
    SQLite::Statement stored(database,
                             "SELECT COUNT(*) FROM [Installers] WHERE [Name] = ? AND [Active] = 1");
    stored.bind(1, kTyped);
    ASSERT_TRUE(stored.executeStep());
    EXPECT_EQ(stored.getColumn(0).getInt(), 1);
    database.exec("DELETE FROM [Installers] WHERE [Name] = '" + std::string(kTyped) + "'");
    for (int id : active)
        database.exec("UPDATE [Installers] SET [Active] = 1 WHERE [InstallerId] = " +
                      std::to_string(id));
}

// The weather folder's city of the station `station`; empty when there is none.
std::string CityFileOf(const std::string& station) {
    for (const WeatherCity& city : ListWeatherCities(g_strClimateFolder))
        if (city.cityName == station) return city.fileName;
    return {};
}

// Whether the innermost modal window of type T is shown and active (keys go to it).
template <class T>
bool Active(const ModalWatch& watch) {
    T* window = watch.Open<T>(500);
    return window != nullptr && window->IsActive();
}

// Maintenance > Cities as a user works it, with `act` run once the city list manager is active;
// the list manager is then closed with Escape and the maintenance window from its title bar.
void InCityManager(const ModalWatch& watch, const std::function<void(CCityMngrDlg&)>& act,
                   const std::function<bool()>& acted) {
    InputScript script;
    script
        .Then(
            [&] { return Active<CMaintainDlg>(watch); },
            [&] {
                gui_test::Screenshot("maintenance" + LanguageSuffix());
                gui_test::ClickOn(*watch.Open<CMaintainDlg>()->FindWindow(CMaintainDlg::kIdCities));
            })
        .Then([&] { return Active<CCityMngrDlg>(watch); },
              [&] { act(*watch.Open<CCityMngrDlg>()); })
        .Then([&] { return acted() && Active<CCityMngrDlg>(watch); },
              [] { RealInput("key Escape"); })
        .Then([&] { return Active<CMaintainDlg>(watch); },
              [&] { ClickCloseButton(*watch.Open<CMaintainDlg>()); });
    auto* welcome = gui_test::FindTopLevel<WelcomeWindow>();
    ASSERT_NE(welcome, nullptr);
    // Every step ran: the maintenance window ended from its title bar.
    EXPECT_TRUE(script.RunWith([&] {
        wxCommandEvent click(wxEVT_BUTTON, WelcomeWindow::ID_MAINTAIN);
        welcome->ProcessWindowEvent(click);
    }));
}

// The selected row's file name in the city list manager; empty when none is selected.
std::string SelectedCityFile(CCityMngrDlg& manager) {
    const long item = manager.List().GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return item < 0 ? std::string() : FromWx(manager.List().GetItemText(item, 3));
}

// The city list manager closes with Escape, the maintenance window from its title bar.
TEST_F(UnderWindowManager, ImportedCityIsChosenInTheFormAndRemovedAgain) {
    constexpr char kStation[] = "Miami Intl Ap FL USA";
    constexpr char kEpw[] = "USA_FL_Miami.Intl.AP.722020_TMY3.epw";
    test::ScopedTempDir downloads;
    const std::filesystem::path source = downloads.path() / kEpw;
    std::filesystem::copy_file(std::filesystem::path(TIDEWARM_RESOURCES_DIR) / "weather" / kEpw,
                               source);
    // A city of that station shipped with the program goes, so that the import writes it anew.
    if (const std::string shipped = CityFileOf(kStation); !shipped.empty())
        std::filesystem::remove(std::filesystem::path(g_strClimateFolder) / shipped);
    LoadCityList();

    std::string imported;
    InCityManager(
        watch_,
        [&](CCityMngrDlg& manager) {
            gui_test::Screenshot("cities" + LanguageSuffix());
            gui_test::ClickOn(*manager.FindWindow(CCityMngrDlg::kIdImport));
            gui_test::RunWhen(
                [&] { return watch_.Open<wxFileDialog>(800) != nullptr; },
                [&] {
                    gui_test::Screenshot("cities-import" + LanguageSuffix());
                    // The location box of GTK's file chooser takes a typed path.
                    RealInput("key ctrl+l sleep 0.3 type --delay 10 '" + source.string() + "'");
                    RealInput("sleep 0.3 key Return");
                });
        },
        [&] {
            auto* manager = watch_.Open<CCityMngrDlg>(0);
            if (manager == nullptr || watch_.Open<wxFileDialog>(0) != nullptr) return false;
            imported = SelectedCityFile(*manager);
            if (imported.empty()) return false;
            gui_test::Screenshot("cities-imported" + LanguageSuffix());
            return true;
        });
    ASSERT_EQ(imported, CityFileOf(kStation));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(g_strClimateFolder) / imported));

    // The form opened next offers the city: chosen in its list with the keys of its menu, then
    // simulated (the economics open after the run, with no message before them).
    InputFormDialog* form = nullptr;
    std::string chosen;
    int runId = 0;
    int messagesBeforeRun = 0;
    bool economicsShown = false;
    InputScript script;
    script.Then([&] { return FormReady(); }, [&] { gui_test::ClickOn(form->City()); })
        .Then([] { return true; },
              [&] {
                  const int from = form->City().GetSelection();
                  const int to = form->City().FindString(kStation, true);
                  std::string keys = "sleep 0.5";
                  for (int step = from; step != to; step += to > from ? 1 : -1)
                      keys += to > from ? " key Down" : " key Up";
                  RealInput(keys + " sleep 0.2 key Return");
              })
        .Then([&] { return FromWx(form->City().GetStringSelection()) == kStation; },
              [&] {
                  chosen = kStation;
                  gui_test::Screenshot("form-imported-city" + LanguageSuffix());
                  messagesBeforeRun = watch_.Opened<wxMessageDialog>();
                  gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_RUN));
              })
        .Then([&] { return watch_.Open<EconomicsDialog>() != nullptr; },
              [&] {
                  economicsShown = watch_.Opened<wxMessageDialog>() == messagesBeforeRun;
                  runId = form->Data().runNumber;
                  watch_.Open<EconomicsDialog>()->EndModal(wxID_CANCEL);
              })
        .Then([&] { return watch_.Open<EconomicsDialog>(0) == nullptr; },
              [&] { form->EndModal(wxID_CANCEL); });
    ShowFormWith(script, form);
    EXPECT_EQ(chosen, kStation);
    EXPECT_TRUE(economicsShown);
    SQLite::Database database = ConnectDatabase();
    SQLite::Statement results(database, "SELECT COUNT(*) FROM [Results] WHERE [RunId] = ?");
    results.bind(1, runId);
    ASSERT_TRUE(results.executeStep());
    EXPECT_GT(results.getColumn(0).getInt(), 0);

    // Remove, answered Yes: the file goes, and the city leaves the list and the form's list.
    std::string question;
    InCityManager(
        watch_,
        [&](CCityMngrDlg& manager) {
            const long row = manager.List().FindItem(-1, wxString::FromUTF8(kStation));
            ASSERT_GE(row, 0);
            wxRect rect;
            manager.List().GetItemRect(row, rect);
            const wxPoint at = manager.List().ClientToScreen(rect.GetPosition()) +
                               wxPoint(rect.GetWidth() / 4, rect.GetHeight() / 2);
            RealInput("mousemove --sync " + std::to_string(at.x) + " " + std::to_string(at.y) +
                      " click 1");
            gui_test::ClickOn(*manager.FindWindow(CCityMngrDlg::kIdRemove));
            gui_test::RunWhen([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
                              [&] {
                                  question = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                                  gui_test::Screenshot("cities-remove" + LanguageSuffix());
                                  RealInput("key Return");
                              });
        },
        [&] { return !question.empty() && watch_.Open<wxMessageDialog>(0) == nullptr; });
    EXPECT_NE(question.find(imported), std::string::npos) << question;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(g_strClimateFolder) / imported));
    EXPECT_EQ(std::find(g_CityNames.begin(), g_CityNames.end(), kStation), g_CityNames.end());
    // The run keeps the name of the removed city; it goes back to the sample city for the tests
    // that follow.
    SQLite::Statement named(database, "SELECT [City] FROM [Runs] WHERE [RunId] = ?");
    named.bind(1, runId);
    ASSERT_TRUE(named.executeStep());
    EXPECT_EQ(named.getColumn(0).getString(), kStation);
    SQLite::Statement city(database, "UPDATE [Runs] SET [City] = ? WHERE [RunId] = ?");
    city.bind(1, gui_test::kCity);
    city.bind(2, runId);
    EXPECT_EQ(city.exec(), 1);
}

// The sizing study from the form, as a user runs it: stopped half-way (nothing changes) and
// closed with Escape; run whole and closed with Alt+F4; run whole in IP units, its table saved as
// CSV through the file chooser and a size used, which the form shows unsaved.
TEST_F(UnderWindowManager, SizingStudyStoppedFinishedSavedAndUsed) {
    const std::string csv = (std::filesystem::temp_directory_path() / "sizing-test.csv").string();
    std::filesystem::remove(csv);
    auto databaseBytes = [] { return test::ReadFile(g_strDatabasePath); };
    const std::string before = databaseBytes();
    // A simulator slow enough to be stopped half-way for the first study.
    const std::string program = g_strProgramFolder;
    const std::filesystem::path slow = std::filesystem::temp_directory_path() / "slow-simulator";
    std::filesystem::create_directories(slow);
    test::WriteFile(slow / "TidewarmPro",
                    "#!/bin/sh\nsleep 0.4\nexec '" + program + "/TidewarmPro' \"$@\"\n");
    std::filesystem::permissions(slow / "TidewarmPro", std::filesystem::perms::owner_all);
    g_strProgramFolder = slow.string();
    InputFormDialog* form = nullptr;
    std::string collectorsBefore, collectorsAfter, flowAfter, databaseAfterStop;
    std::size_t stoppedSizes = 1, finishedSizes = 0;
    double chosenPerBank = 0;
    auto sizing = [this] { return watch_.Open<SizingWindow>(); };
    auto clickSizing = [&] { gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_SIZING)); };
    auto finished = [&] { return sizing() != nullptr && !sizing()->Sizes().empty(); };
    auto closed = [&] { return watch_.Open<SizingWindow>(0) == nullptr; };
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] {
                  collectorsBefore = FromWx(form->Field(InputField::NumberOfColl).GetValue());
                  clickSizing();
              })
        .Then(
            [&] {
                return sizing() != nullptr && sizing()->Running() &&
                       sizing()->SimulatedCount() >= 2;
            },
            [&] {
                gui_test::Screenshot("sizing-running" + LanguageSuffix());
                gui_test::ClickOn(*sizing()->FindWindow(SizingWindow::ID_STOP));
            })
        .Then([&] { return !sizing()->Running(); },
              [&] {
                  stoppedSizes = sizing()->Sizes().size() + sizing()->Table().GetItemCount();
                  databaseAfterStop = databaseBytes();
                  g_strProgramFolder = program;
                  RealInput("key Escape");
              })
        .Then(closed, clickSizing)
        .Then(finished,
              [&] {
                  gui_test::Screenshot("sizing-si" + LanguageSuffix());
                  RealInput("key alt+F4");
              })
        .Then(closed,
              [&] {
                  gui_test::ClickOn(form->UnitsIP());
                  clickSizing();
              })
        .Then(finished,
              [&] {
                  finishedSizes = sizing()->Sizes().size();
                  gui_test::Screenshot("sizing-ip" + LanguageSuffix());
                  gui_test::ClickOn(*sizing()->FindWindow(SizingWindow::ID_SAVE_CSV));
              })
        .Then([&] { return watch_.Open<wxFileDialog>(800) != nullptr; },
              [&] {
                  RealInput("key ctrl+a");
                  RealInput("type --delay 20 '" + csv + "'");
                  RealInput("key Return");
              })
        .Then(
            [&] { return watch_.Open<wxFileDialog>(0) == nullptr && std::filesystem::exists(csv); },
            [&] {
                // The second size of the table (one collector per bank) chosen.
                gui_test::ClickOn(sizing()->Table());
                RealInput("key Home key Down");
            })
        .Then(
            [&] {
                return sizing()->Table().GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) ==
                       1;
            },
            [&] { gui_test::ClickOn(*sizing()->FindWindow(SizingWindow::ID_USE_SIZE)); })
        .Then(closed, [&] {
            collectorsAfter = FromWx(form->Field(InputField::NumberOfColl).GetValue());
            flowAfter = FromWx(form->Field(InputField::TotalFlow).GetValue());
            chosenPerBank = form->Data().numberOfColl;
            form->EndModal(wxID_CANCEL);
        });
    ShowFormWith(script, form);
    g_strProgramFolder = program;
    std::filesystem::remove_all(slow);
    EXPECT_EQ(stoppedSizes, 0u);
    EXPECT_TRUE(databaseAfterStop == before);
    EXPECT_GE(finishedSizes, 9u);
    EXPECT_EQ(collectorsAfter, "1");
    EXPECT_EQ(chosenPerBank, 1);
    EXPECT_NE(collectorsAfter, collectorsBefore);
    EXPECT_FALSE(flowAfter.empty());
    const std::string table = test::ReadFile(csv);
    EXPECT_EQ(static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')),
              finishedSizes + 1);
    EXPECT_NE(table.find("(" + LoadResString(kStrUnitSquareFeet) + ")"), std::string::npos)
        << table;
    // The form was cancelled: the run is stored as before.
    EXPECT_TRUE(databaseBytes() == before);
    std::filesystem::remove(csv);
}

TEST_F(UnderWindowManager, EnterInTheEconomicsStoresThem) {
    InputFormDialog* form = nullptr;
    auto economics = [this] { return watch_.Open<EconomicsDialog>(); };
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] { gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_ECONOMICS)); })
        // The click into the box gives the dialog the keyboard.
        .Then([&] { return economics() != nullptr; },
              [&] {
                  gui_test::TypeInto(economics()->Box(EconomicField::CollUnitCost), "432.5");
                  RealInput("key Return");
              })
        .Then([&] { return watch_.Open<EconomicsDialog>(0) == nullptr; },
              [&] { form->EndModal(wxID_CANCEL); });
    ShowFormWith(script, form);
    EXPECT_EQ(
        StoredValue("SELECT [CollUnitCost] FROM [Economics] WHERE [RunId] = ?", g_nCurrentRunId),
        432.5);
}

TEST_F(UnderWindowManager, EscapeOnAChangedNewRunAsksAndNoKeepsTheForm) {
    WelcomeWindow* welcome = gui_test::ChooseLastRun();
    ASSERT_NE(welcome, nullptr);
    // A new run copied from the last one, as the wizard makes it.
    g_nRunCreationMode = RunCreationMode::Copy;
    InputFormDialog form(welcome);
    ASSERT_TRUE(form.Loaded());
    const int newRun = g_nCurrentRunId;
    std::string question;
    bool keptAfterNo = false;
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] {
                  gui_test::TypeInto(form.Comments(), "typed before Escape");
                  RealInput("key Escape");
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
              [&] {
                  question = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                  gui_test::Screenshot("discard-changes" + LanguageSuffix());
                  // No, by its underlined letter in both languages.
                  RealInput("key alt+n");
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(0) == nullptr; },
              [&] {
                  keptAfterNo = form.IsModal() && form.IsShownOnScreen() &&
                                form.Comments().GetValue() == "typed before Escape";
                  form.Discard();
                  form.EndModal(wxID_CANCEL);
              });
    EXPECT_TRUE(script.RunWith([&] { form.ShowModal(); }));
    g_nRunCreationMode = RunCreationMode::Existing;
    EXPECT_EQ(question, LoadResString(kStrDiscardRunChanges));
    EXPECT_TRUE(keptAfterNo);
    EXPECT_EQ(StoredValue("SELECT COUNT(*) FROM [Runs] WHERE [RunId] = ?", newRun), 0);
}

TEST_F(UnderWindowManager, NoToReplacingASavedReportsPicturesGoesBackToTheChooser) {
    const test::ScopedTempDir folder;
    const std::filesystem::path page = folder.path() / "pool.html";
    const std::filesystem::path charts = folder.path() / "pool_files";
    std::filesystem::create_directory(charts);
    test::WriteFile(charts / "chart.gif", "kept");
    InputFormDialog* form = nullptr;
    std::string question;
    bool backInChooser = false;
    int choosersOpened = 0;
    auto chooser = [this](int settled) { return watch_.Open<wxFileDialog>(settled); };
    InputScript script;
    script
        .Then([&] { return FormReady(); },
              [&] { gui_test::ClickOn(*form->FindWindow(InputFormDialog::ID_REPORT)); })
        .Then(PageShown, [] { gui_test::ClickOn(OpenReportWindow()->View()); })
        // File > Save As, by its keys in both languages.
        .Then([] { return OpenReportWindow()->IsActive(); },
              [] {
                  RealInput(std::string("key alt+f sleep 0.3 key ") +
                            (g_nLanguage == Language::French ? "s" : "a"));
              })
        .Then([&] { return chooser(500) != nullptr; },
              [&] {
                  choosersOpened = watch_.Opened<wxFileDialog>();
                  RealInput("key ctrl+a type --delay 20 '" + page.string() + "'");
                  RealInput("sleep 0.5 key Return");
              })
        .Then([&] { return watch_.Open<wxMessageDialog>(500) != nullptr; },
              [&] {
                  question = FromWx(watch_.Open<wxMessageDialog>()->GetMessage());
                  RealInput("key alt+n");
              })
        .Then(
            [&] {
                return watch_.Opened<wxFileDialog>() > choosersOpened && chooser(500) != nullptr;
            },
            [&] {
                backInChooser = true;
                RealInput("key Escape");
            })
        .Then([&] { return chooser(0) == nullptr; }, [] { OpenReportWindow()->Close(); })
        .Then([] { return OpenReportWindow() == nullptr; }, [&] { form->EndModal(wxID_CANCEL); });
    ShowFormWith(script, form);
    EXPECT_EQ(question, FormatResString(kStrReplaceSavedCharts, charts.string()));
    EXPECT_TRUE(backInChooser);
    EXPECT_FALSE(std::filesystem::exists(page));
    EXPECT_EQ(test::ReadFile(charts / "chart.gif"), "kept");
}

}  // namespace
