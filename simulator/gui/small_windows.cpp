#include "small_windows.h"

#include "simulator_strings.h"
#include "wx_text.h"

CRunningWindow::CRunningWindow()
    : wxDialog(nullptr, wxID_ANY, wxTheApp->GetAppDisplayName(), wxDefaultPosition, wxDefaultSize,
               wxCAPTION) {
    text_ = new wxStaticText(this, CRunningDlg::kText, ResText(kStrRunning), wxDefaultPosition,
                             wxSize(FromDIP(260), -1), wxST_NO_AUTORESIZE);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(text_, wxSizerFlags().Expand().Border(wxALL, FromDIP(20)));
    SetSizerAndFit(sizer);
    Centre();
    Show();
    previous_ = SetProgress(this);
    SetText(FromWx(text_->GetLabel()));
}

CRunningWindow::~CRunningWindow() {
    SetProgress(previous_);
}

void CRunningWindow::SetText(std::string_view text) {
    text_->SetLabel(ToWx(text));
    // The run holds the only thread: let the window paint, and nothing else happen meanwhile.
    wxSafeYield(this, true);
}

bool RunLanguageWindow(wxWindow* parent, CLanguageDlg& choice) {
    wxDialog dialog(parent, CLanguageDlg::kTemplate, ResText(kStrLanguageTitle));
    // The same texts in both languages, so that either user finds the way back.
    const wxString languages[] = {"English", wxString::FromUTF8("Français")};
    auto* group =
        new wxRadioBox(&dialog, CLanguageDlg::kEnglishButton,
                       wxString::FromUTF8("Select Language/Sélectionner la langue"),
                       wxDefaultPosition, wxDefaultSize, 2, languages, 1, wxRA_SPECIFY_COLS);
    group->SetSelection(LanguageIndex(choice.Chosen()));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, wxSizerFlags().Expand().Border(wxALL, dialog.FromDIP(10)));
    sizer->Add(dialog.CreateStdDialogButtonSizer(wxOK | wxCANCEL),
               wxSizerFlags().Expand().Border(wxALL, dialog.FromDIP(10)));
    dialog.SetSizerAndFit(sizer);
    dialog.Centre();
    if (dialog.ShowModal() != wxID_OK) return false;
    choice.language = group->GetSelection();
    return true;
}

wxString RestartForLanguageText(Language language) {
    if (language == Language::French)
        return wxString::FromUTF8(
            "Veuillez redémarrer Tidewarm pour que le changement de langue prenne effet.");
    return "Please restart Tidewarm for the language change to take effect.";
}

namespace {

// The splash picture: the program's name over water.
wxBitmap SplashBitmap() {
    const wxSize size(440, 240);
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    dc.GradientFillLinear(wxRect(size), wxColour(150, 215, 240), wxColour(0, 90, 140), wxDOWN);
    dc.SetPen(wxPen(wxColour(255, 255, 255), 2));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (int y = 150; y < size.y; y += 22)
        for (int x = 0; x < size.x; x += 40) dc.DrawArc(x + 40, y, x, y, x + 20, y + 14);
    dc.SetTextForeground(*wxWHITE);
    dc.SetFont(wxFontInfo(30).Bold());
    dc.DrawText("TidewarmPro", 30, 40);
    dc.SetFont(wxFontInfo(11));
    dc.DrawText("3.0", 34, 100);
    return bitmap;
}

}  // namespace

wxSplashScreen* ShowSplashWindow(wxWindow* parent, int milliseconds) {
    return new wxSplashScreen(SplashBitmap(), wxSPLASH_CENTRE_ON_PARENT | wxSPLASH_TIMEOUT,
                              milliseconds, parent, wxID_ANY);
}
