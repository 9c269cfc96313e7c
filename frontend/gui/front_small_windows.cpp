#include "front_small_windows.h"

#include <vector>

#include "window_texts.h"
#include "wx_text.h"

namespace {

constexpr int kSplashMilliseconds = 2000;

// The wait windows that exist, in the order they opened.
std::vector<WaitWindow*> g_openWaitWindows;

}  // namespace

WaitWindow::WaitWindow(const wxString& text)
    // Not kept on top: a dialog of the program opened meanwhile stands over it.
    : frame_(new wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                         wxFRAME_NO_TASKBAR | wxBORDER_SIMPLE)) {
    g_openWaitWindows.push_back(this);
    wxBeginBusyCursor();
    auto* panel = new wxPanel(frame_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(panel, wxID_ANY, text), 0, wxALL | wxALIGN_CENTER, 20);
    panel->SetSizer(sizer);
    sizer->SetSizeHints(frame_);
    frame_->Centre();
    frame_->Show();
    frame_->Update();
    wxYield();
}

WaitWindow::~WaitWindow() {
    Close();
    std::erase(g_openWaitWindows, this);
}

void WaitWindow::Close() {
    if (frame_ == nullptr) return;
    frame_->Destroy();
    frame_ = nullptr;
    wxEndBusyCursor();
}

void WaitWindow::CloseAll() {
    for (WaitWindow* window : g_openWaitWindows) window->Close();
}

void FrontMessageBoxes::Show(std::string_view text, MessageKind kind) {
    WaitWindow::CloseAll();
    boxes_.Show(text, kind);
}

bool FrontMessageBoxes::AskYesNo(std::string_view question, bool unattendedAnswer) {
    WaitWindow::CloseAll();
    return boxes_.AskYesNo(question, unattendedAnswer);
}

void WaitWindowProgress::SetText(std::string_view text) {
    window_.reset();
    if (!text.empty()) window_ = std::make_unique<WaitWindow>(ToWx(text));
}

void ShowSplash(wxWindow* parent) {
    wxBitmap picture(360, 160);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(wxBrush(wxColour(0, 96, 160)));
        dc.Clear();
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFont(wxFontInfo(28).Bold()));
        dc.DrawText("Tidewarm", 30, 40);
        dc.SetFont(wxFont(wxFontInfo(11)));
        dc.DrawText("3.0", 32, 100);
    }
    // The splash window deletes itself when its time is up or at a click or key.
    new wxSplashScreen(picture, wxSPLASH_CENTRE_ON_SCREEN | wxSPLASH_TIMEOUT, kSplashMilliseconds,
                       parent, wxID_ANY);
}

void ShowAbout(wxWindow* parent) {
    wxAboutDialogInfo about;
    about.SetName("Tidewarm");
    about.SetVersion("3.0");
    about.SetDescription(ResText(kStrAboutText));
    wxAboutBox(about, parent);
}
