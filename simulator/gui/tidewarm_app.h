// The windowed program: the framework's application with the project documents, the main
// frame, the splash window, help, About and the language choice.
#pragma once

#include <string>
#include <vector>

#include "message_boxes.h"
#include "wx_headers.h"

class CMainFrame;

// The recent files of every File menu, between the separator under Print Setup and Exit (the
// framework's own history would add them below Exit).
class CRecentFiles final : public wxFileHistory {
  public:
    explicit CRecentFiles(std::size_t count) : wxFileHistory(count) {}

    void UseMenu(wxMenu* menu) override;
    void RemoveMenu(wxMenu* menu) override;
    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(std::size_t i) override;
    void AddFilesToMenu() override;
    void AddFilesToMenu(wxMenu* menu) override;

  private:
    std::vector<wxMenu*> menus_;
};

// The framework's document handling with this program's names: new projects are "Tidewarm1",
// "Tidewarm2"..., four recent files, a preview frame the size of the main frame within the work
// area of its screen.
class CTidewarmDocManager final : public wxDocManager {
  public:
    // The base class would create its history in its own constructor, where the override below
    // is not yet called: it is created here instead.
    CTidewarmDocManager() : wxDocManager(0, false) { Initialize(); }

    wxString MakeNewDocumentName() override;
    wxFileHistory* OnCreateFileHistory() override;
    wxPreviewFrame* CreatePreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent,
                                       const wxString& title) override;

  private:
    int newDocumentCount_ = 0;
};

// The project files' template: a file is a project by its content, so a batch template
// (".tpl") opens as well as a ".tdw".
class CProjectTemplate final : public wxDocTemplate {
  public:
    using wxDocTemplate::wxDocTemplate;
    bool FileMatchesTemplate(const wxString& path) override;
};

class CTidewarmApp : public wxApp {
  public:
    CTidewarmApp();
    // What the program's start-up had to say (shown once the main frame stands).
    void SetStartMessage(std::string message) { startMessage_ = std::move(message); }

    bool OnInit() override;
    int OnExit() override;
    // A key or button press anywhere ends the splash window; the event goes on as usual.
    int FilterEvent(wxEvent& event) override;
    // A command ended by an exception: said in a message box, and the program goes on.
    bool OnExceptionInMainLoop() override;
    // The last resort, for an exception outside any command: said before the program ends.
    void OnUnhandledException() override;

    wxDocManager& DocManager() { return *docManager_; }
    CMainFrame& MainFrame() { return *mainFrame_; }
    wxHtmlHelpController& Help() { return help_; }
    wxSplashScreen* Splash() { return splash_.get(); }
    // Shows the splash window over the main frame: it ends after `milliseconds`, or at the first
    // key or button press.
    void ShowSplash(int milliseconds);

  private:
    // Keeps the splash window centred on the main frame.
    void CentreSplash();
    void OnAbout(wxCommandEvent&);
    void OnSetLanguage(wxCommandEvent&);

    std::string startMessage_;
    MessageBoxSink messageBoxes_;
    MessageSink* previousSink_ = nullptr;
    wxDocManager* docManager_ = nullptr;
    CMainFrame* mainFrame_ = nullptr;
    wxHtmlHelpController help_;
    wxWeakRef<wxSplashScreen> splash_;
};

// The application object in force.
CTidewarmApp& TheApp();

// Runs the windowed program to its end; its exit code. `startMessage`: what start-up had to say.
int RunWindowedProgram(int argc, char** argv, std::string startMessage);
