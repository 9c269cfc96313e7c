// TidewarmPro's windows under a virtual display: the main frame, a project's window and its
// report, the enable rules of the input commands, Simulate and Save with their failures, the
// print preview, the splash and progress windows.
#include <unistd.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
// Notices are wx's generic message window, which keeps each sentence on one line.
#include <wx/evtloop.h>
#include <wx/generic/msgdlgg.h>
#include <wx/html/helpfrm.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "collector_dialogs.h"
#include "command_ids.h"
#include "dialog_exchange.h"
#include "file_lock.h"
#include "input_commands.h"
#include "input_window.h"
#include "main_frame.h"
#include "program_folders.h"
#include "program_language.h"
#include "project_document.h"
#include "report_view.h"
#include "simulator_strings.h"
#include "small_windows.h"
#include "test_support.h"
#include "tidewarm_app.h"
#include "window_test_support.h"

namespace fs = std::filesystem;
using gui_test::ExpectMessage;
using gui_test::PumpUntil;
using gui_test::SendCommand;

namespace {

CProjectDocument* CurrentProject() {
    return wxDynamicCast(TheApp().DocManager().GetCurrentDocument(), CProjectDocument);
}

CTidewarmView& ViewOf(CProjectDocument& document) {
    return *wxStaticCast(document.GetFirstView(), CTidewarmView);
}

bool ShownInItalics(CProjectDocument& document) {
    return ViewOf(document).ReportControl()->GetFont().GetStyle() == wxFONTSTYLE_ITALIC;
}

wxFrame& ProjectFrame(CProjectDocument& document) {
    return *wxStaticCast(ViewOf(document).GetFrame(), wxFrame);
}

CProjectDocument* OpenProject(const fs::path& path) {
    wxDocument* opened = TheApp().DocManager().CreateDocument(path.string(), wxDOC_SILENT);
    return wxDynamicCast(opened, CProjectDocument);
}

void Close(CProjectDocument* document) {
    ASSERT_NE(document, nullptr);
    document->Modify(false);
    TheApp().DocManager().CloseDocument(document, true);
    wxYield();
}

// Updates the project window's menus as opening them does, then reads the item's state.
bool MenuItemEnabled(wxFrame& frame, int id) {
    wxMenu* menu = nullptr;
    const wxMenuItem* item = frame.GetMenuBar()->FindItem(id, &menu);
    if (item == nullptr) return false;
    menu->UpdateUI(&frame);
    return item->IsEnabled();
}

// A report of `lineCount` numbered lines next to the project.
void WriteReport(const fs::path& projectPath, int lineCount) {
    std::ofstream report(ReportFileName(projectPath.string()));
    for (int line = 1; line <= lineCount; ++line) report << "REPORT LINE " << line << "\n";
}

// The sample project written at `path` with a report of `reportLines` lines, then opened.
CProjectDocument* OpenProjectWithReport(const fs::path& path, int reportLines) {
    gui_test::WriteProject(path);
    WriteReport(path, reportLines);
    return OpenProject(path);
}

}  // namespace

TEST(Splash, AClickAnywhereEndsIt) {
    // The start's splash ends by itself after a few seconds, which the tests before this one may
    // have taken on a loaded machine: then one that waits longer is shown the same way.
    if (TheApp().Splash() == nullptr) {
        TheApp().ShowSplash(60000);
        PumpUntil([] { return TheApp().Splash()->IsShownOnScreen(); }, 3000);
    }
    ASSERT_NE(TheApp().Splash(), nullptr);
    const wxPoint splashMiddle =
        TheApp().Splash()->GetScreenRect().GetPosition() + TheApp().Splash()->GetSize() / 2;
    const wxPoint frameMiddle =
        TheApp().MainFrame().GetScreenRect().GetPosition() + TheApp().MainFrame().GetSize() / 2;
    EXPECT_LE(std::abs(splashMiddle.x - frameMiddle.x), 2) << "centred on the main frame";
    EXPECT_LE(std::abs(splashMiddle.y - frameMiddle.y), 2);
    const wxRect status = TheApp().MainFrame().GetStatusBar()->GetScreenRect();
    wxUIActionSimulator mouse;
    mouse.MouseMove(status.GetLeftTop() + wxPoint(10, status.height / 2));
    mouse.MouseClick();
    EXPECT_TRUE(PumpUntil([] { return TheApp().Splash() == nullptr; }, 3000));
}

TEST(Start, OpensNoProjectItsCommandLineNames) {
    ASSERT_EQ(wxTheApp->argc, 2);
    EXPECT_EQ(wxTheApp->argv[1], gui_test::kCommandLineProject);
    ASSERT_TRUE(fs::exists(fs::path(g_strDataFolder) / gui_test::kCommandLineProject));
    EXPECT_EQ(gui_test::ProjectsOpenAtStart(), 0);
}

TEST(MainFrame, HasItsMenusToolbarAndFourStatusPanes) {
    CMainFrame& frame = TheApp().MainFrame();
    wxMenuBar* menus = frame.GetMenuBar();
    ASSERT_EQ(menus->GetMenuCount(), 4u);
    EXPECT_EQ(menus->GetMenuLabelText(0), "File");
    EXPECT_EQ(menus->GetMenuLabelText(3), "Help");
    for (int id : std::initializer_list<int>{wxID_NEW, wxID_OPEN, wxID_PRINT_SETUP, wxID_EXIT,
                                             kCmdToggleToolbar, kCmdToggleStatusBar,
                                             kCmdSetLanguage, wxID_HELP_CONTENTS, wxID_ABOUT})
        EXPECT_NE(menus->FindItem(id), nullptr) << id;
    EXPECT_EQ(menus->FindItem(kCmdSimulate), nullptr);
    EXPECT_EQ(TheApp().DocManager().GetFileHistory()->GetMaxFiles(), 4u) << "recent files";

    wxToolBar* toolbar = frame.GetToolBar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->GetToolsCount(), 11u);  // nine buttons, two separators
    for (int id : std::initializer_list<int>{wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_CUT, wxID_COPY,
                                             wxID_PASTE, wxID_PRINT, wxID_ABOUT, wxID_HELP_CONTEXT})
        EXPECT_NE(toolbar->FindById(id), nullptr) << id;

    wxStatusBar* status = frame.GetStatusBar();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->GetFieldsCount(), CMainFrame::kPaneCount);
    EXPECT_EQ(status->GetStatusText(CMainFrame::kMessagePane), "Ready");
}

TEST(MainFrame, RecentFilesStandAboveExit) {
    wxFileHistory& history = *TheApp().DocManager().GetFileHistory();
    wxArrayString kept;
    while (history.GetCount() > 0) {
        kept.Insert(history.GetHistoryFile(0), 0);
        history.RemoveFileFromHistory(0);
    }
    wxMenu& file = *TheApp().MainFrame().GetMenuBar()->GetMenu(0);
    const std::size_t itemsWithoutFiles = file.GetMenuItemCount();
    history.AddFileToHistory("/tmp/first.tdw");
    history.AddFileToHistory("/tmp/pool & spa.tdw");
    std::size_t setup = 0, recent = 0, exit = 0;
    ASSERT_NE(file.FindChildItem(wxID_PRINT_SETUP, &setup), nullptr);
    ASSERT_NE(file.FindChildItem(wxID_FILE1, &recent), nullptr);
    ASSERT_NE(file.FindChildItem(wxID_EXIT, &exit), nullptr);
    // Print Setup, a separator, the files newest first, a separator, Exit last.
    EXPECT_EQ(recent, setup + 2);
    EXPECT_EQ(file.FindItemByPosition(recent)->GetItemLabelText(), "1 /tmp/pool & spa.tdw");
    EXPECT_EQ(file.FindItemByPosition(recent + 1)->GetItemLabelText(), "2 /tmp/first.tdw");
    EXPECT_TRUE(file.FindItemByPosition(recent + 2)->IsSeparator());
    EXPECT_EQ(exit, recent + 3);
    EXPECT_EQ(exit, file.GetMenuItemCount() - 1);
    history.RemoveFileFromHistory(0);
    history.RemoveFileFromHistory(0);
    EXPECT_EQ(file.GetMenuItemCount(), itemsWithoutFiles);
    for (const wxString& path : kept) history.AddFileToHistory(path);
}

TEST(MainFrame, F1OpensTheHelpBook) {
    SendCommand(TheApp().MainFrame(), wxID_HELP);
    wxHtmlHelpFrame* help = nullptr;
    EXPECT_TRUE(PumpUntil([&help] {
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* found = dynamic_cast<wxHtmlHelpFrame*>(window)) help = found;
        }
        return help != nullptr;
    }));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->GetTitle().Contains("Getting started")) << help->GetTitle();
    help->Close(true);
    wxYield();
}

TEST(NewProject, IsNamedEmptyItalicAndFollowsTheEnableRules) {
    SendCommand(TheApp().MainFrame(), wxID_NEW);
    CProjectDocument* project = CurrentProject();
    ASSERT_NE(project, nullptr);
    EXPECT_TRUE(project->GetUserReadableName().StartsWith("Tidewarm"));
    EXPECT_TRUE(project->GetUserReadableName().Mid(8).IsNumber());
    EXPECT_TRUE(ViewOf(*project).ReportControl()->IsEmpty());
    EXPECT_TRUE(ShownInItalics(*project));

    wxFrame& frame = ProjectFrame(*project);
    CTidewarmDoc& model = project->Project();
    model.UseSolar = 0;
    model.UseExchanger = 1;
    for (int id :
         {kCmdCollectorTestData, kCmdCollectorUseData, kCmdPipingData, kCmdHeatExchangerData})
        EXPECT_FALSE(MenuItemEnabled(frame, id)) << id;
    EXPECT_TRUE(MenuItemEnabled(frame, kCmdPoolDesignData));
    EXPECT_TRUE(MenuItemEnabled(frame, kCmdSimulate));
    model.UseSolar = 1;
    model.UseExchanger = 0;
    for (int id : {kCmdCollectorTestData, kCmdCollectorUseData, kCmdPipingData})
        EXPECT_TRUE(MenuItemEnabled(frame, id)) << id;
    EXPECT_FALSE(MenuItemEnabled(frame, kCmdHeatExchangerData));
    model.HourlyOutput = 0;
    EXPECT_FALSE(MenuItemEnabled(frame, kCmdHourlyPool));
    Close(project);
}

TEST(NewProject, AnInputCommandCopiesBackOnOKOnlyAndMarksTheProjectChanged) {
    SendCommand(TheApp().MainFrame(), wxID_NEW);
    CProjectDocument* project = CurrentProject();
    ASSERT_NE(project, nullptr);
    bool answer = false;
    SetInputWindow(CPipesDlg::kTemplate, [&answer](wxWindow*, InputDialog& dialog) {
        auto& pipes = dynamic_cast<CPipesDlg&>(dialog);
        EXPECT_DOUBLE_EQ(pipes.inletInside, 5);  // filled from the project
        pipes.inletInside = 7;
        return answer;
    });
    SendCommand(ProjectFrame(*project), kCmdPipingData);
    double length = 0;
    double loss = 0;
    project->Project().inletPipeInside.GetParameters(loss, length);
    EXPECT_DOUBLE_EQ(length, 5);
    EXPECT_FALSE(project->IsModified());

    answer = true;
    SendCommand(ProjectFrame(*project), kCmdPipingData);
    project->Project().inletPipeInside.GetParameters(loss, length);
    EXPECT_DOUBLE_EQ(length, 7);
    EXPECT_TRUE(project->IsModified());
    EXPECT_TRUE(ShownInItalics(*project));
    SetInputWindow(CPipesDlg::kTemplate, nullptr);
    Close(project);
}

TEST(NewProject, SimulateAsksForANameAndRefusesWhenCancelled) {
    SendCommand(TheApp().MainFrame(), wxID_NEW);
    CProjectDocument* project = CurrentProject();
    ASSERT_NE(project, nullptr);
    wxTEST_DIALOG(SendCommand(ProjectFrame(*project), kCmdSimulate),
                  wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL),
                  ExpectMessage("File not saved. Cannot run simulation."));
    EXPECT_FALSE(project->GetDocumentSaved());
    Close(project);
}

TEST(OpenedProject, ShowsItsReportUprightWhenNewerAndItalicWhenOlder) {
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    CProjectDocument* project = OpenProjectWithReport(path, 3);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(ViewOf(*project).ReportControl()->GetLineText(1), "REPORT LINE 2");
    EXPECT_FALSE(ShownInItalics(*project));
    EXPECT_FALSE(project->IsModified());
    Close(project);

    const fs::path report = ReportFileName(path.string());
    fs::last_write_time(report, fs::last_write_time(path) - std::chrono::hours(1));
    project = OpenProject(path);
    ASSERT_NE(project, nullptr);
    EXPECT_TRUE(ShownInItalics(*project));
    Close(project);
}

// Open refuses a project holding a value its dialog would refuse, naming the file, the line
// and the value, and opens nothing.
TEST(OpenedProject, AValueOutsideItsDialogsRangeIsRefusedWithItsFileAndLine) {
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    gui_test::WriteProject(path);
    const std::string valid = test::ReadFile(path);
    std::unique_ptr<CTidewarmDoc> document = LoadProjectFile(path.string());
    ASSERT_TRUE(document);
    CAuxHeaterDlg heater;
    ASSERT_TRUE(Fill(*document, heater));
    heater.setPoint = 200;
    ASSERT_TRUE(CopyBack(heater, *document));
    ASSERT_EQ(SaveProjectFile(*document, path.string()), 0);
    // The fuel-fired heater's record is the one line that changed.
    std::istringstream before(valid), after(test::ReadFile(path));
    std::string a, b;
    int line = 1;
    while (std::getline(before, a) && std::getline(after, b) && a == b) ++line;
    CProjectDocument* project = nullptr;
    wxTEST_DIALOG(project = OpenProject(path),
                  ExpectMessage("File " + path.string() + ", line " + std::to_string(line) +
                                ": the value 200 is refused. Please enter a number between 0 "
                                "and 50."),
                  ExpectMessage("I/O Error. Cannot read from file.\nFile " + path.string() +
                                ", line " + std::to_string(line) + "."));
    EXPECT_EQ(project, nullptr);
}

TEST(OpenedProject, SimulateWritesTheResultsAndShowsTheNewReportUpright) {
    test::ScopedTempDir folder;
    test::InstallMessageFile();
    const fs::path path = folder.path() / "pool.tdw";
    gui_test::WriteProject(path);
    CProjectDocument* project = OpenProject(path);
    ASSERT_NE(project, nullptr);
    ASSERT_TRUE(ShownInItalics(*project));

    SendCommand(ProjectFrame(*project), kCmdSimulate);
    EXPECT_TRUE(fs::exists(folder.path() / "pool.mly"));
    const wxString shown = ViewOf(*project).ReportControl()->GetValue();
    EXPECT_EQ(shown, wxString::FromUTF8(test::ReadFile(ReportFileName(path.string()))));
    EXPECT_FALSE(shown.empty());
    EXPECT_FALSE(ShownInItalics(*project));
    gui_test::Screenshot("project");
    Close(project);
}

// While another simulation holds the data folder, Simulate waits, then is refused as a batch
// run is, and writes nothing.
TEST(OpenedProject, SimulateWhileAnotherSimulationHoldsTheDataFolderIsRefused) {
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    gui_test::WriteProject(path);
    CProjectDocument* project = OpenProject(path);
    ASSERT_NE(project, nullptr);
    FileLock other;
    ASSERT_EQ(other.Acquire(SimulationLockPath(g_strDataFolder), std::chrono::milliseconds(0)),
              FileLock::Outcome::kHeld);
    wxTEST_DIALOG(SendCommand(ProjectFrame(*project), kCmdSimulate),
                  ExpectMessage(FormatResString(kStrAnotherSimulation, g_strDataFolder)));
    EXPECT_FALSE(fs::exists(folder.path() / "pool.mly"));
    Close(project);
}

TEST(OpenedProject, SaveIntoAReadOnlyFolderShowsTheErrorAndKeepsTheOldFile) {
    test::ScopedTempDir folder;
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    const fs::path path = locked / "pool.tdw";
    gui_test::WriteProject(path);
    const std::string before = test::ReadFile(path);
    CProjectDocument* project = OpenProject(path);
    ASSERT_NE(project, nullptr);
    project->Project().NumDays = 99;
    project->Modify(true);

    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    // Permissions do not hold for root: the save runs as another user then.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    bool saved = true;
    wxTEST_DIALOG(saved = project->Save(),
                  ExpectMessage("Cannot open file.\n" + path.string() + ": Permission denied"));
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    fs::permissions(locked, fs::perms::owner_all);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(project->IsModified());
    EXPECT_EQ(test::ReadFile(path), before);
    EXPECT_EQ(fs::directory_iterator(locked)->path(), path);  // nothing else left there
    Close(project);
}

TEST(OpenedProject, PrintPreviewShowsTheReportsPages) {
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    CProjectDocument* project = OpenProjectWithReport(path, 400);
    ASSERT_NE(project, nullptr);
    // A main frame that the user made larger than the screen: the preview still fits it.
    CMainFrame& mainFrame = TheApp().MainFrame();
    const wxRect mainRect = mainFrame.GetRect();
    const wxRect area = WorkAreaOf(mainFrame);
    mainFrame.SetSize(area.GetSize() + wxSize(200, 200));

    SendCommand(mainFrame, wxID_PREVIEW);
    wxPrintPreviewBase* preview = nullptr;
    wxPreviewFrame* previewFrame = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* found = dynamic_cast<wxPreviewFrame*>(window)) previewFrame = found;
    }
    mainFrame.SetSize(mainRect);
    ASSERT_NE(previewFrame, nullptr);
    EXPECT_TRUE(area.Contains(previewFrame->GetScreenRect()))
        << previewFrame->GetScreenRect().width;
    for (wxWindow* child : previewFrame->GetChildren()) {
        if (auto* controls = dynamic_cast<wxPreviewControlBar*>(child))
            preview = controls->GetPrintPreview();
    }
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return preview->GetMaxPage() > 1; }));
    // A page holds some tens of lines.
    EXPECT_GE(preview->GetMaxPage(), 400 / 100);
    EXPECT_LE(preview->GetMaxPage(), 400 / 20);
    gui_test::Screenshot("preview");
    previewFrame->Close(true);
    wxYield();
    Close(project);
}

TEST(MainFrame, FitsTheWorkAreaOfItsScreen) {
    const CMainFrame& frame = TheApp().MainFrame();
    const int index = wxDisplay::GetFromWindow(&frame);
    ASSERT_NE(index, wxNOT_FOUND);
    const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
    EXPECT_TRUE(area.Contains(frame.GetScreenRect())) << frame.GetScreenRect().GetBottom();
    EXPECT_TRUE(area.Contains(frame.GetStatusBar()->GetScreenRect()));
}

// The italic font of an out-of-date report is applied after an input dialog's OK: the report
// stays where it was, its first lines in view.
TEST(OpenedProject, OutOfDateFontKeepsTheReportWhereItWas) {
    if (wxSplashScreen* splash = TheApp().Splash()) splash->Destroy();
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    CProjectDocument* project = OpenProjectWithReport(path, 400);
    ASSERT_NE(project, nullptr);
    wxTextCtrl& report = *ViewOf(*project).ReportControl();
    const auto topLine = [&report] {
        long column = 0, line = -1;
        report.HitTest(wxPoint(report.FromDIP(8), report.FromDIP(8)), &column, &line);
        return line;
    };
    PumpUntil([&] { return report.IsShownOnScreen() && topLine() == 0; }, 3000);
    ASSERT_EQ(topLine(), 0);
    ASSERT_FALSE(ShownInItalics(*project));

    gui_test::ModalWatch watch;
    gui_test::InputScript script;
    script.Then([&watch] { return watch.Open<CInputWindow>() != nullptr; },
                [&watch] { gui_test::ClickOn(*watch.Open<CInputWindow>()->FindWindow(wxID_OK)); });
    EXPECT_TRUE(script.RunWith([&] { SendCommand(ProjectFrame(*project), kCmdConfigure); }));
    EXPECT_TRUE(ShownInItalics(*project));
    PumpUntil([] { return false; }, 500);  // the control laid out in its new font
    EXPECT_EQ(topLine(), 0);
    EXPECT_EQ(report.GetInsertionPoint(), 0);
    Close(project);
}

TEST(OpenedProject, ABatchTemplateOpensFromFileOpenInTheDataFolder) {
    if (wxSplashScreen* splash = TheApp().Splash()) splash->Destroy();
    const fs::path copy = fs::path(g_strDataFolder) / "pool.tpl";
    fs::copy_file(fs::path(g_strProgramFolder) / "resingr.tpl", copy,
                  fs::copy_options::overwrite_existing);
    wxMenuBar& menus = *TheApp().MainFrame().GetMenuBar();
    gui_test::ModalWatch watch;
    wxString startFolder;
    gui_test::InputScript script;
    // File, then its second item (Open...); in the file chooser, the location typed.
    script
        .Then([] { return true; },
              [&menus] {
                  const wxRect bar = menus.GetScreenRect();
                  gui_test::RealInput("mousemove --sync " + std::to_string(bar.x + 15) + " " +
                                      std::to_string(bar.y + bar.height / 2) + " click 1");
              })
        .Then([] { return true; }, [] { gui_test::RealInput("sleep 0.5 key Down Down Return"); })
        .Then(
            [&watch] { return watch.Open<wxFileDialog>(800) != nullptr; },
            [&] {
                startFolder = watch.Open<wxFileDialog>()->GetDirectory();
                gui_test::RealInput("key ctrl+l sleep 0.3 type --delay 20 '" + copy.string() + "'");
                gui_test::RealInput("sleep 0.3 key Return");
            });
    CProjectDocument* opened = nullptr;
    EXPECT_TRUE(script.RunWith([&] {
        PumpUntil(
            [&] {
                opened = CurrentProject();
                return opened != nullptr && opened->GetFilename().EndsWith(".tpl");
            },
            20000);
    }));
    EXPECT_EQ(startFolder, wxString::FromUTF8(g_strDataFolder));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetFilename(), wxString::FromUTF8(copy.string()));
    EXPECT_EQ(watch.Opened<wxMessageDialog>(), 0);
    Close(opened);
    fs::remove(copy);
}

TEST(ProgressWindow, ShowsTheDayOfTheRun) {
    CRunningWindow window;
    EXPECT_EQ(window.Text(), "Running...");
    CRunningDlg progress;
    progress.SetProgress(10, 365);
    EXPECT_EQ(window.Text(), "Simulating day 10/365...");
    gui_test::Screenshot("progress");
}

// Context help as a user asks for it: Shift+F1 turns the pointer into the question mark, and the
// next click opens the help page of the window it hits.
TEST(OpenedProject, ShiftF1ThenAClickOnTheReportOpensItsHelpPage) {
    if (wxSplashScreen* splash = TheApp().Splash()) splash->Destroy();
    test::ScopedTempDir folder;
    const fs::path path = folder.path() / "pool.tdw";
    CProjectDocument* project = OpenProjectWithReport(path, 40);
    ASSERT_NE(project, nullptr);
    wxTextCtrl& report = *ViewOf(*project).ReportControl();
    ASSERT_TRUE(PumpUntil([&] { return report.IsShownOnScreen(); }, 3000));
    const wxPoint middle = report.GetScreenRect().GetPosition() + report.GetSize() / 2;
    const std::string pointAtReport =
        "mousemove --sync " + std::to_string(middle.x) + " " + std::to_string(middle.y);
    wxHtmlHelpFrame* help = nullptr;
    const auto reportPageShown = [&help] {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* found = dynamic_cast<wxHtmlHelpFrame*>(window)) help = found;
        return help != nullptr && help->GetTitle().Contains("The report");
    };
    gui_test::InputScript script;
    // A click gives the report the keyboard, then Shift+F1; the mode holds the pointer until the
    // next click.
    script
        .Then([] { return true; },
              [&] { gui_test::RealInput(pointAtReport + " click 1 sleep 0.3 key shift+F1"); })
        .Then([] { return wxWindow::GetCapture() != nullptr; },
              [] { gui_test::RealInput("click 1"); });
    EXPECT_TRUE(script.RunWith([&] {
        // The mode's own loop runs inside the program's main loop: one runs here as well.
        wxGUIEventLoop loop;
        const wxLongLong deadline = wxGetLocalTimeMillis() + 20000;
        wxTimer watch;
        watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (reportPageShown() || wxGetLocalTimeMillis() > deadline) loop.Exit();
        });
        watch.Start(50);
        loop.Run();
    }));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->GetTitle().Contains("The report")) << help->GetTitle();
    help->Close(true);
    wxYield();
    Close(project);
}

namespace {

// The language window expected next: the button labelled `label` chosen, then OK.
class ChooseLanguage : public wxExpectModalBase<wxDialog, ChooseLanguage> {
  public:
    explicit ChooseLanguage(const char* label) : label_(wxString::FromUTF8(label)) {}

  protected:
    int OnInvoked(wxDialog* dialog) const override {
        auto* choice = dynamic_cast<wxRadioBox*>(dialog->FindWindow(CLanguageDlg::kEnglishButton));
        EXPECT_NE(choice, nullptr);
        const int button = choice != nullptr ? choice->FindString(label_) : wxNOT_FOUND;
        EXPECT_NE(button, wxNOT_FOUND) << label_;
        if (button != wxNOT_FOUND) choice->SetSelection(button);
        return wxID_OK;
    }

  private:
    wxString label_;
};

// The program's notices are generic message boxes.
using ExpectNotice = gui_test::ExpectMessageIn<wxGenericMessageDialog>;

}  // namespace

// The other language is told in that language and holds from the next start (the test's main
// checks the configuration file that the program's end writes); the language in force is
// chosen without a word.
TEST(SetLanguage, TheOtherLanguageIsToldInItTheSameOneSilently) {
    ASSERT_EQ(app::Language, Language::English);
    wxTEST_DIALOG(SendCommand(TheApp().MainFrame(), kCmdSetLanguage), ChooseLanguage("Français"),
                  ExpectNotice(wxString::FromUTF8("Veuillez redémarrer Tidewarm pour que le "
                                                  "changement de langue prenne effet.")));
    EXPECT_EQ(app::PendingLanguage, Language::French);
    EXPECT_EQ(app::Language, Language::English)
        << "the language in force changes at the next start";
    wxTEST_DIALOG(SendCommand(TheApp().MainFrame(), kCmdSetLanguage), ChooseLanguage("English"));
    EXPECT_EQ(app::PendingLanguage, Language::English);
    app::PendingLanguage = Language::French;
    // English chosen while French is pending: told in English.
    app::Language = Language::French;
    wxTEST_DIALOG(SendCommand(TheApp().MainFrame(), kCmdSetLanguage), ChooseLanguage("English"),
                  ExpectNotice("Please restart Tidewarm for the language change to take effect."));
    app::Language = Language::English;
    app::PendingLanguage = Language::French;
}
