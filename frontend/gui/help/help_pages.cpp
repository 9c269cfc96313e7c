#include "help_pages.h"

#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/module.h>
#include <wx/wx.h>

#include <memory>

#include "frontend_globals.h"
#include "frontend_strings.h"
#include "user_interface.h"
#include "wx_text.h"

namespace {

// One controller for the process; its book is the language in force at its first use.
std::unique_ptr<wxHtmlHelpController> g_help;

// Deletes the controller with the other wx modules, while wx still runs.
class HelpModule : public wxModule {
  public:
    bool OnInit() override { return true; }
    void OnExit() override { g_help.reset(); }

  private:
    wxDECLARE_DYNAMIC_CLASS(HelpModule);
};
wxIMPLEMENT_DYNAMIC_CLASS(HelpModule, wxModule);

std::string BookName(Language language) {
    return language == Language::French ? "TidewarmFra" : "Tidewarm";
}

wxHtmlHelpController* Controller() {
    if (!g_help) {
        auto help = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE | wxHF_MERGE_BOOKS);
        const std::string book = g_strProgramFolder + "/" + BookName(g_nLanguage) + ".hhp";
        if (!help->AddBook(wxFileName(ToWx(book)))) return nullptr;
        g_help = std::move(help);
    }
    return g_help.get();
}

}  // namespace

std::string HelpPageFile(std::string_view page, Language language) {
    return BookName(language) + "_" + std::string(page) + ".html";
}

bool ShowHelpPage(const std::string& page) {
    wxHtmlHelpController* help = Controller();
    if (help == nullptr || !help->Display(ToWx(HelpPageFile(page, g_nLanguage)))) {
        ShowMessage(FormatResString(kStrHelpMissing, page));
        return false;
    }
    return true;
}

void BindHelp(wxWindow& window, const std::string& page) {
    window.Bind(
        wxEVT_BUTTON, [page](wxCommandEvent&) { ShowHelpPage(page); }, wxID_HELP);
    window.Bind(
        wxEVT_MENU, [page](wxCommandEvent&) { ShowHelpPage(page); }, wxID_HELP);
    wxAcceleratorEntry f1(wxACCEL_NORMAL, WXK_F1, wxID_HELP);
    window.SetAcceleratorTable(wxAcceleratorTable(1, &f1));
}

std::string OpenedHelpPage() {
    if (!g_help || g_help->GetFrame() == nullptr) return {};
    const wxString opened = g_help->GetHelpWindow()->GetHtmlWindow()->GetOpenedPage();
    return FromWx(wxFileName(opened).GetFullName());
}
