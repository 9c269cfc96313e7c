#include "tidewarm_app.h"

#include <algorithm>

#include "command_ids.h"
#include "dialog_windows.h"
#include "document.h"
#include "main_frame.h"
#include "program_config.h"
#include "program_folders.h"
#include "program_icon.h"
#include "project_document.h"
#include "report_view.h"
#include "simulator_strings.h"
#include "small_windows.h"
#include "tidewarmpro_icon.xpm"
#include "wx_text.h"
#include "wx_translations.h"

namespace {

// The splash window stays this long unless a key or button is pressed.
constexpr int kSplashMilliseconds = 4000;
// Recent files in the File menu.
constexpr int kRecentFileCount = 4;
// Page margins of a new page set-up, mm.
constexpr int kPageMargin = 20;

bool IsPress(wxEventType type) {
    return type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
           type == wxEVT_MIDDLE_DOWN;
}

}  // namespace

bool CProjectTemplate::FileMatchesTemplate(const wxString& path) {
    return IsProjectFile(FromWx(path)) || wxDocTemplate::FileMatchesTemplate(path);
}

void CRecentFiles::UseMenu(wxMenu* menu) {
    if (std::find(menus_.begin(), menus_.end(), menu) == menus_.end()) menus_.push_back(menu);
}

void CRecentFiles::RemoveMenu(wxMenu* menu) {
    std::erase(menus_, menu);
}

void CRecentFiles::AddFileToHistory(const wxString& file) {
    wxFileHistory::AddFileToHistory(file);
    AddFilesToMenu();
}

void CRecentFiles::RemoveFileFromHistory(std::size_t i) {
    wxFileHistory::RemoveFileFromHistory(i);
    AddFilesToMenu();
}

void CRecentFiles::AddFilesToMenu() {
    for (wxMenu* menu : menus_) AddFilesToMenu(menu);
}

void CRecentFiles::AddFilesToMenu(wxMenu* menu) {
    std::size_t setup = 0, exit = 0;
    if (menu->FindChildItem(wxID_PRINT_SETUP, &setup) == nullptr ||
        menu->FindChildItem(wxID_EXIT, &exit) == nullptr)
        return;
    // What stands between them: the separator under Print Setup, then the files shown before
    // with their own separator.
    const std::size_t first = setup + 2;
    for (std::size_t i = exit; i > first; --i) menu->Destroy(menu->FindItemByPosition(i - 1));
    for (std::size_t i = 0; i < GetCount(); ++i) {
        wxString path = GetHistoryFile(i);
        path.Replace("&", "&&");
        menu->Insert(first + i, GetBaseId() + static_cast<int>(i),
                     wxString::Format("&%zu %s", i + 1, path));
    }
    if (GetCount() > 0) menu->InsertSeparator(first + GetCount());
}

wxString CTidewarmDocManager::MakeNewDocumentName() {
    return wxString::Format("Tidewarm%d", ++newDocumentCount_);
}

wxFileHistory* CTidewarmDocManager::OnCreateFileHistory() {
    return new CRecentFiles(kRecentFileCount);
}

wxPreviewFrame* CTidewarmDocManager::CreatePreviewFrame(wxPrintPreviewBase* preview,
                                                        wxWindow* parent, const wxString& title) {
    wxSize size = wxDefaultSize;
    if (parent != nullptr) {
        // The framework then centres the frame on its parent, within the same work area.
        size = parent->GetSize();
        size.DecTo(WorkAreaOf(*parent).GetSize());
    }
    return new wxPreviewFrame(preview, parent, title, wxDefaultPosition, size);
}

CTidewarmApp::CTidewarmApp() {
    Bind(wxEVT_MENU, &CTidewarmApp::OnAbout, this, wxID_ABOUT);
    Bind(wxEVT_MENU, &CTidewarmApp::OnSetLanguage, this, kCmdSetLanguage);
}

bool CTidewarmApp::OnInit() {
    SetAppName(ResText(kStrRegistryKey));
    SetAppDisplayName(ResText(kStrMainTitle));
    // The main frame's and the project windows' icon.
    UseProgramIcon(wxIcon(kTidewarmProIcon));
    previousSink_ = SetMessageSink(&messageBoxes_);
    UseProgramLanguage(app::Language);
    wxInitAllImageHandlers();

    docManager_ = new CTidewarmDocManager;
    new CProjectTemplate(docManager_, ResText(kStrProjectFilter), "*.tdw", wxString(), "tdw",
                         "Tidewarm.Document", "Tidewarm.View", wxCLASSINFO(CProjectDocument),
                         wxCLASSINFO(CTidewarmView));
    docManager_->FileHistoryLoad(*wxConfigBase::Get());
    // File > Open starts where the projects are kept.
    docManager_->SetLastDirectory(ToWx(g_strDataFolder));
    wxPageSetupDialogData& pageSetup = docManager_->GetPageSetupDialogData();
    pageSetup.SetMarginTopLeft(wxPoint(kPageMargin, kPageMargin));
    pageSetup.SetMarginBottomRight(wxPoint(kPageMargin, kPageMargin));

    RegisterInputWindows();
    mainFrame_ = new CMainFrame(docManager_);
    // The window manager places and sizes the frame once it is shown, after the splash was
    // centred on where it stood before.
    mainFrame_->Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        event.Skip();
        CentreSplash();
    });
    mainFrame_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        CentreSplash();
    });
    SetTopWindow(mainFrame_);
    mainFrame_->Show();

    const std::string helpBook =
        g_strProgramFolder + "/" +
        (app::Language == Language::French ? "TidewarmProFra" : "TidewarmPro") + ".hhp";
    // The controller was built with the application, before the language was known.
    help_.SetTitleFormat(wxGetTranslation("Help: %s"));
    help_.SetParentWindow(mainFrame_);
    help_.AddBook(wxFileName(ToWx(helpBook)));

    ShowSplash(kSplashMilliseconds);
    if (!startMessage_.empty()) ShowMessage(startMessage_);
    // The program starts with no project open, whatever the command line names: a relative name
    // would be looked for in the data folder, which start-up made the current folder.
    return true;
}

int CTidewarmApp::OnExit() {
    if (docManager_ != nullptr) {
        docManager_->FileHistorySave(*wxConfigBase::Get());
        delete docManager_;
        docManager_ = nullptr;
    }
    static_cast<void>(WriteConfig(g_strDataFolder));  // a failure has shown its message
    SetMessageSink(previousSink_);
    return wxApp::OnExit();
}

void CTidewarmApp::ShowSplash(int milliseconds) {
    splash_ = ShowSplashWindow(mainFrame_, milliseconds);
}

void CTidewarmApp::CentreSplash() {
    if (splash_) splash_->CentreOnParent();
}

int CTidewarmApp::FilterEvent(wxEvent& event) {
    if (splash_ && IsPress(event.GetEventType())) {
        splash_->Destroy();
        splash_ = nullptr;
        mainFrame_->Update();
    }
    return Event_Skip;
}

bool CTidewarmApp::OnExceptionInMainLoop() {
    ShowMessage(FormatResString(kStrCommandFailed, CurrentExceptionText()));
    return true;
}

void CTidewarmApp::OnUnhandledException() {
    // The message box itself: OnExit may already have put the sink of the start back.
    messageBoxes_.Show(FormatResString(kStrProgramMustStop, CurrentExceptionText()),
                       MessageKind::Error);
}

void CTidewarmApp::OnAbout(wxCommandEvent&) {
    wxAboutDialogInfo info;
    info.SetName(ResText(kStrRegistryKey));
    info.SetVersion("3.0");
    info.SetDescription(ResText(kStrAboutDescription));
    // Without translators GTK's credits show wx's own placeholder for them.
    if (app::Language == Language::French) info.AddTranslator(ResText(kStrAboutTranslators));
    wxAboutBox(info, mainFrame_);
}

void CTidewarmApp::OnSetLanguage(wxCommandEvent&) {
    CLanguageDlg choice;
    choice.Choose(app::PendingLanguage);
    if (!RunLanguageWindow(mainFrame_, choice)) return;
    app::PendingLanguage = choice.Chosen();
    // The language in force changes only at the next start, which reads the configuration
    // file written at exit.
    if (app::PendingLanguage != app::Language)
        ShowMessage(FromWx(RestartForLanguageText(app::PendingLanguage)), MessageKind::Notice);
}

CTidewarmApp& TheApp() {
    return *static_cast<CTidewarmApp*>(wxTheApp);
}

int RunWindowedProgram(int argc, char** argv, std::string startMessage) {
    auto* application = new CTidewarmApp;
    application->SetStartMessage(std::move(startMessage));
    wxApp::SetInstance(application);
    return wxEntry(argc, argv);
}
