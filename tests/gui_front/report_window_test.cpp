// The report window as a user drives it, with real clicks and keys under the virtual display:
// opened from the input form (shown modally, as the main window shows it), it takes the input,
// scrolls, opens its File menu, closes when Exit is clicked there and leaves the form open;
// Report again opens one window, and keys pressed in it do not reach the form behind. Runs after
// the installer's path, whose run it opens.
#include "report_window.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <poppler.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "folders.h"
#include "front_test_support.h"
#include "frontend_globals.h"
#include "input_form.h"
#include "recordset.h"
#include "report_print.h"
#include "run_report.h"
#include "runs_list.h"
#include "welcome_window.h"

namespace {

using gui_test::After;
using gui_test::RunWhen;

wxPoint CentreOf(const wxWindow& window) {
    const wxRect rect = window.GetScreenRect();
    return rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
}

void ClickAt(wxPoint point) {
    wxUIActionSimulator input;
    input.MouseMove(point);
    wxYield();
    input.MouseClick();
}

// A click of the left button at `point` from outside the program, as xdotool gives it.
void ClickFromOutside(wxPoint point) {
    gui_test::RealInput("mousemove --sync " + std::to_string(point.x) + " " +
                        std::to_string(point.y) + " click 1");
}

// The middle of a shown GTK widget (a menu's item) on the screen.
wxPoint MiddleOnScreen(GtkWidget* widget) {
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(widget), &x, &y);
    GtkAllocation area;
    gtk_widget_get_allocation(widget, &area);
    return {x + area.x + area.width / 2, y + area.y + area.height / 2};
}

bool PageShown(ReportWindow* report) {
    return report != nullptr && report->IsShown() && gui_test::FilePageLoaded(report->View());
}

int ReportWindowsOpen() {
    int count = 0;
    for (wxWindow* window : wxTopLevelWindows)
        if (dynamic_cast<ReportWindow*>(window) != nullptr && !window->IsBeingDeleted()) ++count;
    return count;
}

TEST(ReportWindowTest, TakesTheInputOverTheFormAndClosesFromItsMenu) {
    WelcomeWindow* welcome = gui_test::ChooseLastRun();
    ASSERT_NE(welcome, nullptr);
    InputFormDialog form(welcome);
    ASSERT_TRUE(form.Loaded());
    wxWindow* reportButton = form.FindWindow(InputFormDialog::ID_REPORT);
    ASSERT_NE(reportButton, nullptr);

    wxString scrolled;
    bool closedByMenu = false, formOpenAfter = false, closedByEscape = false;
    int windowsAfterSpace = 0;
    wxUIActionSimulator input;
    auto endForm = [&] {
        // The form's loop ends once the report's own loop, inside it, has ended.
        if (ReportWindow* report = OpenReportWindow()) report->Close();
        RunWhen([] { return OpenReportWindow() == nullptr; },
                [&] {
                    if (form.IsModal()) form.EndModal(wxID_CANCEL);
                },
                5000, "the report to close");
    };
    auto lastStep = [&] {
        closedByEscape = OpenReportWindow() == nullptr;
        formOpenAfter = form.IsShown() && form.IsModal();
        endForm();
    };
    auto secondReport = [&] {
        // Space in the report window would press the form's Report button if it reached it.
        ClickAt(CentreOf(OpenReportWindow()->View()));
        input.Char(' ');
        // A second in which the key is handled, wherever it went.
        After(1000, [&] {
            windowsAfterSpace = ReportWindowsOpen();
            input.Char(WXK_ESCAPE);
            RunWhen([] { return OpenReportWindow() == nullptr; }, lastStep, 5000,
                    "Escape to close the report");
        });
    };
    auto exitFromMenu = [&] {
        // "File" is the menu bar's first title, Exit the last item of its menu.
        ReportWindow* report = OpenReportWindow();
        if (report == nullptr) return endForm();
        const wxRect bar = report->GetMenuBar()->GetScreenRect();
        ClickFromOutside(bar.GetPosition() + wxSize(bar.height, bar.height / 2));
        wxMenuItem* exit = report->GetMenuBar()->FindItem(wxID_EXIT);
        RunWhen([exit] { return gtk_widget_get_mapped(exit->GetMenuItem()); },
                [&, exit] {
                    ClickFromOutside(MiddleOnScreen(exit->GetMenuItem()));
                    RunWhen([] { return OpenReportWindow() == nullptr; },
                            [&] {
                                closedByMenu = OpenReportWindow() == nullptr;
                                if (!closedByMenu || !form.IsModal()) return endForm();
                                ClickAt(CentreOf(*reportButton));
                                RunWhen([] { return PageShown(OpenReportWindow()); }, secondReport,
                                        20000, "the second report");
                            },
                            5000, "Exit chosen in the menu to close the report");
                },
                5000, "the File menu");
    };
    auto scroll = [&] {
        ReportWindow* report = OpenReportWindow();
        if (report == nullptr) return endForm();
        ClickAt(CentreOf(report->View()));
        input.Char(WXK_END);
        RunWhen(
            [&] {
                ReportWindow* shown = OpenReportWindow();
                return shown != nullptr &&
                       shown->View().RunScript("window.scrollY > 0", &scrolled) &&
                       scrolled == "true";
            },
            exitFromMenu, 5000, "the page scrolled");
    };
    RunWhen([&] { return form.IsShownOnScreen(); },
            [&] {
                ClickAt(CentreOf(*reportButton));
                RunWhen([] { return PageShown(OpenReportWindow()); }, scroll, 20000, "the report");
            },
            20000, "the form");
    form.ShowModal();

    EXPECT_EQ(scrolled, "true");
    EXPECT_TRUE(closedByMenu);
    EXPECT_EQ(windowsAfterSpace, 1);
    EXPECT_TRUE(closedByEscape);
    EXPECT_TRUE(formOpenAfter);
    EXPECT_EQ(OpenReportWindow(), nullptr);
}

int PdfPages(const std::string& path) {
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    PopplerDocument* document = poppler_document_new_from_file(uri, nullptr, nullptr);
    g_free(uri);
    if (document == nullptr) return 0;
    const int pages = poppler_document_get_n_pages(document);
    g_object_unref(document);
    return pages;
}

// The page read on screen and on paper, in both languages and both unit systems: every chart
// at the size it is drawn, and the report printed on A4 and on US Letter (as Print and Print
// Preview print it) in two pages at most.
TEST(ReportWindowTest, ChartsAtTheirDrawnSizeAndPrintedOnTwoPagesOfA4AndLetter) {
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_FALSE(runs.empty());
    const int runId = runs.back().runId;
    SQLite::Database database = ConnectDatabase();
    auto storeUnits = [&](bool si) {
        SQLite::Statement update(database, "UPDATE [Runs] SET [SI] = ? WHERE [RunId] = ?");
        update.bind(1, si ? 1 : 0);
        update.bind(2, runId);
        update.exec();
    };
    const bool storedSI =
        database.execAndGet("SELECT [SI] FROM [Runs] WHERE [RunId] = " + std::to_string(runId))
            .getInt() != 0;
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "report-test.pdf";
    for (const Language language : {Language::English, Language::French})
        for (const bool si : {true, false}) {
            const std::string version =
                std::string(language == Language::English ? "English" : "French") +
                (si ? ", SI" : ", IP");
            storeUnits(si);
            std::string path;
            ASSERT_TRUE(
                BuildRunReport(database, runId, DataFolder(), g_strProgramFolder, language, &path))
                << version;
            wxString drawnSize;
            std::map<std::string, int> pages;
            RunWhen([] { return PageShown(OpenReportWindow()); },
                    [&] {
                        ReportWindow* report = OpenReportWindow();
                        if (report == nullptr) return;
                        report->View().RunScript(
                            "Array.from(document.images).every(i => i.naturalWidth > 0 && "
                            "i.width == i.naturalWidth && i.height == i.naturalHeight)",
                            &drawnSize);
                        for (const std::string paper : {"iso_a4", "na_letter"}) {
                            const std::optional<Problem> problem =
                                PrintPageToPdf(report->View(), pdf.string(), paper);
                            EXPECT_FALSE(problem) << problem->message;
                            pages[paper] = PdfPages(pdf.string());
                        }
                        report->Close();
                    });
            ShowReportWindow(gui_test::FindTopLevel<WelcomeWindow>(), path);
            EXPECT_EQ(drawnSize, "true") << version;
            for (const std::string paper : {"iso_a4", "na_letter"}) {
                EXPECT_GE(pages[paper], 1) << version << ", " << paper;
                EXPECT_LE(pages[paper], 2) << version << ", " << paper;
            }
        }
    storeUnits(storedSI);
    std::filesystem::remove(pdf);
}

// Every label of the report's tables on one line: the text of each first cell stands on one
// line box, whatever the height of its row.
constexpr char kLabelsOnOneLine[] =
    "Array.from(document.querySelectorAll('table.facts td:first-child')).every(cell => {"
    "  const text = document.createRange(); text.selectNodeContents(cell);"
    "  return new Set(Array.from(text.getClientRects(), box => Math.round(box.bottom))).size == 1;"
    "})";
// No value runs past its cell, nor a table past its box (but for a fraction of a pixel).
constexpr char kValuesWrapInTheirColumn[] =
    "Array.from(document.querySelectorAll('table.facts td.value')).every(cell =>"
    "  cell.scrollWidth <= cell.clientWidth) &&"
    "Array.from(document.querySelectorAll('table.facts')).every(table =>"
    "  table.getBoundingClientRect().right < table.parentElement.getBoundingClientRect().right + "
    "1)";

// A weather station's full name wraps within its own column on screen, in both languages: the
// labels keep their line and no value is cut. With TIDEWARM_SCREENSHOTS the window, its print
// preview and its pages as printed are kept.
TEST(ReportWindowTest, LabelsKeepTheirLineBesideALongCityName) {
    const std::vector<RunListRow> runs = ReadRunsList();
    ASSERT_FALSE(runs.empty());
    const int runId = runs.back().runId;
    SQLite::Database database = ConnectDatabase();
    auto storeCity = [&](const std::string& city) {
        SQLite::Statement update(database, "UPDATE [Runs] SET [City] = ? WHERE [RunId] = ?");
        update.bind(1, city);
        update.bind(2, runId);
        update.exec();
    };
    const std::string storedCity =
        database.execAndGet("SELECT [City] FROM [Runs] WHERE [RunId] = " + std::to_string(runId))
            .getString();
    storeCity("GREENSBORO PIEDMONT TRIAD INT, NC");
    const char* pictures = std::getenv("TIDEWARM_SCREENSHOTS");
    for (const Language language : {Language::English, Language::French}) {
        const std::string name =
            std::string("report-long-city") + (language == Language::French ? "-fr" : "-en");
        std::string path;
        ASSERT_TRUE(
            BuildRunReport(database, runId, DataFolder(), g_strProgramFolder, language, &path));
        wxString labels, values;
        RunWhen([] { return PageShown(OpenReportWindow()); },
                [&] {
                    ReportWindow* report = OpenReportWindow();
                    if (report == nullptr) return;
                    report->View().RunScript(kLabelsOnOneLine, &labels);
                    report->View().RunScript(kValuesWrapInTheirColumn, &values);
                    if (pictures != nullptr) {
                        gui_test::Screenshot(name);
                        EXPECT_FALSE(PrintPageToPdf(report->View(),
                                                    std::string(pictures) + "/" + name + ".pdf"));
                        RunWhen([] { return gui_test::FindTopLevel<wxPreviewFrame>() != nullptr; },
                                [&] {
                                    gui_test::Screenshot(name + "-preview");
                                    if (auto* preview = gui_test::FindTopLevel<wxPreviewFrame>())
                                        preview->Close();
                                });
                        gui_test::SendCommand(*report, wxID_PREVIEW);
                    }
                    report->Close();
                });
        ShowReportWindow(gui_test::FindTopLevel<WelcomeWindow>(), path);
        EXPECT_EQ(labels, "true") << name;
        EXPECT_EQ(values, "true") << name;
    }
    storeCity(storedCity);
}

}  // namespace
